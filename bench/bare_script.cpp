#include "bench/bare_script.h"

#include "convert/link_script.h"

namespace
{
HRESULT CallByName(IDispatch* control, const wchar_t* name, WORD flags, VARIANT* arguments, UINT count, VARIANT* result)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    DISPID putId = DISPID_PROPERTYPUT;
    const bool isPut = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS parameters = {arguments, isPut ? &putId : nullptr, count, isPut ? 1u : 0u};
    return control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

VARIANT BstrArgument(BSTR text)
{
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text;
    return argument;
}

UniqueBstr ScriptText()
{
    const int units = MultiByteToWideChar(CP_ACP, 0, kLinkScript, -1, nullptr, 0);
    UniqueBstr text(SysAllocStringLen(nullptr, static_cast<UINT>(units - 1)));
    if (text)
        MultiByteToWideChar(CP_ACP, 0, kLinkScript, -1, text.get(), units);
    return text;
}
} // namespace

UniqueBstr RunLinkScriptBare(const wchar_t* groupNumber)
{
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"ScriptControl", &clsid)))
        return nullptr;
    ComPtr<IDispatch> control;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.PutVoid())))
        return nullptr;

    const UniqueBstr language(SysAllocString(L"JScript"));
    VARIANT languageArgument = BstrArgument(language.get());
    CallByName(control.Get(), L"Language", DISPATCH_PROPERTYPUT, &languageArgument, 1, nullptr);

    const UniqueBstr script = ScriptText();
    VARIANT scriptArgument = BstrArgument(script.get());
    Variant ignored;
    CallByName(control.Get(), L"ExecuteStatement", DISPATCH_METHOD, &scriptArgument, 1, ignored.Get());

    // Invoke takes its arguments last-first.
    const UniqueBstr function(SysAllocString(L"tencent"));
    const UniqueBstr number(SysAllocString(groupNumber));
    VARIANT runArguments[] = {BstrArgument(number.get()), BstrArgument(function.get())};
    Variant link;
    if (FAILED(CallByName(control.Get(), L"Run", DISPATCH_METHOD, runArguments, 2, link.Get())) ||
        (*link).vt != VT_BSTR)
        return nullptr;
    UniqueBstr result((*link).bstrVal);
    link.Get()->vt = VT_EMPTY;
    return result;
}
