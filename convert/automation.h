#pragma once

#include <initializer_list>

#include "convert/com_types.h"

// Late-bound automation: objects made from a ProgID and members called by name through the
// object's type information.

// Creates and runs the object registered under `progId` (or a "{...}" CLSID string). On success
// whatever `holder` held before is released and replaced.
HRESULT CreateObjectFromProgId(const char* progId, ComPtr<IUnknown>& holder);

enum class MemberCall
{
    Method,
    PropertyPut,
};

// Calls the member `name` of `object` with ANSI text arguments passed as VT_BSTR, and coerces
// the result to `resultType`. On any failure `result` is left empty (VT_EMPTY). At most two
// arguments; more fail with DISP_E_BADPARAMCOUNT.
HRESULT CallMember(IUnknown* object, const wchar_t* name, MemberCall call, std::initializer_list<const char*> arguments,
                   VARTYPE resultType, Variant& result);
