#pragma once

#include <cstddef>

// The JScript text that defines the join-group link: `e` hex-encodes a string and
// `tencent(n, t)` builds the link for group number `n`. Loaded anew into every script engine.
extern const char kLinkScript[];
extern const std::size_t kLinkScriptLength; // in bytes, without the terminating NUL
