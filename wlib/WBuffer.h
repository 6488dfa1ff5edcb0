#pragma once
#include <cstddef>

// A private block of bytes. Size 0 and a null data pointer when it holds nothing.
class WBuffer {
public:
    WBuffer() = default;
    WBuffer(const void* data, std::size_t size) { Assign(data, size); }
    WBuffer(const WBuffer& other) : WBuffer(other.bytes_, other.size_) {}
    WBuffer(WBuffer&& other) noexcept;
    WBuffer& operator=(const WBuffer& other) {
        Assign(other.bytes_, other.size_);
        return *this;
    }
    WBuffer& operator=(WBuffer&& other) noexcept;
    ~WBuffer() { Empty(); }

    std::size_t GetSize() const { return size_; }
    const unsigned char* GetData() const { return bytes_; }
    unsigned char* GetData() { return bytes_; }

    void Assign(const void* data, std::size_t size);
    void Empty();

private:
    unsigned char* bytes_ = nullptr;
    std::size_t size_ = 0;
};
