#pragma once

#include "app/heap_text.h"
#include "convert/com_types.h"

// Texts cross the automation boundary as UTF-16 BSTRs, converted with the ANSI code page both
// ways. Running out of memory for a copy is fatal.

UniqueBstr AnsiToBstr(const char* text);
HeapText BstrToAnsi(BSTR text);
