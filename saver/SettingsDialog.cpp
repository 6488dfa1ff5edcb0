#include "SettingsDialog.h"
#include "SaverResources.h"
#include <commctrl.h>

bool SettingsDialog::Show(HWND owner) {
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_SETTINGS), owner, Procedure,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
}

INT_PTR CALLBACK SettingsDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<SettingsDialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<SettingsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    // No exception may unwind into user32.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR SettingsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_HSCROLL:
        ReadControls();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FAMILY:
        case IDC_PALETTE:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ReadControls();
            return TRUE;
        case IDOK:
            OnOk();
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            return TRUE;
        default:
            break;
        }
        break;
    case WM_DESTROY:
        preview_.reset();  // before the dialog goes, while its child still exists
        break;
    default:
        break;
    }
    return FALSE;
}

void SettingsDialog::OnInit() {
    const HICON icon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_TESSELLUX));
    SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    for (int k = 0; k < SaverSettings::kFamilyCount; ++k) {
        const auto family = static_cast<TilingFamily>(k);
        const char* name = family == TilingFamily::Cycle ? "Cycle through all" : SaverSettings::FamilyName(family);
        SendDlgItemMessageA(dialog_, IDC_FAMILY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    for (int k = 0; k < SaverSettings::kPaletteCount; ++k) {
        const char* name = SaverSettings::PaletteNameText(static_cast<PaletteName>(k));
        SendDlgItemMessageA(dialog_, IDC_PALETTE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    for (int id : {IDC_SPEED, IDC_DENSITY}) {
        SendDlgItemMessageA(dialog_, id, TBM_SETRANGE, TRUE,
                            MAKELPARAM(SaverSettings::kMinLevel, SaverSettings::kMaxLevel));
        SendDlgItemMessageA(dialog_, id, TBM_SETPAGESIZE, 0, 1);
    }
    FillControls();

    // The preview sits on the black frame of the template, one pixel inside it.
    RECT area;
    const HWND frame = GetDlgItem(dialog_, IDC_PREVIEW);
    GetWindowRect(frame, &area);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, -1, -1);
    preview_ = std::make_unique<SaverWindow>(instance_, SaverWindow::Kind::DialogPreview, dialog_,
                                             area, settings_, GetTickCount());
    SetWindowPos(preview_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void SettingsDialog::FillControls() {
    SendDlgItemMessageA(dialog_, IDC_FAMILY, CB_SETCURSEL, static_cast<WPARAM>(settings_.Family()), 0);
    SendDlgItemMessageA(dialog_, IDC_PALETTE, CB_SETCURSEL, static_cast<WPARAM>(settings_.Palette()), 0);
    SendDlgItemMessageA(dialog_, IDC_SPEED, TBM_SETPOS, TRUE, settings_.Speed());
    SendDlgItemMessageA(dialog_, IDC_DENSITY, TBM_SETPOS, TRUE, settings_.Density());
}

void SettingsDialog::ReadControls() {
    SaverSettings chosen;
    const LRESULT family = SendDlgItemMessageA(dialog_, IDC_FAMILY, CB_GETCURSEL, 0, 0);
    if (family >= 0 && family < SaverSettings::kFamilyCount)
        chosen.SetFamily(static_cast<TilingFamily>(family));
    const LRESULT palette = SendDlgItemMessageA(dialog_, IDC_PALETTE, CB_GETCURSEL, 0, 0);
    if (palette >= 0 && palette < SaverSettings::kPaletteCount)
        chosen.SetPalette(static_cast<PaletteName>(palette));
    chosen.SetSpeed(static_cast<int>(SendDlgItemMessageA(dialog_, IDC_SPEED, TBM_GETPOS, 0, 0)));
    chosen.SetDensity(static_cast<int>(SendDlgItemMessageA(dialog_, IDC_DENSITY, TBM_GETPOS, 0, 0)));
    if (chosen != settings_) {
        settings_ = chosen;
        if (preview_)
            preview_->ChangeSettings(settings_);
    }
}

void SettingsDialog::OnOk() {
    ReadControls();
    if (!store_.Save(settings_)) {
        MessageBoxA(dialog_, "Tessellux could not save its settings.", "Tessellux", MB_OK | MB_ICONWARNING);
        return;
    }
    EndDialog(dialog_, IDOK);
}
