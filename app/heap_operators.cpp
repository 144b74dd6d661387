// The program's new and delete, straight on the process heap. The C++ runtime's nothrow new
// wraps its throwing new in a try block, and linking it statically would bring the whole
// exception runtime into an executable that never throws. Running out of memory in a
// throwing new is fatal, as it is everywhere else in the program.

#include <windows.h>

#include <cstddef>
#include <new>

#include "app/fatal.h"
#include "app/texts.h"

namespace
{
void* Allocate(std::size_t size) noexcept
{
    // HeapAlloc may give null for a zero-byte block; new must give a unique pointer.
    return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

void Free(void* block) noexcept
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

void* AllocateOrExit(std::size_t size) noexcept
{
    void* block = Allocate(size);
    if (!block)
        FatalExit(kOutOfMemoryText);
    return block;
}
} // namespace

void* operator new(std::size_t size)
{
    return AllocateOrExit(size);
}

void* operator new[](std::size_t size)
{
    return AllocateOrExit(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void operator delete(void* block) noexcept
{
    Free(block);
}

void operator delete[](void* block) noexcept
{
    Free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    Free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    Free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    Free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    Free(block);
}
