#pragma once
// Owners for Win32 handles. Every handle the library creates has exactly one owner: copying is
// deleted, moving transfers with std::exchange, and the destructor releases. Borrowed handles
// (a cursor SetCursor hands back, a dialog item's HWND) are kept as plain values instead.
#include <windows.h>

#include <utility>

template <class Traits> class WUniqueHandle {
public:
    using Handle = typename Traits::Handle;

    WUniqueHandle() = default;
    explicit WUniqueHandle(Handle handle) : handle_(handle) {}
    WUniqueHandle(const WUniqueHandle&) = delete;
    WUniqueHandle& operator=(const WUniqueHandle&) = delete;
    WUniqueHandle(WUniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    WUniqueHandle& operator=(WUniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, Traits::Invalid()));
        return *this;
    }
    ~WUniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    [[nodiscard]] Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct WGdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

template <class H> struct WTypedGdiTraits {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

struct WIconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};

struct WKernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};

struct WFileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};

struct WRegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};

struct WModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};

using WFontHandle = WUniqueHandle<WTypedGdiTraits<HFONT>>;
using WBrushHandle = WUniqueHandle<WTypedGdiTraits<HBRUSH>>;
using WBitmapHandle = WUniqueHandle<WTypedGdiTraits<HBITMAP>>;
using WIconHandle = WUniqueHandle<WIconTraits>;
using WKernelHandle = WUniqueHandle<WKernelHandleTraits>;
using WFileHandle = WUniqueHandle<WFileHandleTraits>;
using WRegistryKeyHandle = WUniqueHandle<WRegistryKeyTraits>;
using WLibraryHandle = WUniqueHandle<WModuleTraits>;
