#include "WBitmap.h"

WBitmap::WBitmap(const WResourceID& id, HMODULE module) {
    HINSTANCE source = module ? module : GetModuleHandleA(nullptr);
    bitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(source, id.Get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE WBitmap::GetSize() const {
    SIZE size = {0, 0};
    BITMAP info = {};
    if (bitmap_ && GetObjectA(bitmap_.Get(), sizeof info, &info)) {
        size.cx = info.bmWidth;
        size.cy = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
    return size;
}
