// Hands the built link script, and the tests' own expected links, to a host-side ECMAScript
// engine. "script" writes the script's bytes exactly as the program holds them; "expected"
// writes one JSON line per group number: the number (every UTF-16 unit escaped) and the link
// the tests' own implementation expects for it.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "convert/link_script.h"
#include "tests/common/expected_link.h"
#include "tests/common/typed_numbers.h"

namespace
{
// Inputs beyond the typed ones whose links the script engine must agree on with the tests' own
// implementation: code units of every digit count, control characters, surrogates, length.
const std::wstring kMoreNumbers[] = {
    L"123456",
    L"\u0100\u0FFF\u1000\uFFFF",
    std::wstring(1, L'\0') + L"\x01\x0F\x10\x7F\x80\xFF", // one-digit units get their zero
    L"\n\r\t",
    L"\xD83D\xDE00", // a surrogate pair: two code units
    L"\xD800",       // a lone surrogate
    std::wstring(5000, L'9'),
};

void WriteJsonString(const std::wstring& text)
{
    std::fputc('"', stdout);
    for (wchar_t unit : text)
        std::printf("\\u%04x", static_cast<unsigned>(unit) & 0xFFFFu);
    std::fputc('"', stdout);
}

void PrintExpected(const std::wstring& number)
{
    std::fputs("{\"number\":", stdout);
    WriteJsonString(number);
    std::printf(",\"link\":\"%s\"}\n", expected::Link(number).c_str());
}

void PrintAllExpected()
{
    for (const std::wstring& number : expected::kTypedNumbers)
        PrintExpected(number);
    for (const std::wstring& number : kMoreNumbers)
        PrintExpected(number);
}
} // namespace

int main(int argc, char** argv)
{
    // No CR may be added to the script's line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 2 && std::strcmp(argv[1], "script") == 0)
        std::fwrite(kLinkScript, 1, kLinkScriptLength, stdout);
    else if (argc == 2 && std::strcmp(argv[1], "expected") == 0)
        PrintAllExpected();
    else
    {
        std::fputs("usage: print_link_script script|expected\n", stderr);
        return 2;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
