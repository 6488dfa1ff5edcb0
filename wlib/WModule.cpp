#include "WModule.h"

bool WModule::LoadResourceToBuffer(const WResourceID& name, WBuffer& buffer) const {
    HRSRC info = FindResourceA(handle_, name.Get(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info)
        return false;
    const DWORD size = SizeofResource(handle_, info);
    if (size == 0) {
        buffer.Empty();
        return true;
    }
    HGLOBAL loaded = LoadResource(handle_, info);
    if (!loaded) {
        buffer.Empty();
        return true;
    }
    if (const void* bytes = LockResource(loaded))
        buffer.Assign(bytes, size);
    else
        buffer.Empty();
    FreeResource(loaded);
    return true;
}
