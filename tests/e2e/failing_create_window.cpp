// Window creation that fails on purpose for one window, chosen by the test through the
// environment: QQLINK_FAIL_CREATE_ID holds the control id, or 0 for the main window.
#include <cstdlib>

#include "app/create_window.h"

HWND CreateProgramWindow(DWORD exStyle, const char* className, const char* text, DWORD style, int left, int top,
                         int width, int height, HWND parent, int controlId, HINSTANCE instance)
{
    const char* failing = std::getenv("QQLINK_FAIL_CREATE_ID");
    if (failing && std::atoi(failing) == controlId)
        return nullptr;
    return CreateWindowExA(exStyle, className, text, style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
}
