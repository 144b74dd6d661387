#include "convert/ansi_text.h"

#include "app/fatal.h"
#include "app/texts.h"

UniqueBstr AnsiToBstr(const char* text)
{
    // The length counts the terminator, so the converted text ends in a NUL too. A text the
    // code page cannot read stands as the empty one.
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    UniqueBstr wide(units > 0 ? SysAllocStringLen(nullptr, static_cast<UINT>(units - 1)) : SysAllocString(L""));
    if (!wide)
        FatalExit(kOutOfMemoryText);
    if (units > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.get(), units);
    return wide;
}

HeapText BstrToAnsi(BSTR text)
{
    const int units = static_cast<int>(SysStringLen(text));
    if (units == 0)
        return AllocateText(0);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return nullptr;
    HeapText ansi = AllocateText(static_cast<std::size_t>(bytes));
    WideCharToMultiByte(CP_ACP, 0, text, units, ansi.get(), bytes, nullptr, nullptr);
    return ansi;
}
