#include "convert/automation.h"

#include "convert/ansi_text.h"

namespace
{
// No call of the program passes more than two arguments; a fixed array keeps them off the heap.
constexpr std::size_t kMaxArguments = 2;

// What a member name bound to: its id and, for a function, how many parameters it declares.
struct BoundMember
{
    MEMBERID id = MEMBERID_NIL;
    WORD invokeKind = 0;
    int declaredParameters = 0;
    bool takesParameterArray = false;
};

// Binding order: the kind asked for first, then the others that could still serve.
constexpr WORD kMethodOrder[] = {INVOKE_FUNC, INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF};
constexpr WORD kPropertyPutOrder[] = {INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF, INVOKE_FUNC};

// Releases whatever ITypeComp::Bind handed out.
class BindResult
{
  public:
    ~BindResult()
    {
        switch (kind)
        {
        case DESCKIND_FUNCDESC:
            if (info)
                info->ReleaseFuncDesc(pointer.lpfuncdesc);
            break;
        case DESCKIND_VARDESC:
        case DESCKIND_IMPLICITAPPOBJ: // also hands out a variable description
            if (info)
                info->ReleaseVarDesc(pointer.lpvardesc);
            break;
        case DESCKIND_TYPECOMP:
            pointer.lptcomp->Release();
            break;
        default:
            break;
        }
    }

    ComPtr<ITypeInfo> info;
    DESCKIND kind = DESCKIND_NONE;
    BINDPTR pointer = {};
};

bool TryBind(ITypeComp* typeComp, const wchar_t* name, ULONG hash, WORD invokeKind, BoundMember& member)
{
    BindResult bound;
    // Bind does not change the name; its parameter is merely declared non-const.
    if (FAILED(typeComp->Bind(const_cast<LPOLESTR>(name), hash, invokeKind, bound.info.Put(), &bound.kind,
                              &bound.pointer)))
        return false;
    if (bound.kind == DESCKIND_FUNCDESC)
    {
        member.id = bound.pointer.lpfuncdesc->memid;
        member.declaredParameters = bound.pointer.lpfuncdesc->cParams;
        member.takesParameterArray = bound.pointer.lpfuncdesc->cParamsOpt == -1;
    }
    else if (bound.kind == DESCKIND_VARDESC)
    {
        member.id = bound.pointer.lpvardesc->memid;
        member.declaredParameters = invokeKind == INVOKE_PROPERTYGET ? 0 : 1;
    }
    else
    {
        return false;
    }
    member.invokeKind = invokeKind;
    return true;
}

HRESULT BindMember(IDispatch* dispatch, const wchar_t* name, MemberCall call, LCID locale, BoundMember& member)
{
    ComPtr<ITypeInfo> typeInfo;
    HRESULT hr = dispatch->GetTypeInfo(0, locale, typeInfo.Put());
    if (FAILED(hr))
        return hr;
    if (!typeInfo)
        return E_NOINTERFACE;
    ComPtr<ITypeComp> typeComp;
    hr = typeInfo->GetTypeComp(typeComp.Put());
    if (FAILED(hr))
        return hr;
    if (!typeComp)
        return E_NOINTERFACE;

    const ULONG hash = LHashValOfNameSys(SYS_WIN32, locale, name);
    if (call == MemberCall::Method)
    {
        for (WORD kind : kMethodOrder)
            if (TryBind(typeComp.Get(), name, hash, kind, member))
                return S_OK;
    }
    else
    {
        for (WORD kind : kPropertyPutOrder)
            if (TryBind(typeComp.Get(), name, hash, kind, member))
                return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
} // namespace

HRESULT CreateObjectFromProgId(const char* progId, ComPtr<IUnknown>& holder)
{
    const UniqueBstr name = AnsiToBstr(progId);
    CLSID clsid;
    HRESULT hr = name.get()[0] == L'{' ? CLSIDFromString(name.get(), &clsid) : CLSIDFromProgID(name.get(), &clsid);
    if (FAILED(hr))
        return hr;

    ComPtr<IUnknown> object;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, object.PutVoid());
    // Some systems reject CLSCTX_ALL outright; the classic contexts still work there.
    if (hr == E_INVALIDARG)
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                              IID_IUnknown, object.PutVoid());
    if (FAILED(hr))
        return hr;
    if (!object)
        return E_NOINTERFACE;

    hr = OleRun(object.Get());
    if (FAILED(hr))
        return hr;

    holder = std::move(object);
    return S_OK;
}

HRESULT CallMember(IUnknown* object, const wchar_t* name, MemberCall call, std::initializer_list<const char*> arguments,
                   VARTYPE resultType, Variant& result)
{
    VariantClear(result.Get());
    if (!object)
        return E_POINTER;
    ComPtr<IDispatch> dispatch;
    HRESULT hr = object->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    if (FAILED(hr))
        return hr;
    if (!dispatch)
        return E_NOINTERFACE;

    const LCID locale = GetUserDefaultLCID();
    BoundMember member;
    hr = BindMember(dispatch.Get(), name, call, locale, member);
    if (FAILED(hr))
        return hr;
    if (static_cast<int>(arguments.size()) > member.declaredParameters && !member.takesParameterArray)
        return DISP_E_BADPARAMCOUNT;

    if (arguments.size() > kMaxArguments)
        return DISP_E_BADPARAMCOUNT;

    // Invoke takes its arguments last-first.
    Variant owned[kMaxArguments];
    VARIANT reversed[kMaxArguments] = {};
    std::size_t slot = arguments.size();
    std::size_t index = 0;
    for (const char* argument : arguments)
    {
        owned[index].SetBstr(AnsiToBstr(argument ? argument : ""));
        reversed[--slot] = *owned[index];
        ++index;
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {reversed, nullptr, static_cast<UINT>(arguments.size()), 0};
    const bool isPut = member.invokeKind == INVOKE_PROPERTYPUT || member.invokeKind == INVOKE_PROPERTYPUTREF;
    if (isPut)
    {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }

    Variant returned;
    hr = dispatch->Invoke(member.id, IID_NULL, locale, member.invokeKind, &parameters, isPut ? nullptr : returned.Get(),
                          nullptr, nullptr);
    if (FAILED(hr))
        return hr;
    if (isPut)
        return S_OK;
    hr = VariantChangeType(result.Get(), returned.Get(), 0, resultType);
    // A failed coercion must not leave a partly converted value behind.
    if (FAILED(hr))
        VariantClear(result.Get());
    return hr;
}
