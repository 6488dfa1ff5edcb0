#pragma once
// Owners for COM: interface pointers, CoTaskMem blocks and the thread's COM initialisation.
// Release order is declaration order reversed, so declare the initialisation before the
// interfaces, and an interface obtained from another after that other.
#include "WHandle.h"

#include <objbase.h>

#include <utility>

// One reference to a COM interface: released by the destructor, moved but never copied.
template <class Interface> class WComPtr {
public:
    WComPtr() = default;
    // Adopts a reference the caller already owns (no AddRef).
    explicit WComPtr(Interface* adopted) : interface_(adopted) {}
    WComPtr(const WComPtr&) = delete;
    WComPtr& operator=(const WComPtr&) = delete;
    WComPtr(WComPtr&& other) noexcept : interface_(std::exchange(other.interface_, nullptr)) {}
    WComPtr& operator=(WComPtr&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.interface_, nullptr));
        return *this;
    }
    ~WComPtr() { Reset(); }

    Interface* Get() const { return interface_; }
    Interface* operator->() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }

    void Reset(Interface* adopted = nullptr) {
        if (Interface* old = std::exchange(interface_, adopted))
            old->Release();
    }
    // For the `void**` out-parameter of CoCreateInstance and QueryInterface: releases what is
    // held, then lets the call store its new reference here.
    void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&interface_);
    }

private:
    Interface* interface_ = nullptr;
};

template <class T> struct WCoTaskMemTraits {
    using Handle = T*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle block) { CoTaskMemFree(block); }
};

// A block the shell or COM allocated for the caller (an item-ID list, a string).
template <class T> using WCoTaskMemPtr = WUniqueHandle<WCoTaskMemTraits<T>>;

// CoInitialize for the lifetime of the object. Only an initialisation that succeeded (S_OK, or
// S_FALSE when the thread already had one) is undone; after RPC_E_CHANGED_MODE or any other
// failure the thread's COM state is left as it was.
class WComInitialization {
public:
    WComInitialization() : result_(CoInitialize(nullptr)) {}
    WComInitialization(const WComInitialization&) = delete;
    WComInitialization& operator=(const WComInitialization&) = delete;
    ~WComInitialization() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }

    HRESULT GetResult() const { return result_; }

private:
    HRESULT result_;
};
