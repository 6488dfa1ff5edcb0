#pragma once
// A growable array of plain values (pointers, handles, small records), kept in one heap block.
#include "WHeap.h"

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

template <class T> class WArray {
    // Elements are moved and copied as bytes.
    static_assert(std::is_trivially_copyable_v<T>, "WArray holds plain values only");

public:
    WArray() = default;
    WArray(const T* first, std::size_t count) { Append(first, count); }
    WArray(const WArray& other) : WArray(other.items_, other.size_) {}
    WArray(WArray&& other) noexcept
        : items_(std::exchange(other.items_, nullptr)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    WArray& operator=(WArray other) noexcept {
        std::swap(items_, other.items_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        return *this;
    }
    ~WArray() { WFreeBlock(items_); }

    std::size_t GetSize() const { return size_; }
    bool IsEmpty() const { return size_ == 0; }
    T& operator[](std::size_t index) { return items_[index]; }
    const T& operator[](std::size_t index) const { return items_[index]; }
    T* begin() { return items_; }
    T* end() { return items_ + size_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + size_; }

    void Append(const T& item) { Append(&item, 1); }
    void Append(const T* first, std::size_t count) {
        if (count == 0)
            return;
        if (size_ + count > capacity_) {
            // The source may lie inside the block that is about to move.
            WArray grown;
            grown.Reserve(size_ + count > 2 * capacity_ ? size_ + count : 2 * capacity_);
            std::memcpy(static_cast<void*>(grown.items_), items_, size_ * sizeof(T));
            std::memcpy(static_cast<void*>(grown.items_ + size_), first, count * sizeof(T));
            grown.size_ = size_ + count;
            *this = std::move(grown);
            return;
        }
        std::memcpy(static_cast<void*>(items_ + size_), first, count * sizeof(T));
        size_ += count;
    }

    void RemoveAt(std::size_t index) {
        std::memmove(static_cast<void*>(items_ + index), items_ + index + 1,
                     (size_ - index - 1) * sizeof(T));
        --size_;
    }
    // Removes every element equal to `item`, keeping the order of the rest.
    void RemoveAll(const T& item) {
        const T unwanted = item; // `item` may be one of the elements
        std::size_t kept = 0;
        for (std::size_t i = 0; i < size_; ++i)
            if (!(items_[i] == unwanted))
                items_[kept++] = items_[i];
        size_ = kept;
    }
    bool Contains(const T& item) const {
        for (const T& each : *this)
            if (each == item)
                return true;
        return false;
    }

private:
    void Reserve(std::size_t capacity) {
        if (capacity <= capacity_)
            return;
        if (capacity < 4)
            capacity = 4;
        items_ = static_cast<T*>(WResizeBlock(items_, capacity, sizeof(T)));
        capacity_ = capacity;
    }

    T* items_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
