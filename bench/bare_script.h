#pragma once

#include "convert/com_types.h"

// The bare script-control sequence the program is measured against: create the
// control, set its language, load the link script, run tencent(groupNumber),
// release. Names are looked up with GetIDsOfNames; no type information, no
// coercion, no fallbacks. Needs OLE initialised on the calling thread. Returns
// the link, or none when the control gave none.
UniqueBstr RunLinkScriptBare(const wchar_t* groupNumber);
