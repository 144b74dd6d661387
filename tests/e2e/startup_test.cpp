#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace
{
using e2e::Program;

TEST(Startup, NoticeIsUpWhileTheMainWindowIsHiddenThenTheWindowIsShown)
{
    Program program(e2e::BesideTests(L"qqgrouplink.exe"));
    ASSERT_TRUE(program.Started());
    HWND notice = program.WaitForNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(e2e::WindowText(notice), L"信息：");

    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the main window exists while the notice is up";
    EXPECT_FALSE(IsWindowVisible(main));

    ASSERT_TRUE(program.DismissNotice(notice));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_EQ(e2e::WindowText(main), L"VantorelQ群转换链接工具");

    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}
}  // namespace
