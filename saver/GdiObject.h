#pragma once
#include <utility>
#include <windows.h>

// Owns a GDI object (pen, brush, bitmap, font). The object must not be selected into a DC
// when this is destroyed; the owners of DCs restore what they selected first.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_)
            DeleteObject(std::exchange(handle_, nullptr));
    }

private:
    Handle handle_ = nullptr;
};
