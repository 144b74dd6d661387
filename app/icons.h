#pragma once

#include <windows.h>

// The main window's two icons, loaded from the executable's "DEFAULT_ICON" the first time they
// are asked for and kept until DestroyIcons at the end of the process.
HICON LargeIcon();
HICON SmallIcon();
void DestroyIcons();
