// The main window's keyboard and focus rules, driven with real input: the tab
// cycle, Enter in each control, the Convert button, and the focus kept across
// switching windows. The probe build shows "<count>:<group box text>" in the
// result box each time the conversion runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/shell_helpers.h"

namespace
{
using e2e::Program;
using namespace shell;

class KeyboardAndFocus : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_NE(m_program.StartToMainWindow(), nullptr);
        ASSERT_TRUE(WaitForFocus(m_program, kGroupBox));
        ASSERT_TRUE(SettleInput(m_program));
    }
    void TearDown() override { CloseAndExpectCleanExit(m_program); }

    HWND Control(int id) const { return m_program.Control(id); }
    bool ResultShows(const std::wstring& text) const { return WaitForText(Control(kResultBox), text); }

    Program m_program{e2e::BesideTests(kProbeExe)};
};

TEST_F(KeyboardAndFocus, TabAndShiftTabCycleTheThreeControlsAndNeverTheLabel)
{
    for (int id : {kConvertButton, kResultBox, kGroupBox, kConvertButton})
    {
        e2e::PressKey(VK_TAB);
        EXPECT_TRUE(WaitForFocus(m_program, id)) << "Tab should reach " << id;
    }
    for (int id : {kGroupBox, kResultBox, kConvertButton, kGroupBox})
    {
        e2e::PressChord({VK_SHIFT}, VK_TAB);
        EXPECT_TRUE(WaitForFocus(m_program, id)) << "Shift+Tab should reach " << id;
    }
}

TEST_F(KeyboardAndFocus, EveryEnterKeyDownInTheGroupBoxConvertsOnce)
{
    // Empty box first: the conversion still runs.
    e2e::PressKey(VK_RETURN);
    ASSERT_TRUE(ResultShows(L"1:"));

    e2e::TypeText(L"12a");
    struct EnterKey
    {
        std::vector<WORD> modifiers;
        bool keypad;
    };
    const EnterKey keys[] = {{{}, false}, {{VK_CONTROL}, false}, {{VK_SHIFT}, false}, {{VK_MENU}, false}, {{}, true}};
    int count = 1;
    for (const EnterKey& key : keys)
    {
        // The keypad's Enter is VK_RETURN with the extended-key flag.
        e2e::PressChord(key.modifiers, VK_RETURN, key.keypad);
        ++count;
        // Each result must follow the last: a key-down converting twice would skip
        // a count.
        ASSERT_TRUE(ResultShows(std::to_wstring(count) + L":12a")) << "Enter number " << count;
    }

    // Holding Enter: every repeated key-down converts.
    e2e::KeyDown(VK_RETURN);
    e2e::KeyDown(VK_RETURN);
    e2e::KeyUp(VK_RETURN);
    ASSERT_TRUE(ResultShows(std::to_wstring(count + 2) + L":12a"));

    // A last plain Enter proves nothing more was queued behind the held key.
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultShows(std::to_wstring(count + 3) + L":12a"));
    EXPECT_EQ(e2e::WindowText(Control(kGroupBox)), L"12a") << "Enter leaves the box's text alone";
}

TEST_F(KeyboardAndFocus, EnterInTheResultBoxBreaksTheLineAndConvertsNothing)
{
    e2e::TypeText(L"7");
    e2e::PressChord({VK_SHIFT}, VK_TAB);
    ASSERT_TRUE(WaitForFocus(m_program, kResultBox));
    e2e::TypeText(L"ab");
    e2e::PressKey(VK_RETURN);
    e2e::TypeText(L"cd");
    // A conversion would have replaced the whole text with "1:7".
    EXPECT_TRUE(ResultShows(L"ab\r\ncd"));
}

TEST_F(KeyboardAndFocus, OnTheButtonEnterDoesNothingWhileSpaceAndAClickConvert)
{
    e2e::TypeText(L"5");
    e2e::PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(m_program, kConvertButton));
    e2e::PressKey(VK_RETURN);
    e2e::PressKey(VK_SPACE);
    // Had Enter converted, Space would show the second run.
    EXPECT_TRUE(ResultShows(L"1:5"));

    // Under Wine a synthesised click now and then never reaches the button; only while the
    // result is unchanged is it safe to click again.
    bool converted = false;
    for (int attempt = 0; attempt < 3 && !converted; ++attempt)
    {
        e2e::ClickClient(m_program.MainWindow(), CentreOf(Control(kConvertButton)));
        converted = e2e::WaitUntil([&] { return e2e::WindowText(Control(kResultBox)) != L"1:5"; }, 2000);
    }
    EXPECT_TRUE(ResultShows(L"2:5"));
}

// A window of the test's own, to switch to and away from.
class OtherWindow
{
  public:
    OtherWindow()
    {
        m_window = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OtherWindow()
    {
        if (m_window)
            DestroyWindow(m_window);
    }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return m_window; }

  private:
    HWND m_window = nullptr;
};

TEST_F(KeyboardAndFocus, SwitchingAwayAndBackGivesTheFocusBackToTheControlThatHadIt)
{
    OtherWindow other;
    ASSERT_NE(other.Handle(), nullptr);
    // Showing it took the activation: come back first, to the group box.
    ASSERT_TRUE(e2e::BringToFront(m_program.MainWindow()));
    ASSERT_TRUE(WaitForFocus(m_program, kGroupBox));
    // The button, then the result box: neither is where the focus would go by
    // default.
    for (int id : {kConvertButton, kResultBox})
    {
        e2e::PressKey(VK_TAB);
        ASSERT_TRUE(WaitForFocus(m_program, id));
        ASSERT_TRUE(e2e::BringToFront(other.Handle()));
        ASSERT_TRUE(e2e::BringToFront(m_program.MainWindow()));
        EXPECT_TRUE(WaitForFocus(m_program, id)) << "the focus should come back to " << id;
    }
}

// The window can be minimised and restored (it has no frame to resize or maximise by); the
// restored window has its size and gives the focus back to the control that had it.
TEST_F(KeyboardAndFocus, MinimisingAndRestoringKeepsTheSizeAndTheFocus)
{
    HWND main = m_program.MainWindow();
    e2e::PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(m_program, kConvertButton));

    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(main) != FALSE; }));
    SendMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(main) == FALSE && IsWindowVisible(main); }));
    ASSERT_TRUE(e2e::BringToFront(main));

    RECT rect;
    GetWindowRect(main, &rect);
    EXPECT_EQ(rect.right - rect.left, 374);
    EXPECT_EQ(rect.bottom - rect.top, 175);
    EXPECT_TRUE(WaitForFocus(m_program, kConvertButton))
        << "focus is on id " << GetDlgCtrlID(e2e::FocusOf(main)) << ", active " << (GetForegroundWindow() == main);
}
} // namespace
