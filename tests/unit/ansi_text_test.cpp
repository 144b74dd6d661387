// Texts cross the automation boundary through the ANSI code page, 936 in these runs.
#include "convert/ansi_text.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct TextCase
{
    const char* ansi;
    const wchar_t* wide;
};

// Code page 936 bytes and the UTF-16 text they stand for.
const TextCase kTexts[] = {
    {"", L""},
    {"123456", L"123456"},
    {"\xC8\xBA", L"\u7FA4"}, // 群
    {"\xA8\xA1", L"\u0101"}, // ā
    {"a\xC8\xBA"
     "1\xA8\xA1\"\\",
     L"a\u7FA41\u0101\"\\"},
};

TEST(AnsiText, ConvertsThroughTheAnsiCodePageBothWays)
{
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the Chinese ANSI code page";
    for (const TextCase& c : kTexts)
    {
        const UniqueBstr wide = AnsiToBstr(c.ansi);
        ASSERT_TRUE(wide) << c.ansi;
        EXPECT_EQ(std::wstring(wide.get(), SysStringLen(wide.get())), c.wide) << c.ansi;

        const UniqueBstr source(SysAllocString(c.wide));
        const HeapText ansi = BstrToAnsi(source.get());
        ASSERT_TRUE(ansi) << c.ansi;
        EXPECT_STREQ(ansi.get(), c.ansi);
    }
}

TEST(AnsiText, ANullBstrIsTheEmptyText)
{
    const HeapText ansi = BstrToAnsi(nullptr);
    ASSERT_TRUE(ansi);
    EXPECT_STREQ(ansi.get(), "");
}
} // namespace
