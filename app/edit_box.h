#pragma once

#include <windows.h>

// The main window passes each edit box's WM_CTLCOLOREDIT on to the box with this message; the
// box answers with its colours and its own white brush.
inline constexpr UINT kReflectedCtlColorEdit = WM_APP + 1;

// Gives an edit control its white brush and colours, and with `centreTextLine` shrinks its
// client area to one text line in the vertical middle of the box. The box frees what it holds
// when it is destroyed. Returns false if the control could not be set up.
bool AttachEditBox(HWND box, bool centreTextLine);
