#pragma once

// Group numbers the end-to-end tests type into the program. The host-side check hands the same
// list to a real ECMAScript engine, so the links the tests expect for them are checked against
// the link script itself.

#include <string>

namespace expected
{
inline const std::wstring kTypedNumbers[] = {
    L"", // an empty box still gives a link
    L"0123",
    L"-42",
    L" 12 34 ",
    L"abc",
    L"\"'\\",
    // Were the number spliced into code, these would change the link or break the call.
    L"'); x = 1; ('",
    L"\" + e(\"x\") + \"",
    L"\u7FA4", // 群, typeable in code page 936: four hex digits
    L"\u0101", // ā, also in code page 936: three hex digits
    L"12\u7FA4 34",
};
} // namespace expected
