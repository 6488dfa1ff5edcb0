#pragma once
#include "ActivityMonitor.h"
#include "DibSurface.h"
#include "SaverScene.h"
#include "Stopwatch.h"
#include <memory>
#include <windows.h>

// A window showing the animation: the full-screen saver, the preview inside the Display
// control panel, or the preview in our settings dialog. It draws each frame into a back
// buffer and copies it to the screen in one blit, so nothing flickers.
class SaverWindow {
public:
    enum class Kind { FullScreen, Preview, DialogPreview };

    static bool RegisterClass(HINSTANCE instance);

    SaverWindow(HINSTANCE instance, Kind kind, HWND parent, const RECT& area,
                const SaverSettings& settings, std::uint64_t seed);
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;
    ~SaverWindow();

    HWND Handle() const { return window_; }
    // Draws and shows the frame for now.
    void Advance();
    void ChangeSettings(const SaverSettings& settings);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool IsUserBack(UINT message, LPARAM lParam);
    void Present(HDC dc);

    Kind kind_;
    HWND window_ = nullptr;
    std::unique_ptr<SaverScene> scene_;
    std::uint64_t seed_;
    DibSurface backBuffer_;
    Stopwatch clock_;
    ActivityMonitor activity_;
};
