#include "convert/ansi_text.h"


#include "app/fatal.h"
#include "app/texts.h"

UniqueBstr AnsiToBstr(const char* text)
{
    // The length counts the terminator, so the converted text ends in a NUL too.
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0)
        return UniqueBstr(SysAllocString(L""));
    UniqueBstr wide(SysAllocStringLen(nullptr, static_cast<UINT>(units - 1)));
    if (!wide)
        FatalExit(kOutOfMemoryText);
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
