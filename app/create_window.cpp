#include "app/create_window.h"

HWND CreateProgramWindow(DWORD exStyle, const char* className, const char* text, DWORD style, int left, int top,
                         int width, int height, HWND parent, int controlId, HINSTANCE instance)
{
    return CreateWindowExA(exStyle, className, text, style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
}
