#pragma once
// Owners for the handles the driver opens: one owner per handle, copies deleted, moves hand
// the handle over, the destructor releases it.
#include <windows.h>

#include <utility>

namespace e2e {

template <class T, class Traits> class Unique {
public:
    Unique() = default;
    explicit Unique(T handle) : handle_(handle) {}
    ~Unique() { Reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    [[nodiscard]] T Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    void Reset(T handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    T handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegistryKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct LibraryTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct DesktopTraits {
    static HDESK Invalid() { return nullptr; }
    static void Close(HDESK h) { CloseDesktop(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct ScreenDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ReleaseDC(nullptr, h); }
};
// Only for windows the driver process created itself (the reference dialog).
struct OwnWindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
using UniqueKey = Unique<HKEY, RegistryKeyTraits>;
using UniqueLibrary = Unique<HMODULE, LibraryTraits>;
using UniqueDesktop = Unique<HDESK, DesktopTraits>;
using UniqueGdiObject = Unique<HGDIOBJ, GdiObjectTraits>;
using UniqueMemoryDc = Unique<HDC, MemoryDcTraits>;
using UniqueScreenDc = Unique<HDC, ScreenDcTraits>;
using UniqueOwnWindow = Unique<HWND, OwnWindowTraits>;

} // namespace e2e
