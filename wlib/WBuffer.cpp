#include "WBuffer.h"

#include "WHeap.h"

#include <cstring>
#include <utility>

WBuffer::WBuffer(WBuffer&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}

WBuffer& WBuffer::operator=(WBuffer&& other) noexcept {
    std::swap(bytes_, other.bytes_);
    std::swap(size_, other.size_);
    return *this;
}

void WBuffer::Assign(const void* data, std::size_t size) {
    if (!data || size == 0) {
        Empty();
        return;
    }
    // A new block first: `data` may lie in the old one.
    auto* copy = static_cast<unsigned char*>(WResizeBlock(nullptr, size));
    std::memcpy(copy, data, size);
    Empty();
    bytes_ = copy;
    size_ = size;
}

void WBuffer::Empty() {
    WFreeBlock(bytes_);
    bytes_ = nullptr;
    size_ = 0;
}
