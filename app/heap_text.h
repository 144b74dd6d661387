#pragma once

#include <cstddef>
#include <memory>

// A NUL-terminated ANSI text in a heap block of its own; whoever holds it owns it.
// An empty pointer stands for "no text".
using HeapText = std::unique_ptr<char[]>;

// A block for `length` characters plus the NUL, zero-filled. Running out of memory is fatal.
HeapText AllocateText(std::size_t length);
