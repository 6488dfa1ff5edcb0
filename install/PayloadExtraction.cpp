#include "Form1.h"

#include "WFile.h"
#include "WModule.h"

#include <zlib.h>

#include <memory>
#include <new>

namespace {
// The packer refuses any screen saver that would not inflate into this many bytes.
constexpr uLong kLargestScreenSaver = 2'000'000;
} // namespace

bool Form1::ExtractScreenSaver() {
    WModule module;
    WBuffer packed;
    if (!module.LoadResourceToBuffer(WResourceID("RES_SCR"), packed))
        return false;

    // Left uninitialised: uncompress fills what it reports, and nothing beyond is written.
    std::unique_ptr<Bytef[]> inflated(new (std::nothrow) Bytef[kLargestScreenSaver]);
    if (!inflated)
        return false;
    uLongf length = kLargestScreenSaver;
    // Anything but Z_OK (a damaged stream, one larger than the buffer, an empty resource)
    // stops here, before the screen saver path is touched.
    if (uncompress(inflated.get(), &length, packed.GetData(),
                   static_cast<uLong>(packed.GetSize())) != Z_OK)
        return false;
    packed.Empty();

    // Declared after the output buffer, so the file is closed before the buffer is freed.
    WFileReplacement screenSaver(GetScreenSaverPath());
    return screenSaver.Open() && screenSaver.Write(inflated.get(), length) && screenSaver.Commit();
}

void Form1::ExtractHelpFile() {
    WModule module;
    WBuffer help;
    // A missing or unreadable RES_HLP leaves the buffer empty, and so the help file.
    (void)module.LoadResourceToBuffer(WResourceID("RES_HLP"), help);

    // Silent by design: a help file that cannot be written is no reason to stop installing.
    WFile file;
    if (file.Create(GetHelpFilePath())) {
        (void)file.Write(help.GetData(), help.GetSize());
        (void)file.Close();
    }
    help.Empty();
}
