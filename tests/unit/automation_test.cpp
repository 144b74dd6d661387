// Late-bound calls on the real script control, and how each kind of failure comes back: as a
// failed HRESULT with an empty result, never as a crash or a half-filled result.
#include "convert/automation.h"

#include "convert/link_script.h"
#include "tests/common/expected_link.h"
#include "tests/unit/ole_fixture.h"

namespace
{
constexpr char kScriptControl[] = "ScriptControl";

class AutomationTest : public OleTest
{
  protected:
    void SetUp() override
    {
        if (ScriptControlDisabledRun())
            GTEST_SKIP() << "needs the script control";
        OleTest::SetUp();
    }
};

TEST_F(AutomationTest, TheScriptControlRunsTheLinkScriptByName)
{
    ComPtr<IUnknown> control;
    ASSERT_EQ(CreateObjectFromProgId(kScriptControl, control), S_OK);
    ASSERT_TRUE(control);
    Variant ignored;
    EXPECT_EQ(CallMember(control.Get(), L"Language", MemberCall::PropertyPut, {"JScript"}, VT_EMPTY, ignored), S_OK);
    EXPECT_EQ(CallMember(control.Get(), L"ExecuteStatement", MemberCall::Method, {kLinkScript}, VT_R8, ignored), S_OK);

    Variant link;
    ASSERT_EQ(CallMember(control.Get(), L"Run", MemberCall::Method, {"tencent", "77"}, VT_BSTR, link), S_OK);
    ASSERT_EQ((*link).vt, VT_BSTR);
    EXPECT_EQ(std::wstring((*link).bstrVal), expected::WideLink(L"77"));

    // The result is coerced to the type asked for.
    Variant number;
    ASSERT_EQ(CallMember(control.Get(), L"Eval", MemberCall::Method, {"6 * 7"}, VT_BSTR, number), S_OK);
    ASSERT_EQ((*number).vt, VT_BSTR);
    EXPECT_EQ(std::wstring((*number).bstrVal), L"42");
}

TEST_F(AutomationTest, ObjectsThatCannotBeMadeLeaveTheHolderAsItWas)
{
    for (const char* name : {"NoSuch.ProgramId", "{not a clsid}", "{00000000-0000-0000-0000-000000000000}", ""})
    {
        ComPtr<IUnknown> holder;
        EXPECT_TRUE(FAILED(CreateObjectFromProgId(name, holder))) << name;
        EXPECT_FALSE(holder) << name;
    }
}

TEST_F(AutomationTest, FailedCallsLeaveTheResultEmpty)
{
    ComPtr<IUnknown> control;
    ASSERT_EQ(CreateObjectFromProgId(kScriptControl, control), S_OK);

    const auto expectFailure = [&](const wchar_t* name, MemberCall call, std::initializer_list<const char*> arguments,
                                   VARTYPE type, const char* why) {
        Variant result;
        result.SetBstr(UniqueBstr(SysAllocString(L"stale")));
        EXPECT_TRUE(FAILED(CallMember(control.Get(), name, call, arguments, type, result))) << why;
        EXPECT_EQ((*result).vt, VT_EMPTY) << why;
    };
    // Before the language is set and the script loaded there is no function tencent.
    expectFailure(L"Run", MemberCall::Method, {"tencent", "1"}, VT_BSTR, "no script loaded");
    expectFailure(L"NoSuchMember", MemberCall::Method, {}, VT_BSTR, "unknown member");
    expectFailure(L"Language", MemberCall::PropertyPut, {"NoSuchLanguage"}, VT_EMPTY, "unknown language");
    expectFailure(L"ExecuteStatement", MemberCall::Method, {"1", "2"}, VT_R8, "more arguments than declared");

    Variant ignored;
    ASSERT_EQ(CallMember(control.Get(), L"Language", MemberCall::PropertyPut, {"JScript"}, VT_EMPTY, ignored), S_OK);
    expectFailure(L"ExecuteStatement", MemberCall::Method, {"function ("}, VT_R8, "script that does not parse");
    expectFailure(L"Run", MemberCall::Method, {"tencent", "1"}, VT_BSTR, "function never defined");
    // A result that cannot become a number.
    expectFailure(L"Eval", MemberCall::Method, {"'not a number'"}, VT_R8, "result not coercible");

    Variant result;
    EXPECT_EQ(CallMember(nullptr, L"Run", MemberCall::Method, {"tencent", "1"}, VT_BSTR, result), E_POINTER);
    EXPECT_EQ((*result).vt, VT_EMPTY);
}
} // namespace
