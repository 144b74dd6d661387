// The process around the window: the welcome notice before the window,
// independent instances, every way of closing, and the fatal path when a window
// cannot be created.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/e2e/driver.h"
#include "tests/e2e/shell_helpers.h"

namespace
{
using e2e::Program;
using namespace shell;

constexpr DWORD kFatalExitCode = 0xFFFFFFFF;

std::vector<HWND> VisibleChildrenOfClass(HWND parent, const wchar_t* className)
{
    std::vector<HWND> found;
    for (HWND child : e2e::ChildrenInZOrder(parent))
        if (IsWindowVisible(child) && _wcsicmp(e2e::ClassName(child).c_str(), className) == 0)
            found.push_back(child);
    return found;
}

// A message box's text is its one visible static that is not an icon.
std::wstring MessageBoxText(HWND box)
{
    for (HWND child : VisibleChildrenOfClass(box, L"Static"))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            return e2e::WindowText(child);
    return L"<no text>";
}

bool MessageBoxShowsAnIcon(HWND box)
{
    for (HWND child : VisibleChildrenOfClass(box, L"Static"))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0))
            return true;
    return false;
}

// A box with one OK button and no owner window.
void ExpectOwnerlessOkBox(HWND box)
{
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const std::vector<HWND> buttons = VisibleChildrenOfClass(box, L"Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
}

bool AnyVisibleWindowBut(DWORD processId, HWND allowed)
{
    for (HWND window : e2e::TopLevelWindows(processId))
        if (window != allowed && IsWindowVisible(window))
            return true;
    return false;
}

void ExpectFreshMainWindow(const Program& program)
{
    HWND main = program.MainWindow();
    EXPECT_EQ(e2e::WindowText(main), kTitle);
    RECT rect;
    GetWindowRect(main, &rect);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 374) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 175) / 2;
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, 374);
    EXPECT_EQ(rect.bottom - rect.top, 175);
    EXPECT_TRUE(WaitForFocus(program, kGroupBox));
    EXPECT_EQ(e2e::WindowText(program.Control(kGroupBox)), L"");
    EXPECT_EQ(e2e::WindowText(program.Control(kResultBox)), L"");
}

// Command-line arguments are ignored: every start looks the same.
class Startup : public ::testing::TestWithParam<const wchar_t*>
{
};

TEST_P(Startup, GreetsWhileTheWindowIsHiddenThenShowsTheWindowCentredAndFocused)
{
    Program program(e2e::BesideTests(kProductExe), GetParam());
    ASSERT_TRUE(program.Started());
    HWND notice = program.WaitForNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(e2e::WindowText(notice), kNoticeCaption);
    EXPECT_EQ(MessageBoxText(notice), kNoticeText);
    EXPECT_FALSE(MessageBoxShowsAnIcon(notice));
    ExpectOwnerlessOkBox(notice);

    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the window and its controls exist before the notice is dismissed";
    EXPECT_NE(program.Control(kHintLabel), nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(AnyVisibleWindowBut(program.ProcessId(), notice));

    ASSERT_TRUE(program.DismissNotice(notice));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    ExpectFreshMainWindow(program);
    CloseAndExpectCleanExit(program);
}

INSTANTIATE_TEST_SUITE_P(Arguments, Startup, ::testing::Values(L"", L"--help /x 123456 \"two words\""),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             return std::wstring(info.param).empty() ? "None" : "Several";
                         });

TEST(Instances, TwoStartsRunSideBySideAsIndependentProcesses)
{
    Program first(e2e::BesideTests(kProductExe));
    ASSERT_NE(first.StartToMainWindow(), nullptr);
    Program second(e2e::BesideTests(kProductExe));
    ASSERT_NE(second.StartToMainWindow(), nullptr);

    EXPECT_NE(first.ProcessId(), second.ProcessId());
    EXPECT_NE(first.MainWindow(), second.MainWindow());
    EXPECT_TRUE(IsWindowVisible(first.MainWindow()));
    EXPECT_TRUE(IsWindowVisible(second.MainWindow()));

    CloseAndExpectCleanExit(second);
    EXPECT_TRUE(first.IsRunning()) << "closing one instance leaves the other alone";
    EXPECT_TRUE(IsWindowVisible(first.MainWindow()));
    CloseAndExpectCleanExit(first);
}

void PressEscWithFocusOn(const Program& program, int tabs)
{
    ASSERT_TRUE(e2e::BringToFront(program.MainWindow()));
    for (int i = 0; i < tabs; ++i)
        e2e::PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(program, tabs == 0 ? kGroupBox : tabs == 1 ? kConvertButton : kResultBox));
    e2e::PressKey(VK_ESCAPE);
}

struct CloseWay
{
    const char* name;
    std::function<void(const Program&)> close;
};

class Closing : public ::testing::TestWithParam<CloseWay>
{
};

TEST_P(Closing, EndsTheProgramWithExitCodeZero)
{
    Program program(e2e::BesideTests(kProductExe));
    ASSERT_NE(program.StartToMainWindow(), nullptr);
    GetParam().close(program);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

const CloseWay kCloseWays[] = {
    {"WmClose", [](const Program& p) { PostMessageW(p.MainWindow(), WM_CLOSE, 0, 0); }},
    {"SystemMenuClose", [](const Program& p) { PostMessageW(p.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"AltF4",
     [](const Program& p) {
         ASSERT_TRUE(SettleInput(p));
         e2e::PressChord({VK_MENU}, VK_F4);
     }},
    {"EscInGroupBox", [](const Program& p) { PressEscWithFocusOn(p, 0); }},
    {"EscOnConvertButton", [](const Program& p) { PressEscWithFocusOn(p, 1); }},
    {"EscInResultBox", [](const Program& p) { PressEscWithFocusOn(p, 2); }},
};

INSTANTIATE_TEST_SUITE_P(Ways, Closing, ::testing::ValuesIn(kCloseWays),
                         [](const ::testing::TestParamInfo<CloseWay>& info) { return info.param.name; });

TEST(Closing, ShiftEscLeavesTheWindowOpen)
{
    Program program(e2e::BesideTests(kProductExe));
    ASSERT_NE(program.StartToMainWindow(), nullptr);
    ASSERT_TRUE(e2e::BringToFront(program.MainWindow()));
    e2e::PressChord({VK_SHIFT}, VK_ESCAPE);
    // Keys are handled in order: once the letter typed after it shows, Shift+Esc
    // has been handled.
    e2e::TypeText(L"a");
    ASSERT_TRUE(WaitForText(program.Control(kGroupBox), L"a"));
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
    CloseAndExpectCleanExit(program);
}

// Sets an environment variable of this process, which programs started from it
// inherit.
class ScopedEnvironmentVariable
{
  public:
    ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value) : m_name(name)
    {
        SetEnvironmentVariableW(m_name, value.c_str());
    }
    ~ScopedEnvironmentVariable() { SetEnvironmentVariableW(m_name, nullptr); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

  private:
    const wchar_t* m_name;
};

// Where OLE cannot be initialised the program still greets the user and shows its window, and
// reports nothing.
TEST(OleFailure, TheProgramStillGreetsAndShowsItsWindowWithoutAnError)
{
    Program program(e2e::BesideTests(L"qqgrouplink_olefails.exe"));
    ASSERT_TRUE(program.Started());
    HWND notice = program.WaitForNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(e2e::WindowText(notice), kNoticeCaption);
    EXPECT_EQ(MessageBoxText(notice), kNoticeText);

    ASSERT_TRUE(program.DismissNotice(notice));
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    ExpectFreshMainWindow(program);
    EXPECT_FALSE(AnyVisibleWindowBut(program.ProcessId(), main)) << "no error message";
    CloseAndExpectCleanExit(program);
}

// The id of the window whose creation fails: 0 for the main window, else a
// control.
class FatalFailure : public ::testing::TestWithParam<int>
{
};

TEST_P(FatalFailure, ShowsAnErrorBoxInsteadOfTheWindowAndExitsWithMinusOne)
{
    ScopedEnvironmentVariable failing(L"QQLINK_FAIL_CREATE_ID", std::to_wstring(GetParam()));
    Program program(e2e::BesideTests(kFailCreateExe));
    ASSERT_TRUE(program.Started());
    HWND box = program.WaitForNotice();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(e2e::WindowText(box), kNoticeCaption) << "no welcome notice after a failed creation";
    EXPECT_TRUE(MessageBoxShowsAnIcon(box));
    EXPECT_NE(MessageBoxText(box), L"");
    ExpectOwnerlessOkBox(box);
    EXPECT_FALSE(AnyVisibleWindowBut(program.ProcessId(), box));

    ASSERT_TRUE(program.DismissNotice(box));
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, kFatalExitCode);
}

INSTANTIATE_TEST_SUITE_P(Windows, FatalFailure, ::testing::Values(0, 100, 110, 120, 130),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? std::string("MainWindow")
                                                    : "Control" + std::to_string(info.param);
                         });
} // namespace
