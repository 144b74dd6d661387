#pragma once

// Helpers shared by the tests of the program's shell: starting it up to its
// main window, waiting for the focus and for the program's own answers.

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver.h"

namespace shell
{
inline const wchar_t kProductExe[] = L"qqgrouplink.exe";
// The conversion command of this build writes "<count>:<group box text>" into
// the result box.
inline const wchar_t kProbeExe[] = L"qqgrouplink_probe.exe";
inline const wchar_t kFailCreateExe[] = L"qqgrouplink_failcreate.exe";

inline const wchar_t kTitle[] = L"VantorelQ群转换链接工具";
inline const wchar_t kNoticeCaption[] = L"信息：";
inline const wchar_t kNoticeText[] = L"欢迎来到Vantorel";

// Control ids, as the user-visible contract fixes them.
constexpr int kGroupBox = 100;
constexpr int kConvertButton = 110;
constexpr int kResultBox = 120;
constexpr int kHintLabel = 130;

// Waits until `id` (0 for none of the controls) has the keyboard focus in the
// program.
inline bool WaitForFocus(const e2e::Program& program, int id)
{
    return e2e::WaitUntil([&] { return e2e::FocusOf(program.MainWindow()) == program.Control(id); });
}

inline bool WaitForText(HWND window, const std::wstring& text)
{
    return e2e::WaitUntil([&] { return e2e::WindowText(window) == text; });
}

inline POINT CentreOf(HWND control)
{
    const RECT rect = e2e::ChildRect(control);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Brings the window to the front and waits until real input reaches the program
// intact. Under Wine the X server's focus and pointer events for a newly
// activated window arrive a little later and reset the key state (a held Shift
// or Alt is dropped) and may swallow a click. So: click the result box until it
// takes the focus, then Shift+Tab until the focus goes back to the button,
// which proves a held modifier survives; then Shift+Tab once more. Leaves the
// focus in the group box.
inline bool SettleInput(const e2e::Program& program)
{
    HWND main = program.MainWindow();
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        if (!e2e::BringToFront(main))
            continue;
        e2e::ClickClient(main, CentreOf(program.Control(kResultBox)));
        if (!WaitForFocus(program, kResultBox))
            continue;
        e2e::PressChord({VK_SHIFT}, VK_TAB);
        if (!WaitForFocus(program, kConvertButton))
            continue;
        e2e::PressChord({VK_SHIFT}, VK_TAB);
        if (WaitForFocus(program, kGroupBox))
            return true;
    }
    return false;
}

// Ends the program the ordinary way and checks it ended with exit code 0.
inline void CloseAndExpectCleanExit(e2e::Program& program)
{
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}
} // namespace shell
