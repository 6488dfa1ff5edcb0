#pragma once
#include <objbase.h>

// COM for the current thread while this lives; uninitialises only if it initialised.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialized_)
            CoUninitialize();
    }

private:
    bool initialized_;
};
