#include "convert/link_script.h"

// Lines end in a bare line feed; the leading spaces are part of the text.
// clang-format off
const char kLinkScript[] =
    "var e = function (e)\n"
    "{\n"
    "    for (var t, n = \"\", o = 0, r = e.length; r > o; ) {\n"
    "        for (t = e.charCodeAt(o++).toString(16); t.length < 2; ) {\n"
    "            t = \"0\" + t;\n"
    "        }\n"
    "        n += t\n"
    "    }\n"
    "    return n.toUpperCase()\n"
    "}\n"
    "function tencent(n, t)\n"
    "{\n"
    "    var o = '{\"ExtParam\":{\"appId\": \"21\"},\"groupUin\":' + n + ',\"visitor\":1}', r = "
    "\"tencent://groupwpa/?subcmd=all&fuin=\" + t + \"&param=\" + e(o);\n"
    "    return r;\n"
    "}\n";
// clang-format on

const std::size_t kLinkScriptLength = sizeof(kLinkScript) - 1;

static_assert(sizeof(kLinkScript) - 1 == 416, "the link script is 416 bytes");
