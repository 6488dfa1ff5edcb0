#pragma once
#include "SaverWindow.h"
#include "SettingsStore.h"
#include <memory>
#include <windows.h>

// The settings dialog: tiling, palette, speed and density, with a live preview. OK saves to
// the store, Cancel leaves it as it was.
class SettingsDialog {
public:
    SettingsDialog(HINSTANCE instance, const SettingsStore& store)
        : instance_(instance), store_(store), settings_(store.Load()) {}

    // Modal; true when the settings were saved.
    bool Show(HWND owner);

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit();
    void FillControls();
    void ReadControls();
    void OnOk();

    HINSTANCE instance_;
    const SettingsStore& store_;
    SaverSettings settings_;
    HWND dialog_ = nullptr;
    std::unique_ptr<SaverWindow> preview_;
};
