#pragma once
#include "WBuffer.h"
#include "WResourceID.h"

#include <windows.h>

// A module whose resources are read. A null handle (the default) stands for the executable
// of the running process. The module is borrowed, never freed.
class WModule {
public:
    WModule() = default;
    explicit WModule(HMODULE handle) : handle_(handle) {}

    HMODULE GetHandle() const { return handle_; }

    // Copies the RT_RCDATA resource `name` into `buffer`. False, with the buffer untouched,
    // when there is no such resource. True otherwise; the buffer is then emptied when the
    // resource has size 0 or cannot be loaded or locked.
    bool LoadResourceToBuffer(const WResourceID& name, WBuffer& buffer) const;

private:
    HMODULE handle_ = nullptr;
};

// How forms name the module their templates come from; null means the program's own.
using WModuleHandle = HMODULE;
