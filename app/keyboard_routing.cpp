#include "app/keyboard_routing.h"

#include "app/events.h"
#include "app/focus.h"
#include "app/keyboard_rules.h"
#include "app/main_window.h"

namespace
{
bool IsDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

bool IsForMainWindow(HWND target)
{
    HWND window = MainWindowHandle();
    return window && (target == window || IsChild(window, target));
}

void RaiseKeyDown(HWND target, int keyCode, int modifiers)
{
    // Only the group-number box has a key-down handler.
    if (target == ControlWindow(编辑框_群号码))
        OnGroupBoxKeyDown(keyCode, modifiers);
}
} // namespace

bool PreTranslateMainWindowMessage(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    if (!IsForMainWindow(message.hwnd))
        return false;

    const auto virtualKey = static_cast<unsigned>(message.wParam);
    const int keyCode = KeyCodeFromVirtualKey(virtualKey);
    const int modifiers = ModifierMask(virtualKey, IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU));

    switch (WindowKeyActionFor(keyCode, modifiers))
    {
    case WindowKeyAction::FocusNext:
        MoveFocus(+1);
        return true;
    case WindowKeyAction::FocusPrevious:
        MoveFocus(-1);
        return true;
    case WindowKeyAction::CloseWindow:
        SendMessageA(MainWindowHandle(), WM_CLOSE, 0, 0);
        return true;
    case WindowKeyAction::None:
        break;
    }
    RaiseKeyDown(message.hwnd, keyCode, modifiers);
    return false;
}
