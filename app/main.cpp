// Start-up, the message loop and the end of the process.

#include <windows.h>
#include <ole2.h>

#include "app/app_lifetime.h"
#include "app/fatal.h"
#include "app/icons.h"
#include "app/keyboard_routing.h"
#include "app/main_window.h"
#include "app/texts.h"

namespace
{
bool g_oleInitialised = false;
bool g_loopEntered = false;

void RunMessageLoop()
{
    MSG message;
    // GetMessage returns -1 on failure, which must end the loop as well as WM_QUIT does.
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        if (PreTranslateMainWindowMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void EndProcessResources()
{
    DestroyIcons();
    if (g_oleInitialised)
    {
        OleUninitialize();
        g_oleInitialised = false;
    }
}
} // namespace

void NotifyWindowDestroyed()
{
    if (!AnyWindowAlive() && g_loopEntered)
        PostQuitMessage(0);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // A failure here is not reported: a conversion that then cannot reach the script control
    // simply empties the result box.
    OleInitialize(nullptr);
    g_oleInitialised = true;

    if (!LoadMainWindow())
        FatalExit(kWindowCreationFailedText);

    g_loopEntered = true;
    if (AnyWindowAlive())
        RunMessageLoop();

    EndProcessResources();
    return 0;
}
