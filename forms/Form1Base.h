#pragma once
#include "wlib.h"

#include <memory>

// The main installer window's controls, bound to the items of the dialog template "ID_Form1",
// and the attachment of the window's own handlers (which are Form1's).
class __Form1_Base : public WModelessDialog {
public:
    __Form1_Base();
    ~__Form1_Base() override;

    // Puts the controls in tab order (the child order of the window).
    virtual void SetTabOrder();

protected:
    // Empty from construction until HandleCreate, deleted again by HandleDestroy.
    std::unique_ptr<WCommandButton> cb_1;  // "&Install", the default button
    std::unique_ptr<WCommandButton> cb_2;  // "&Cancel"
    std::unique_ptr<WTextBox> textb_1;     // the explanation and the install directory
    std::unique_ptr<WProgressBar> progb_1; // installation progress
    std::unique_ptr<WLabel> label_1;       // "Installation Progress"
    std::unique_ptr<WPictureBox> pictb_1;  // the picture
    std::unique_ptr<WRichTextBox> rtb_1;   // the readme
    std::unique_ptr<WTextBox> textb_2;     // the credit line
    std::unique_ptr<WCheckBox> checkbox_2; // whether to place a desktop shortcut

private:
    void ConnectWindowEvents(bool connect);
};
