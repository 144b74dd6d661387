// The conversion as a person runs it: a number typed into the group-number box, then Enter, a
// click on 转换 or Space on it, and the link read back from the result box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tests/common/expected_link.h"
#include "tests/common/typed_numbers.h"
#include "tests/e2e/driver.h"

namespace
{
using e2e::Program;

constexpr int kGroupBox = 100;
constexpr int kConvertButton = 110;
constexpr int kResultBox = 120;

// Set only by the test run that starts Wine with the script control disabled.
bool ScriptControlDisabledRun()
{
    const char* marker = std::getenv("QQLINK_TEST_NO_SCRIPT_CONTROL");
    return marker && std::string(marker) == "1";
}

// A real left click in the middle of `control`.
void ClickCentreOf(HWND control)
{
    const RECT rect = e2e::ChildRect(control);
    e2e::ClickClient(GetParent(control), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

class ProgramTest : public ::testing::Test
{
  protected:
    void StartProgram()
    {
        m_program = std::make_unique<Program>(e2e::BesideTests(L"qqgrouplink.exe"));
        ASSERT_TRUE(m_program->Started());
        m_main = m_program->StartToMainWindow();
        ASSERT_NE(m_main, nullptr);
    }

    HWND Control(int id) const { return m_program->Control(id); }
    std::wstring ResultText() const { return e2e::WindowText(Control(kResultBox)); }

    // Empties the group-number box, then types `number` into it with real key strokes.
    void TypeNumber(const std::wstring& number)
    {
        SetWindowTextW(Control(kGroupBox), L"");
        ASSERT_NO_FATAL_FAILURE(FocusGroupBox());
        e2e::TypeText(number);
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(Control(kGroupBox)) == number; }))
            << "typed text did not arrive";
    }

    void FocusGroupBox()
    {
        ASSERT_TRUE(e2e::BringToFront(m_main));
        if (e2e::FocusOf(m_main) != Control(kGroupBox))
            ClickCentreOf(Control(kGroupBox));
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::FocusOf(m_main) == Control(kGroupBox); }));
    }

    // The result box shows exactly `expected` (within the step time-out).
    ::testing::AssertionResult ResultBecomes(const std::wstring& expected)
    {
        if (e2e::WaitUntil([&] { return ResultText() == expected; }))
            return ::testing::AssertionSuccess();
        const std::wstring shown = ResultText();
        return ::testing::AssertionFailure()
               << "result box shows " << shown.size()
               << " characters: " << std::string(shown.begin(), shown.end()).substr(0, 300);
    }

    std::unique_ptr<Program> m_program;
    HWND m_main = nullptr;
};

class Conversion : public ProgramTest
{
  protected:
    void SetUp() override
    {
        if (ScriptControlDisabledRun())
            GTEST_SKIP() << "needs the script control";
        StartProgram();
    }
};

TEST_F(Conversion, EnterInTheGroupBoxShowsTheLink)
{
    ASSERT_NO_FATAL_FAILURE(TypeNumber(L"123456"));
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultBecomes(L"tencent://groupwpa/?subcmd=all&fuin=undefined&param=7B22457874506172616D223A7B2261707"
                              L"04964223A20223231227D2C2267726F757055696E223A3132333435362C2276697369746F72223A317D"));
}

TEST_F(Conversion, EveryTypedTextGoesIntoTheLinkUnchanged)
{
    for (const std::wstring& number : expected::kTypedNumbers)
    {
        ASSERT_NO_FATAL_FAILURE(TypeNumber(number));
        e2e::PressKey(VK_RETURN);
        EXPECT_TRUE(ResultBecomes(expected::WideLink(number))) << "typed " << number.size() << " characters";
        EXPECT_EQ(e2e::WindowText(Control(kGroupBox)), number) << "Enter leaves the typed text alone";
    }
}

TEST_F(Conversion, AThousandCharacterNumberConvertsWhole)
{
    std::wstring number;
    for (int i = 0; i < 1000; ++i)
        number += static_cast<wchar_t>(L'0' + (i * 3 + i / 10) % 10);
    SetWindowTextW(Control(kGroupBox), number.c_str());
    ASSERT_NO_FATAL_FAILURE(FocusGroupBox());
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultBecomes(expected::WideLink(number)));
}

TEST_F(Conversion, ClickAndSpaceOnTheButtonConvert)
{
    ASSERT_NO_FATAL_FAILURE(TypeNumber(L"2468"));
    ClickCentreOf(Control(kConvertButton));
    EXPECT_TRUE(ResultBecomes(expected::WideLink(L"2468")));

    SetWindowTextW(Control(kGroupBox), L"13579");
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::FocusOf(m_main) == Control(kConvertButton); }));
    e2e::PressKey(VK_SPACE);
    EXPECT_TRUE(ResultBecomes(expected::WideLink(L"13579")));
}

TEST_F(Conversion, EachConversionReplacesTheWholeResult)
{
    SetWindowTextW(Control(kResultBox), L"text the user left here");
    ASSERT_NO_FATAL_FAILURE(TypeNumber(L"1"));
    e2e::PressKey(VK_RETURN);
    ASSERT_TRUE(ResultBecomes(expected::WideLink(L"1")));

    // The same number again gives the same link, once.
    SetWindowTextW(Control(kResultBox), L"");
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultBecomes(expected::WideLink(L"1")));

    e2e::TypeText(L"2");
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultBecomes(expected::WideLink(L"12")));
}

// Runs only where Wine starts with msscript.ocx disabled (a CTest entry of its own): the
// program cannot make its script control.
class ConversionWithoutScriptControl : public ProgramTest
{
  protected:
    void SetUp() override
    {
        if (!ScriptControlDisabledRun())
            GTEST_SKIP() << "runs only with the script control disabled";
        StartProgram();
    }

    // Nothing but the main window is on screen: no message box, no error window.
    bool OnlyTheMainWindowIsVisible() const
    {
        for (HWND window : e2e::TopLevelWindows(m_program->ProcessId()))
            if (window != m_main && IsWindowVisible(window))
                return false;
        return true;
    }
};

TEST_F(ConversionWithoutScriptControl, TheResultBoxIsEmptiedSilently)
{
    SetWindowTextW(Control(kResultBox), L"an earlier link");
    ASSERT_NO_FATAL_FAILURE(TypeNumber(L"123456"));
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(ResultBecomes(L""));
    ASSERT_TRUE(e2e::Sync(m_main));
    EXPECT_TRUE(OnlyTheMainWindowIsVisible());

    SetWindowTextW(Control(kResultBox), L"typed by the user");
    ClickCentreOf(Control(kConvertButton));
    EXPECT_TRUE(ResultBecomes(L""));
    ASSERT_TRUE(e2e::Sync(m_main));
    EXPECT_TRUE(OnlyTheMainWindowIsVisible());
    EXPECT_TRUE(m_program->IsRunning());
}
} // namespace
