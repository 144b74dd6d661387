#include "app/keyboard_rules.h"

#include <windows.h>

int KeyCodeFromVirtualKey(unsigned virtualKey)
{
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9)
        return '0' + static_cast<int>(virtualKey - VK_NUMPAD0);
    return static_cast<int>(virtualKey & 0xFF);
}

int ModifierMask(unsigned virtualKey, bool ctrlDown, bool shiftDown, bool altDown)
{
    const bool isCtrl = virtualKey == VK_CONTROL || virtualKey == VK_LCONTROL || virtualKey == VK_RCONTROL;
    const bool isShift = virtualKey == VK_SHIFT || virtualKey == VK_LSHIFT || virtualKey == VK_RSHIFT;
    const bool isAlt = virtualKey == VK_MENU || virtualKey == VK_LMENU || virtualKey == VK_RMENU;
    int mask = 0;
    if (ctrlDown && !isCtrl)
        mask |= kModifierCtrl;
    if (shiftDown && !isShift)
        mask |= kModifierShift;
    if (altDown && !isAlt)
        mask |= kModifierAlt;
    return mask;
}

WindowKeyAction WindowKeyActionFor(int keyCode, int modifiers)
{
    if (keyCode == kKeyTab && modifiers == 0)
        return WindowKeyAction::FocusNext;
    if (keyCode == kKeyTab && modifiers == kModifierShift)
        return WindowKeyAction::FocusPrevious;
    if (keyCode == kKeyEscape && modifiers == 0)
        return WindowKeyAction::CloseWindow;
    // Enter is never the window's: there is no default button, and in the result box the
    // edit control inserts a line break itself.
    return WindowKeyAction::None;
}

std::size_t NextTabStop(std::size_t current, int step, const bool canTakeFocus[], std::size_t count)
{
    if (count == 0)
        return count;
    // With nothing focused, forward starts before the first stop and backward after the last.
    std::size_t position = current < count ? current : (step > 0 ? count - 1 : 0);
    for (std::size_t tried = 0; tried < count; ++tried)
    {
        position = step > 0 ? (position + 1) % count : (position + count - 1) % count;
        if (canTakeFocus[position])
            return position;
    }
    return count;
}
