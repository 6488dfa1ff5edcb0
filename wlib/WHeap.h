#pragma once
// Heap blocks for the library's own strings, buffers and arrays. Running out of memory ends
// the program, as the standard containers did: no caller could do anything better.
#include <cstddef>

// Resizes `block` (null: a new one) to `size` bytes, contents kept up to the smaller size.
// Size 0 frees the block and returns null.
void* WResizeBlock(void* block, std::size_t size);
// Room for `count` elements of `elementSize` bytes; a product that overflows ends the program.
void* WResizeBlock(void* block, std::size_t count, std::size_t elementSize);
void WFreeBlock(void* block);
