// The script engine as the conversion command uses it: one whole run per link, the group number
// passed to the script control as data, texts through the ANSI code page (936 in these runs).
#include "convert/script_engine.h"

#include <string>

#include "tests/common/expected_link.h"
#include "tests/unit/ole_fixture.h"

namespace
{
class BuildGroupLinkTest : public OleTest
{
  protected:
    void SetUp() override
    {
        if (ScriptControlDisabledRun())
            GTEST_SKIP() << "needs the script control";
        OleTest::SetUp();
    }
};

std::string LinkOf(const char* groupNumber)
{
    const HeapText link = BuildGroupLink(groupNumber);
    return link ? std::string(link.get()) : std::string("<no link>");
}

TEST_F(BuildGroupLinkTest, WorkedExample)
{
    EXPECT_EQ(
        LinkOf("123456"),
        "tencent://groupwpa/?subcmd=all&fuin=undefined&param=7B22457874506172616D223A7B226170704964223A20223231227D2C"
        "2267726F757055696E223A3132333435362C2276697369746F72223A317D");
}

struct NumberCase
{
    const char* ansi;       // the box's text, in code page 936
    const wchar_t* asTyped; // the same text as the user sees it
};

TEST_F(BuildGroupLinkTest, TheNumberIsCopiedIntoThePayloadUnchanged)
{
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the Chinese ANSI code page";
    const NumberCase cases[] = {
        {"", L""},
        {"0123", L"0123"},
        {"-42", L"-42"},
        {" 12 34 ", L" 12 34 "},
        {"abc", L"abc"},
        {"1e3", L"1e3"},
        {"\"'\\", L"\"'\\"},
        // Were the number spliced into code, these would change the link or break the call.
        {"'); x = 1; ('", L"'); x = 1; ('"},
        {"\" + e(\"x\") + \"", L"\" + e(\"x\") + \""},
        {"1,\"visitor\":2}//", L"1,\"visitor\":2}//"},
        {"\\u0041\\x41", L"\\u0041\\x41"},
        {"\xC8\xBA", L"\u7FA4"}, // 群: four hex digits
        {"\xA8\xA1", L"\u0101"}, // ā: three hex digits
        {"12\xC8\xBA"
         "34",
         L"12\u7FA434"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(LinkOf(c.ansi), expected::Link(c.asTyped)) << "group number [" << c.ansi << "]";
}

TEST_F(BuildGroupLinkTest, AVeryLongNumberArrivesWhole)
{
    std::string number;
    for (int i = 0; i < 300000; ++i)
        number += static_cast<char>('0' + (i * 7 + i / 10) % 10);
    const ULONGLONG start = GetTickCount64();
    const std::string link = LinkOf(number.c_str());
    RecordProperty("milliseconds", std::to_string(GetTickCount64() - start));
    EXPECT_EQ(link.size(), expected::Link(std::wstring(number.begin(), number.end())).size());
    EXPECT_TRUE(link == expected::Link(std::wstring(number.begin(), number.end())))
        << "the link for the 300,000-digit number differs";
}

TEST_F(BuildGroupLinkTest, OneEngineRunsAgainAndAfterReleaseGivesNoText)
{
    LinkScriptEngine engine;
    const HeapText first = engine.Run("10001");
    const HeapText second = engine.Run("10001");
    ASSERT_TRUE(first && second);
    EXPECT_STREQ(first.get(), second.get());
    EXPECT_STREQ(first.get(), expected::Link(L"10001").c_str());
    // A null number counts as the empty one.
    const HeapText none = engine.Run(nullptr);
    ASSERT_TRUE(none);
    EXPECT_STREQ(none.get(), expected::Link(L"").c_str());

    engine.Release();
    EXPECT_EQ(engine.Run("10001"), nullptr);
}

// Run only where Wine starts with msscript.ocx disabled (a CTest entry of its own).
class ScriptControlMissing : public OleTest
{
  protected:
    void SetUp() override
    {
        if (!ScriptControlDisabledRun())
            GTEST_SKIP() << "runs only with the script control disabled";
        OleTest::SetUp();
    }
};

TEST_F(ScriptControlMissing, BuildGroupLinkGivesNoText)
{
    EXPECT_EQ(BuildGroupLink("123456"), nullptr);
    EXPECT_EQ(BuildGroupLink(""), nullptr);
    LinkScriptEngine engine;
    EXPECT_EQ(engine.Run("123456"), nullptr);
}
} // namespace
