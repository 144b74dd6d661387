#pragma once

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Each test gets the single-threaded apartment the program's UI thread runs in.
class OleTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

// Set only by the test run that starts Wine with the script control disabled.
inline bool ScriptControlDisabledRun()
{
    const char* marker = std::getenv("QQLINK_TEST_NO_SCRIPT_CONTROL");
    return marker && std::string(marker) == "1";
}
