#pragma once
#include <utility>

// Owns one reference to a COM interface.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For functions that hand out a new reference; releases the one held before.
    Interface** Receive() {
        Reset();
        return &pointer_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Reset() {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

private:
    Interface* pointer_ = nullptr;
};
