#pragma once

#include <cstddef>

// Pure keyboard rules: how a key message becomes a key code and a modifier mask, what the
// main window does with it, and where Tab moves the focus.

inline constexpr int kModifierCtrl = 1;
inline constexpr int kModifierShift = 2;
inline constexpr int kModifierAlt = 4;

inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

// The low byte of the virtual-key code, with the keypad digits counted as '0' to '9'.
int KeyCodeFromVirtualKey(unsigned virtualKey);

// The modifiers held while `virtualKey` went down. A modifier key pressed by itself does not
// set its own bit.
int ModifierMask(unsigned virtualKey, bool ctrlDown, bool shiftDown, bool altDown);

enum class WindowKeyAction
{
    None,          // not the window's: raise the control's key-down event and dispatch
    FocusNext,     // Tab
    FocusPrevious, // Shift+Tab
    CloseWindow,   // Esc
};

WindowKeyAction WindowKeyActionFor(int keyCode, int modifiers);

// The position in the tab order that the focus moves to from `current`, one step forward
// (step = +1) or back (step = -1), skipping stops that cannot take the focus. `current` may be
// `count` when no stop has the focus. Returns `count` when no stop can take it.
std::size_t NextTabStop(std::size_t current, int step, const bool canTakeFocus[], std::size_t count);
