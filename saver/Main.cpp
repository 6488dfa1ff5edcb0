#include "CommandLine.h"
#include "ComApartment.h"
#include "CursorHider.h"
#include "FramePacer.h"
#include "MessageBoxPrompts.h"
#include "SaverWindow.h"
#include "SettingsDialog.h"
#include "SettingsStore.h"
#include "UninstallCommand.h"
#include <commctrl.h>
#include <windows.h>

namespace {

// A fresh pattern each time the saver starts.
std::uint64_t FreshSeed() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<std::uint64_t>(counter.QuadPart) ^ GetCurrentProcessId();
}

int RunFullScreen(HINSTANCE instance, const SaverSettings& settings) {
    const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const CursorHider hidden;
    SaverWindow window(instance, SaverWindow::Kind::FullScreen, nullptr, screen, settings, FreshSeed());
    if (!window.Handle())
        return 1;
    return FramePacer(FramePacer::DisplayRefreshRate()).Run(window);
}

int RunPreview(HINSTANCE instance, const SaverSettings& settings, HWND parent) {
    if (!IsWindow(parent))
        return 1;
    RECT area;
    GetClientRect(parent, &area);
    SaverWindow window(instance, SaverWindow::Kind::Preview, parent, area, settings, FreshSeed());
    if (!window.Handle())
        return 1;
    // The preview is tiny: half the refresh rate looks the same and costs half.
    return FramePacer(FramePacer::DisplayRefreshRate() / 2).Run(window);
}

int RunSettings(HINSTANCE instance, HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const SettingsStore store;
    SettingsDialog dialog(instance, store);
    dialog.Show(IsWindow(owner) ? owner : nullptr);
    return 0;
}

// Exit codes of "-u", for scripts: 0 removed, 1 nothing installed, 2 cancelled, 3 not an
// administrator, 4 partly removed.
int RunUninstall() {
    const ComApartment com;
    const Uninstaller uninstaller(UninstallLocations::ForThisProgram());
    MessageBoxPrompts prompts;
    switch (UninstallCommand(uninstaller, Uninstaller::HasAdministratorRights()).Run(prompts)) {
    case UninstallCommand::Outcome::Removed:
        return 0;
    case UninstallCommand::Outcome::NothingToRemove:
        return 1;
    case UninstallCommand::Outcome::Cancelled:
        return 2;
    case UninstallCommand::Outcome::NeedsAdministrator:
        return 3;
    case UninstallCommand::Outcome::PartlyRemoved:
        return 4;
    }
    return 4;
}

int Run(HINSTANCE instance) {
    const CommandLine commandLine = CommandLine::Parse(CommandLine::ArgumentsOf(GetCommandLineA()));
    const HWND window = reinterpret_cast<HWND>(commandLine.Window());
    switch (commandLine.GetMode()) {
    case CommandLine::Mode::FullScreen:
    case CommandLine::Mode::Preview:
        if (!SaverWindow::RegisterClass(instance))
            return 1;
        if (commandLine.GetMode() == CommandLine::Mode::FullScreen)
            return RunFullScreen(instance, SettingsStore().Load());
        return RunPreview(instance, SettingsStore().Load(), window);
    case CommandLine::Mode::Settings:
        if (!SaverWindow::RegisterClass(instance))
            return 1;
        return RunSettings(instance, window);
    case CommandLine::Mode::Uninstall:
        return RunUninstall();
    case CommandLine::Mode::Unknown:
        break;
    }
    MessageBoxA(nullptr, CommandLine::Usage(), "Tessellux", MB_OK | MB_ICONINFORMATION);
    return 2;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        return Run(instance);
    } catch (...) {
        return 1;
    }
}
