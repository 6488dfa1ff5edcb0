#include "MainWindow.h"

#include "Form1.h"

#include <new>

std::unique_ptr<Form1> MainWindowReference;

Form1* CreateMainWindow() {
    MainWindowReference.reset(new (std::nothrow) Form1);
    if (!MainWindowReference)
        return nullptr;
    if (MainWindowReference->LoadWindow(nullptr, "ID_Form1"))
        return MainWindowReference.get();
    MainWindowReference.reset();
    return nullptr;
}

void DestroyMainWindow() { MainWindowReference.reset(); }

bool IsMainWindow(const WModelessDialog* form) {
    return form && MainWindowReference &&
           static_cast<const WModelessDialog*>(MainWindowReference.get()) == form;
}
