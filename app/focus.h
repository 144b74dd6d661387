#pragma once

#include <windows.h>

// The main window's focus rules: Tab order, the first control on activation, and the control
// remembered across deactivation.

// Moves the focus one tab stop forward (+1) or back (-1).
void MoveFocus(int step);

// WM_ACTIVATE. Remembers the focused control on deactivation. On activation gives the focus back
// to the remembered control, or leaves it on a control that already has it, and returns true;
// otherwise returns false to let the default handling focus the window (and so
// OnMainWindowFocus).
bool OnActivate(HWND window, bool active);

// Remembers the control of `window` that has the focus, if one has it: on deactivation, and
// before the window is minimised (a minimised window may stay active, and restoring it moves
// the focus to the window itself).
void RememberFocusedControl(HWND window);

// Gives the focus back to the remembered control and forgets it; false when there is none.
bool RestoreRememberedFocus();

// WM_SETFOCUS on the main window itself: unless it is minimised, the focus goes to the
// remembered control, or else on to the first tab stop that can take it.
void OnMainWindowFocus(HWND window);

void ForgetFocus();
