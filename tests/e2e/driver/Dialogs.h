#pragma once
// Reference geometry: the installer's own dialog template, created hidden in the driver's
// process, so that item positions are converted from dialog units the way the dialog manager
// converts them (same template bytes, same font, same prefix).
#include "Handles.h"

#include <string>
#include <vector>

namespace e2e {

class ReferenceDialog {
public:
    // Loads `templateName` (RT_DIALOG) from the executable at `modulePath` and creates it,
    // hidden, with a procedure that does nothing. Ok() tells whether that worked.
    ReferenceDialog(const std::string& modulePath, const char* templateName);

    bool Ok() const { return static_cast<bool>(dialog_); }
    HWND Get() const { return dialog_.Get(); }
    // Item `id`'s rectangle in the dialog's client coordinates.
    RECT ItemRect(int id) const;
    // Dialog units to pixels with MapDialogRect.
    RECT Map(int left, int top, int right, int bottom) const;
    // The template's own style word (as written in the resource).
    DWORD TemplateStyle() const { return templateStyle_; }
    DWORD LoadError() const { return loadError_; }

private:
    UniqueLibrary module_;
    UniqueOwnWindow dialog_;
    DWORD templateStyle_ = 0;
    DWORD loadError_ = 0;
};

// A Wine virtual desktop of its own size: windows of programs started on it see a screen of
// that size. Made from HKCU\Software\Wine\Explorer\Desktops\<name>.
class VirtualDesktop {
public:
    VirtualDesktop(const std::string& name, int width, int height);
    bool Ok() const { return static_cast<bool>(desktop_); }
    const std::string& Name() const { return name_; }
    HDESK Get() const { return desktop_.Get(); }

private:
    std::string name_;
    UniqueDesktop desktop_;
};

} // namespace e2e
