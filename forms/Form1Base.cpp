#include "Form1.h"

#include <commctrl.h>

namespace {
// Handlers are Form1's operations; they only ever run on a complete Form1.
template <class Handler> auto AsBase(Handler handler) {
    return static_cast<bool (__Form1_Base::*)(WObject*, WEventData*)>(handler);
}

// The progress bar and rich edit window classes must exist before "ID_Form1" is created.
void RegisterControlClassesOnce() {
    static const bool registered = [] {
        InitCommonControls();
        auto probe = std::make_unique<WRichTextBox>();
        probe->GetWindowClass();
        return true;
    }();
    (void)registered;
}
} // namespace

__Form1_Base::__Form1_Base() {
    ConnectWindowEvents(true);
    RegisterControlClassesOnce();
}

__Form1_Base::~__Form1_Base() {
    Destroy();
    ConnectWindowEvents(false);
}

void __Form1_Base::ConnectWindowEvents(bool connect) {
    if (connect) {
        AddEventHandler(WEventID::Create, this, AsBase(&Form1::HandleCreate));
        AddEventHandler(WEventID::Close, this, AsBase(&Form1::HandleClose));
        AddEventHandler(WEventID::Destroy, this, AsBase(&Form1::HandleDestroy));
    } else {
        RemoveEventHandler(WEventID::Create, this, AsBase(&Form1::HandleCreate));
        RemoveEventHandler(WEventID::Close, this, AsBase(&Form1::HandleClose));
        RemoveEventHandler(WEventID::Destroy, this, AsBase(&Form1::HandleDestroy));
    }
}

void __Form1_Base::SetTabOrder() {
    const HWND order[] = {
        cb_1->GetHandle(),    cb_2->GetHandle(),    textb_1->GetHandle(),
        progb_1->GetHandle(), label_1->GetHandle(), pictb_1->GetHandle(),
        rtb_1->GetHandle(),   textb_2->GetHandle(), checkbox_2->GetHandle(),
    };
    WForm::SetTabOrder(static_cast<int>(sizeof order / sizeof order[0]), order);
}
