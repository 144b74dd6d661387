#pragma once

// The tests' own account of the join-group link, written from its definition and not from the
// program's code: the payload around the group number, each UTF-16 code unit in lower-case hex
// without leading zeros, padded to at least two digits, the whole upper-cased, behind the fixed
// prefix and the visitor value "undefined".

#include <string>

namespace expected
{
static_assert(sizeof(wchar_t) == 2, "wide strings hold UTF-16 code units");

inline constexpr char kLinkPrefix[] = "tencent://groupwpa/?subcmd=all&fuin=";
inline constexpr char kVisitorValue[] = "undefined";
inline constexpr char kParamSeparator[] = "&param=";
inline constexpr wchar_t kPayloadHead[] = L"{\"ExtParam\":{\"appId\": \"21\"},\"groupUin\":";
inline constexpr wchar_t kPayloadTail[] = L",\"visitor\":1}";

// `unit` in lower-case hex, no leading zeros, then "0" in front while shorter than two digits.
inline std::string UnitHex(wchar_t unit)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    unsigned value = static_cast<unsigned>(unit) & 0xFFFFu;
    std::string digits;
    do
    {
        digits.insert(digits.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    while (digits.size() < 2)
        digits.insert(digits.begin(), '0');
    return digits;
}

inline std::string HexOfUnits(const std::wstring& text)
{
    std::string hex;
    for (wchar_t unit : text)
        hex += UnitHex(unit);
    for (char& digit : hex)
        if (digit >= 'a' && digit <= 'f')
            digit = static_cast<char>(digit - 'a' + 'A');
    return hex;
}

inline std::wstring Payload(const std::wstring& groupNumber)
{
    return kPayloadHead + groupNumber + kPayloadTail;
}

inline std::string Link(const std::wstring& groupNumber)
{
    return std::string(kLinkPrefix) + kVisitorValue + kParamSeparator + HexOfUnits(Payload(groupNumber));
}

inline std::wstring WideLink(const std::wstring& groupNumber)
{
    const std::string link = Link(groupNumber);
    return std::wstring(link.begin(), link.end()); // the link is ASCII
}
} // namespace expected
