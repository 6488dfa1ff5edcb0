#include "Form1.h"

namespace {
const char kScreenSaverFileName[] = "Tessellux.scr";
const char kHelpFileName[] = "Tessellux.chm";
const char kSeparator[] = "\\";
const char kShortPathFallback[] = "\\TESSEL~1.SCR";
const char kLinkName[] = "Tessellux.lnk";

const char kDuplicateTitle[] = "Duplicate File";
const char kDuplicateText[] =
    "The file Tessellux.scr already exists (probably from a previous version).  Click OK to "
    "overwrite the existing Tessellux.scr file or cancel to abort the installation.";
const char kErrorTitle[] = "Error";
const char kAbortText[] = "Error: File already exists.  Aborting installation.";
const char kWriteFailedText[] = "Error: Could not write ";
const char kWriteFailedTail[] = ".  Aborting installation.";
const char kFinishedTitle[] = "Finished";
const char kFinishedText[] =
    "Installation is complete!  The installation program will now close and the Display "
    "Properties - Screen Saver window will be shown.  If desired, adjust the \"Wait\" time "
    "(duration of system inactivity before the screen saver starts).  Then click the "
    "\"Settings...\" button to configure Tessellux settings.  You can also access Tessellux "
    "settings by right-clicking the Tessellux desktop icon (if selected to install) and "
    "selecting \"Configure\" from the pop-up menu.";

// OK, information icon, task modal, brought to the foreground.
constexpr UINT kNoticeBox = MB_OK | MB_ICONINFORMATION | MB_TASKMODAL | MB_SETFOREGROUND;

const char kProfileFile[] = "SYSTEM.INI";
const char kProfileSection[] = "boot";
const char kProfileKey[] = "SCRNSAVE.EXE";

const char kControlPanelProgram[] = "rundll32.exe";
const char kControlPanelCommand[] = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,@0,1";

// GetShortPathNameA's buffer; a longer short form is not taken.
constexpr DWORD kShortPathBuffer = 255;
} // namespace

bool Form1::cb_1_Click(WObject*, WEventData*) {
    const WCursor saved = SetCursor(WCursor::FromSystem(IDC_WAIT), true);
    WString shortScreenSaverPath;
    progb_1->Advance(20);

    screenSaverFileName = kScreenSaverFileName;
    helpFileName = kHelpFileName;
    screenSaverPath = installDirectory + kSeparator + screenSaverFileName;
    helpFilePath = installDirectory + kSeparator + helpFileName;
    progb_1->Advance(30);

    if (screenSaverPath.Exists()) {
        if (WMessageBox::Show(this, kDuplicateText, kDuplicateTitle, MB_OKCANCEL) != IDOK) {
            WMessageBox::Show(this, kAbortText, kErrorTitle, kNoticeBox);
            Close();
            return false;
        }
        DeleteFileA(screenSaverPath.GetText());
    }

    if (!ExtractScreenSaver()) {
        // Nothing else is worth installing without the program itself.
        SetCursor(saved, false);
        WMessageBox::Show(this, kWriteFailedText + screenSaverPath + kWriteFailedTail, kErrorTitle,
                          kNoticeBox);
        Close();
        return false;
    }

    char shortPath[kShortPathBuffer] = "";
    const DWORD length = GetShortPathNameA(screenSaverPath.GetText(), shortPath, kShortPathBuffer);
    // Zero is failure; kShortPathBuffer or more is the size it would need, the buffer unfilled.
    if (length != 0 && length < kShortPathBuffer)
        shortScreenSaverPath = shortPath;
    else
        shortScreenSaverPath = installDirectory + kShortPathFallback;
    shortScreenSaverPath.Trim();
    progb_1->Advance(40);

    ExtractHelpFile();
    progb_1->Advance(10);

    RegisterUninstall();
    if (checkbox_2->IsChecked())
        CreateDesktopShortcut(screenSaverPath.GetText(), kLinkName);
    progb_1->SetPosition(100);

    const WString completion = kFinishedText;
    SetCursor(saved, false);
    WMessageBox::Show(this, completion, kFinishedTitle, kNoticeBox);
    SetVisible(false);

    WProcess::WriteProfileEntry(kProfileSection, kProfileKey, shortScreenSaverPath.GetText(),
                                kProfileFile, true);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);

    // The full path: never a rundll32.exe planted beside the installer.
    const WString controlPanel =
        WProcess::QuerySystemDirectory() + kSeparator + kControlPanelProgram;
    WProcess process;
    process.Start(controlPanel.GetText(), kControlPanelCommand, NORMAL_PRIORITY_CLASS,
                  STARTF_FORCEONFEEDBACK);

    Close();
    return false;
}
