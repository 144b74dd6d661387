#include "convert/script_engine.h"

#include "convert/ansi_text.h"
#include "convert/automation.h"
#include "convert/link_script.h"

namespace
{
constexpr char kScriptControlProgId[] = "ScriptControl";
constexpr char kScriptLanguage[] = "JScript";
constexpr char kLinkFunction[] = "tencent";
} // namespace

LinkScriptEngine::LinkScriptEngine()
{
    // Every step runs even when an earlier one failed; the calls on a missing object fail at
    // once, and Run then gives no text.
    CreateObjectFromProgId(kScriptControlProgId, m_scriptControl);
    Variant ignored;
    CallMember(m_scriptControl.Get(), L"Language", MemberCall::PropertyPut, {kScriptLanguage}, VT_EMPTY, ignored);
    CallMember(m_scriptControl.Get(), L"ExecuteStatement", MemberCall::Method, {kLinkScript}, VT_R8, ignored);
}

HeapText LinkScriptEngine::Run(const char* groupNumber)
{
    Variant link;
    if (FAILED(CallMember(m_scriptControl.Get(), L"Run", MemberCall::Method,
                          {kLinkFunction, groupNumber ? groupNumber : ""}, VT_BSTR, link)))
        return nullptr;
    return BstrToAnsi((*link).bstrVal);
}

void LinkScriptEngine::Release()
{
    m_scriptControl.Reset();
}

HeapText BuildGroupLink(const char* groupNumber)
{
    LinkScriptEngine engine;
    return engine.Run(groupNumber);
}
