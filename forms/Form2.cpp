#include "Form2.h"

#include "CloseRule.h"
#include "resource.h"

std::unique_ptr<Form2> BackdropReference;

namespace {
// The title would crowd a screen this narrow.
constexpr int kTitlelessScreenWidth = 640;
} // namespace

__Form2_Base::__Form2_Base() {
    AddEventHandler(WEventID::Create, this, &__Form2_Base::HandleCreate);
    AddEventHandler(WEventID::Close, this, &__Form2_Base::HandleClose);
    AddEventHandler(WEventID::Destroy, this, &__Form2_Base::HandleDestroy);
}

__Form2_Base::~__Form2_Base() {
    // Destroyed here, while HandleDestroy can still run.
    Destroy();
    RemoveEventHandler(WEventID::Create, this, &__Form2_Base::HandleCreate);
    RemoveEventHandler(WEventID::Close, this, &__Form2_Base::HandleClose);
    RemoveEventHandler(WEventID::Destroy, this, &__Form2_Base::HandleDestroy);
}

Form2::~Form2() = default;

void __Form2_Base::SetTabOrder() {
    const HWND order[] = {label_1->GetHandle()};
    WForm::SetTabOrder(1, order);
}

bool __Form2_Base::HandleCreate(WObject*, WEventData*) {
    Centre();
    label_1 = std::make_unique<WLabel>();
    SetFont("8.MS Sans Serif", true);
    SetBackgroundColor(WColor::FromIndex(6));
    SetName("Form2");
    label_1->BindToDialogItem(*this, IDC_BACKDROP_TITLE);
    label_1->SetFont("18.Arial.Bold.Italic", true);
    label_1->SetTextColor(WColor::FromIndex(8));
    label_1->SetAutoSize(true);
    label_1->SetName("label_1");
    SetTabOrder();
    SetTopmost(false);
    SetStackingPosition(1);
    if (GetScreenRectangle().width == kTitlelessScreenWidth)
        label_1->SetVisible(false);
    SetVisible(true);
    return false;
}

bool __Form2_Base::HandleClose(WObject*, WEventData*) { return ApplyCloseRule(*this); }

bool __Form2_Base::HandleDestroy(WObject*, WEventData*) {
    label_1.reset();
    return false;
}
