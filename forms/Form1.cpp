#include "Form1.h"

#include "CloseRule.h"
#include "Form2.h"
#include "MainWindow.h"
#include "resource.h"

Form1::Form1() = default;

Form1::~Form1() {
    // The window goes while the object is still a whole Form1, so HandleDestroy runs on it.
    Destroy();
}

bool Form1::HandleCreate(WObject*, WEventData*) {
    Centre();

    cb_1 = std::make_unique<WCommandButton>();
    cb_2 = std::make_unique<WCommandButton>();
    textb_1 = std::make_unique<WTextBox>();
    progb_1 = std::make_unique<WProgressBar>();
    label_1 = std::make_unique<WLabel>();
    pictb_1 = std::make_unique<WPictureBox>();
    rtb_1 = std::make_unique<WRichTextBox>();
    textb_2 = std::make_unique<WTextBox>();
    checkbox_2 = std::make_unique<WCheckBox>();

    SetIcon(IDI_TESSELLUX, IsMainWindow(this));
    SetFont("8.MS Sans Serif", true);
    SetName("Form1");

    cb_1->BindToDialogItem(*this, IDC_INSTALL);
    cb_2->BindToDialogItem(*this, IDC_CANCEL);
    textb_1->BindToDialogItem(*this, IDC_EXPLANATION);
    progb_1->BindToDialogItem(*this, IDC_PROGRESS);
    label_1->BindToDialogItem(*this, IDC_PROGRESS_CAPTION);
    pictb_1->BindToDialogItem(*this, IDC_PICTURE);
    rtb_1->BindToDialogItem(*this, IDC_README);
    textb_2->BindToDialogItem(*this, IDC_CREDITS);
    checkbox_2->BindToDialogItem(*this, IDC_DESKTOP_ICON);

    cb_1->SetDefault(true);
    cb_1->SetState(false);
    cb_1->SetName("cb_1");

    cb_2->SetState(false);
    cb_2->SetName("cb_2");

    textb_1->SetBackgroundColor(WColor::FromIndex(26));
    textb_1->SetTextColor(WColor::FromIndex(7));
    textb_1->SetName("textb_1");

    progb_1->SetPosition(0);
    progb_1->SetBarColor(WColor::FromIndex(6));
    progb_1->SetPercentageDisplay(true);
    progb_1->SetName("progb_1");

    label_1->SetAutoSize(true);
    label_1->SetName("label_1");

    pictb_1->SetBitmap(WBitmap(IDB_PICTURE));
    pictb_1->SetName("pictb_1");

    rtb_1->SetName("rtb_1");
    textb_2->SetName("textb_2");

    checkbox_2->SetAutoSize(true);
    checkbox_2->SetChecked(true);
    checkbox_2->SetName("checkbox_2");

    ConnectEvents(true);
    SetTabOrder();
    const bool result = SetupWindow();
    SetVisible(true);
    return result;
}

void Form1::ConnectEvents(bool connect) {
    if (connect) {
        cb_1->AddEventHandler(WEventID::Click, this, &Form1::cb_1_Click);
        cb_2->AddEventHandler(WEventID::Click, this, &Form1::cb_2_Click);
    } else {
        cb_1->RemoveEventHandler(WEventID::Click, this, &Form1::cb_1_Click);
        cb_2->RemoveEventHandler(WEventID::Click, this, &Form1::cb_2_Click);
    }
}

bool Form1::cb_2_Click(WObject*, WEventData*) {
    Close();
    return false;
}

bool Form1::HandleClose(WObject*, WEventData*) { return ApplyCloseRule(*this); }

bool Form1::HandleDestroy(WObject*, WEventData*) {
    if (BackdropReference) {
        BackdropReference->Close();
        BackdropReference.reset(); // destroys the backdrop's window at once
    }
    if (cb_1 && cb_2)
        ConnectEvents(false);
    cb_1.reset();
    cb_2.reset();
    textb_1.reset();
    progb_1.reset();
    label_1.reset();
    pictb_1.reset();
    rtb_1.reset();
    textb_2.reset();
    checkbox_2.reset();
    return false;
}
