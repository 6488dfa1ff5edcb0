#include "WHeap.h"

#include <cstdlib>

void* WResizeBlock(void* block, std::size_t size) {
    if (size == 0) {
        std::free(block);
        return nullptr;
    }
    void* resized = std::realloc(block, size);
    if (!resized)
        std::abort();
    return resized;
}

void* WResizeBlock(void* block, std::size_t count, std::size_t elementSize) {
    if (elementSize != 0 && count > static_cast<std::size_t>(-1) / elementSize)
        std::abort();
    return WResizeBlock(block, count * elementSize);
}

void WFreeBlock(void* block) { std::free(block); }
