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

bool OnActivate(HWND window, bool active)
{
    if (!active)
    {
        HWND focus = GetFocus();
        g_rememberedFocus = focus && IsChild(window, focus) ? focus : nullptr;
        return false;
    }
    if (IsIconic(window) || !g_rememberedFocus || !IsWindow(g_rememberedFocus))
        return false;
    HWND remembered = g_rememberedFocus;
    g_rememberedFocus = nullptr;
    SetFocus(remembered);
    return true;
}

void OnMainWindowFocus()
{
    FocusTabStopAfter(kTabStopCount, +1);
}

void ForgetFocus()
{
    g_rememberedFocus = nullptr;
}
