#include "WBuffer.h"

void WBuffer::Assign(const void* data, std::size_t size) {
    const auto* first = static_cast<const unsigned char*>(data);
    if (!first || size == 0) {
        Empty();
        return;
    }
    bytes_.assign(first, first + size);
}
