#pragma once

#include <windows.h>

// Looks at a message before it is dispatched. Key-down messages for the main window or its
// controls get the window's own keyboard handling (Tab, Shift+Tab, Esc) and raise the target
// control's key-down event. Returns true when the window took the message, which must then not
// be dispatched.
bool PreTranslateMainWindowMessage(const MSG& message);
