#include "app/heap_text.h"

#include <new>

#include "app/fatal.h"
#include "app/texts.h"

HeapText AllocateText(std::size_t length)
{
    if (length >= static_cast<std::size_t>(-1) / 2)
        FatalExit(kOutOfMemoryText);
    HeapText text(new (std::nothrow) char[length + 1]());
    if (!text)
        FatalExit(kOutOfMemoryText);
    return text;
}
