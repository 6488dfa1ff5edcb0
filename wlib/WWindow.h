#pragma once
#include "WColor.h"
#include "WCursor.h"
#include "WEventGenerator.h"
#include "WFont.h"
#include "WHandle.h"
#include "WRect.h"

#include <windows.h>

#include <memory>

// A window object. The object and its HWND find each other through a window property. The
// object never destroys its window on its own (forms do, see WModelessDialog); when the window
// goes first, the object notices (WM_NCDESTROY) and from then on has no handle.
class WWindow : public WEventGenerator {
public:
    WWindow() = default;
    ~WWindow() override;

    static WWindow* FromHandle(HWND window);

    HWND GetHandle() const { return window_; }
    bool Exists() const { return window_ != nullptr; }

    // DestroyWindow when the window exists; false when there was none or the call failed.
    bool Destroy();
    // Posts WM_CLOSE (both parameters 0) when the window exists; returns at once.
    void Close();

    void SetVisible(bool visible);
    bool IsVisible() const;
    bool IsEnabled() const;

    // WM_SETFONT with the font; the window keeps the font alive as long as it uses it.
    virtual void SetFont(std::unique_ptr<const WFont> font, bool redraw);
    void SetFont(const char* description, bool redraw) {
        SetFont(std::make_unique<const WFont>(description), redraw);
    }
    const WFont* GetFont() const { return font_.get(); }

    void SetText(const WString& text);
    WString GetText() const;

    // HWND_TOPMOST or HWND_NOTOPMOST, without moving, sizing or activating.
    void SetTopmost(bool topmost);
    // 0: to the top of the window's stacking band (HWND_TOP), activating it.
    // n > 0: directly below the first window of the band, unless it is that window itself.
    void SetStackingPosition(int position);

    // GetWindowRect, its top-left corner in the parent's client coordinates.
    WRect GetRectangle() const;
    // MoveWindow with one edge or the width changed and the rest kept.
    void SetLeft(int left, bool repaint);
    void SetTop(int top, bool repaint);
    void SetWidth(int width, bool repaint);

    // Colours a control is painted with (through its parent's WM_CTLCOLOR* handling), or a
    // form's own background. Both repaint.
    void SetBackgroundColor(WColor color);
    void SetTextColor(WColor color);
    bool HasBackgroundColor() const { return static_cast<bool>(backgroundBrush_); }
    WColor GetBackgroundColor() const { return background_; }
    bool HasTextColor() const { return hasTextColor_; }
    WColor GetTextColor() const { return textColor_; }

    // SetCursor with the cursor; with `remember` the window keeps it as its own and sets it
    // again on every WM_SETCURSOR. Returns the cursor that was current, or the arrow.
    WCursor SetCursor(const WCursor& cursor, bool remember);
    HCURSOR GetOwnCursor() const { return ownCursor_; }

    // Colours for a control's WM_CTLCOLOR* message, painted on `dc`: the brush to return, or
    // null when the system's own colours stay.
    HBRUSH PrepareControlColors(HDC dc, UINT ctlColorMessage) const;

    // Called by the parent form for a WM_COMMAND notification this window sent it; returns
    // true when the notification was handled.
    virtual bool HandleNotification(WORD /*code*/) { return false; }

protected:
    // Connects the object with an existing window; with `subclass` the window's messages go
    // through HandleMessage first.
    void Attach(HWND window, bool subclass);
    void Detach();

    // For subclassed windows: return true with `result` set to take the message over.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

    // Called once the window is gone (WM_NCDESTROY); the handle is already cleared.
    virtual void OnWindowGone() {}

    void Repaint() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    void Move(int left, int top, int width, int height, bool repaint);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
    std::unique_ptr<const WFont> font_;
    WColor background_;
    WBrushHandle backgroundBrush_;
    WColor textColor_;
    bool hasTextColor_ = false;
    HCURSOR ownCursor_ = nullptr;
};
