#pragma once

#include <windows.h>

// Every window of the program is created through this one function, so that a test build can
// link a version of it that fails on purpose.
HWND CreateProgramWindow(DWORD exStyle, const char* className, const char* text, DWORD style, int left, int top,
                         int width, int height, HWND parent, int controlId, HINSTANCE instance);
