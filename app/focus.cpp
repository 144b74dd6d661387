#include "app/focus.h"

#include "app/keyboard_rules.h"
#include "app/main_window.h"

namespace
{
HWND g_rememberedFocus = nullptr;

bool CanTakeFocus(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongPtrA(control, GWL_STYLE) & WS_TABSTOP);
}

std::size_t TabPosition(HWND control)
{
    for (std::size_t i = 0; i < kTabStopCount; ++i)
        if (ControlWindow(kTabOrder[i]) == control)
            return i;
    return kTabStopCount;
}

void FocusTabStopAfter(std::size_t position, int step)
{
    bool canTakeFocus[kTabStopCount];
    for (std::size_t i = 0; i < kTabStopCount; ++i)
        canTakeFocus[i] = CanTakeFocus(ControlWindow(kTabOrder[i]));
    const std::size_t next = NextTabStop(position, step, canTakeFocus, kTabStopCount);
    if (next < kTabStopCount)
        SetFocus(ControlWindow(kTabOrder[next]));
}
} // namespace

void MoveFocus(int step)
{
    FocusTabStopAfter(TabPosition(GetFocus()), step);
}

void RememberFocusedControl(HWND window)
{
    // Only a control is worth remembering; otherwise what was remembered before stays.
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        g_rememberedFocus = focus;
}

bool OnActivate(HWND window, bool active)
{
    if (!active)
    {
        RememberFocusedControl(window);
        return false;
    }
    if (IsIconic(window))
        return false;
    if (RestoreRememberedFocus())
        return true;
    // The default handling would take the focus from a control that already has it (Wine
    // restores a minimised window by focusing it before activating it).
    HWND focus = GetFocus();
    return focus && IsChild(window, focus);
}

bool RestoreRememberedFocus()
{
    HWND remembered = g_rememberedFocus;
    g_rememberedFocus = nullptr;
    if (!remembered || !IsWindow(remembered))
        return false;
    SetFocus(remembered);
    return true;
}

void OnMainWindowFocus(HWND window)
{
    // A minimised window keeps the focus itself; its controls get it back once it is restored.
    if (IsIconic(window))
        return;
    if (!RestoreRememberedFocus())
        FocusTabStopAfter(kTabStopCount, +1);
}

void ForgetFocus()
{
    g_rememberedFocus = nullptr;
}
