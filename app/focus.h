#pragma once

#include <windows.h>

// The main window's focus rules: Tab order, the first control on activation, and the control
// remembered across deactivation.

// Moves the focus one tab stop forward (+1) or back (-1).
void MoveFocus(int step);

// WM_ACTIVATE. Remembers the focused control on deactivation; on activation gives the focus back
// to the remembered control and returns true, or returns false to let the default handling
// focus the window (and so OnMainWindowFocus).
bool OnActivate(HWND window, bool active);

// WM_SETFOCUS on the main window itself: the focus goes on to the first tab stop that can take it.
void OnMainWindowFocus();

void ForgetFocus();
