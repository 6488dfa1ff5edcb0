#include "WButton.h"

void WButton::SetState(bool pushed) {
    if (Exists())
        SendMessageA(GetHandle(), BM_SETSTATE, pushed ? TRUE : FALSE, 0);
}

bool WButton::HandleNotification(WORD code) {
    if (code != BN_CLICKED)
        return false;
    WEventData data;
    return FireEvent(WEventID::Click, this, &data);
}
