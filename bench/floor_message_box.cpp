// The smallest GUI program the platform allows that does anything visible: one
// message box. Built with the program's flags, its size is the floor the
// program's size is set beside.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr, "floor", "floor", MB_OK);
    return 0;
}
