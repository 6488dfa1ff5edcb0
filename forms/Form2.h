#pragma once
#include "wlib.h"

#include <memory>

// The full-screen backdrop behind the main window: dark blue, with the product title at its
// top left. It offers no commands of its own.
class __Form2_Base : public WModelessDialog {
public:
    __Form2_Base();
    ~__Form2_Base() override;

    virtual void SetTabOrder();

    bool HandleCreate(WObject* source, WEventData* data);
    bool HandleClose(WObject* source, WEventData* data);
    bool HandleDestroy(WObject* source, WEventData* data);

protected:
    std::unique_ptr<WLabel> label_1; // the title
};

class Form2 : public __Form2_Base {
public:
    ~Form2() override;
};

// The backdrop of the running installer; the main window owns it.
extern std::unique_ptr<Form2> BackdropReference;
