#pragma once
#include "Form1Base.h"

// The main installer window: its set-up, its two buttons and the installation they start.
class Form1 : public __Form1_Base {
public:
    Form1();
    ~Form1() override;

    // The window's own events.
    bool HandleCreate(WObject* source, WEventData* data);
    bool HandleClose(WObject* source, WEventData* data);
    bool HandleDestroy(WObject* source, WEventData* data);

    // The second stage of the set-up: backdrop, stacking, layout, texts, readme.
    bool SetupWindow();
    void ConnectEvents(bool connect);

    // "&Install": the installation, from the wait cursor to the close request.
    bool cb_1_Click(WObject* source, WEventData* data);
    // "&Cancel": asks the window to close.
    bool cb_2_Click(WObject* source, WEventData* data);

    // Inflates the embedded screen saver into the screen saver path. True only when the file
    // was written whole; otherwise no file is left at that path.
    bool ExtractScreenSaver();
    // Writes the embedded help file, byte for byte, to the help file path.
    void ExtractHelpFile();
    // Writes the product's entry in the list of installed programs.
    void RegisterUninstall();
    // Places a shell link named `linkName` to `target` on the desktop.
    void CreateDesktopShortcut(const char* target, const char* linkName);

    const WFilePath& GetInstallDirectory() const { return installDirectory; }
    const WFilePath& GetScreenSaverPath() const { return screenSaverPath; }
    const WFilePath& GetHelpFilePath() const { return helpFilePath; }
    // For tests that install elsewhere than the Windows directory.
    void SetInstallDirectory(const WFilePath& directory) { installDirectory = directory; }
    void SetScreenSaverPath(const WFilePath& path) { screenSaverPath = path; }
    void SetHelpFilePath(const WFilePath& path) { helpFilePath = path; }

private:
    void LayOutAroundPicture();

    WFilePath installDirectory;
    WFilePath screenSaverFileName;
    WFilePath screenSaverPath;
    WFilePath helpFileName;
    WFilePath helpFilePath;
};
