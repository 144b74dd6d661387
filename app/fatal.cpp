#include "app/fatal.h"

#include <windows.h>

#include "app/texts.h"

void FatalExit(const char* message)
{
    MessageBoxA(nullptr, message, kErrorCaption, MB_OK | MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}
