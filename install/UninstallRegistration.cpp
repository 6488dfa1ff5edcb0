#include "Form1.h"

#include <cstdint>

namespace {
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellux Screen Saver";
constexpr char kScreenSaverFile[] = "\\Tessellux.scr";
} // namespace

// Best effort and silent: the installation has succeeded by now, and a missing entry in the
// list of installed programs is no reason to tell the user otherwise.
void Form1::RegisterUninstall() {
    const std::uint32_t estimatedSizeKilobytes = 1408;
    const WBuffer estimatedSize(&estimatedSizeKilobytes, sizeof estimatedSizeKilobytes);
    WRegistryKey key;

    // When neither works, the key object holds nothing and every write below simply fails.
    if (!key.Open(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_ALL_ACCESS))
        static_cast<void>(key.Create(HKEY_LOCAL_MACHINE, kUninstallKey));

    // Each write stands alone: one refused value does not keep the others out. The key is
    // updated in place, so values written by others stay.
    key.SetStringValue("DisplayName", "Tessellux Screen Saver");
    key.SetStringValue("UninstallString", installDirectory + kScreenSaverFile + " -u");
    key.SetStringValue("DisplayVersion", "4.7.0");
    key.SetStringValue("VersionMajor", "4");
    key.SetStringValue("VersionMinor", "7");
    key.SetStringValue("Publisher", "Orrinwald");
    key.SetStringValue("InstallLocation", installDirectory);
    const WString displayIcon = installDirectory + kScreenSaverFile;
    key.SetStringValue("DisplayIcon", displayIcon);
    key.SetValue("EstimatedSize", REG_DWORD, estimatedSize);

    key.Close(false);
}
