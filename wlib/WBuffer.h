#pragma once
#include <cstddef>
#include <vector>

// A private block of bytes. Size 0 and a null data pointer when it holds nothing.
class WBuffer {
public:
    WBuffer() = default;
    WBuffer(const void* data, std::size_t size) { Assign(data, size); }

    std::size_t GetSize() const { return bytes_.size(); }
    const unsigned char* GetData() const { return bytes_.empty() ? nullptr : bytes_.data(); }
    unsigned char* GetData() { return bytes_.empty() ? nullptr : bytes_.data(); }

    void Assign(const void* data, std::size_t size);
    void Empty() { std::vector<unsigned char>().swap(bytes_); }

private:
    std::vector<unsigned char> bytes_;
};
