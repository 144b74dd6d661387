#pragma once

#include <windows.h>

#include "app/heap_text.h"
#include "app/window_layout.h"

// Creates the main window and its controls hidden, raises its creation event (the welcome
// notice) and then shows it. False when the window or a control cannot be created.
bool LoadMainWindow();

// True while the main window's handle still names a window.
bool AnyWindowAlive();

HWND MainWindowHandle();
HWND ControlWindow(ControlId id);

// The box's current text as a fresh heap copy, or none when the box is empty.
HeapText GetBoxText(ControlId box);

// Replaces the box's whole text; a null text empties it. The box keeps its own copy.
void SetBoxText(ControlId box, const char* text);
