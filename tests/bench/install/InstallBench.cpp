// install_bench [runs] [iterations]: the real installer, driven from outside, timed from the
// posted click on "&Install" to its "Finished" box being visible (clean state before each run),
// (with and without the desktop link), against the limit for its main work: one uncompress of the installer's own RES_SCR plus one
// write of the same bytes. Prints both medians and their ratio. Leaves the prefix as it found it.
#include "InstallRun.h"
#include "Installation.h"
#include "Installer.h"
#include "Poll.h"
#include "SystemState.h"
#include "Windows.h"

#include <zlib.h>

#include "Clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace e2e;

namespace {
// What the installer's own buffer holds at most.
constexpr uLong kBufferSize = 2'000'000;



// Seconds from the click to "Finished"; negative when the run went wrong. The box is answered
// and the run waited for, so the next one starts clean.
double TimeOneInstall(const std::string& installer, bool withLink) {
    RemoveInstallation();
    RunningInstaller running({}, installer);
    if (!running.Ok()) {
        std::fprintf(stderr, "installer: %s\n", running.Problem().c_str());
        return -1;
    }
    if (!withLink)
        SendOrZero(running.Item(109), BM_CLICK);
    HWND box = nullptr;
    const double clicked = SecondsNow();
    PostClick(running.Item(101));
    const double deadline = clicked + 30;
    // Polled without a pause worth the name: the interval is part of what is measured.
    while (!box && SecondsNow() < deadline && running.Proc().IsRunning()) {
        for (HWND w : TopLevelWindows(running.Proc().Id()))
            if (w != running.Main() && w != running.Backdrop() && ClassName(w) == "#32770" &&
                HasVisibleStyle(w) && Text(w) == "Finished")
                box = w;
        if (!box)
            Sleep(1);
    }
    const double seconds = SecondsNow() - clicked;
    if (!box) {
        std::fprintf(stderr, "no \"Finished\" box\n");
        return -1;
    }
    PressMessageBoxButton(box, IDOK);
    const DWORD id = running.Proc().Id();
    if (running.Proc().WaitForExit(RunningInstaller::kExitTimeoutMs) != std::optional<DWORD>(0))
        std::fprintf(stderr, "installer did not end with 0\n");
    // The control panel it started shares its job: let it finish first.
    PollFor(kStartTimeoutMs, [&] { return ChildProcesses(id).empty(); });
    return seconds;
}

class BareExtraction {
public:
    BareExtraction(const std::string& installer, std::string target)
        : target_(std::move(target)), output_(kBufferSize) {
        module_.Reset(LoadLibraryExA(installer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        HRSRC info = module_ ? FindResourceA(module_.Get(), "RES_SCR", MAKEINTRESOURCEA(10)) : nullptr;
        if (info) {
            packedSize_ = SizeofResource(module_.Get(), info);
            packed_ = static_cast<const Bytef*>(LockResource(LoadResource(module_.Get(), info)));
        }
    }
    ~BareExtraction() { DeleteFileA(target_.c_str()); }

    size_t PackedSize() const { return packedSize_; }

    // Bytes written, 0 on failure.
    uLongf Run() {
        uLongf length = kBufferSize;
        if (!packed_ || uncompress(output_.data(), &length, packed_, packedSize_) != Z_OK)
            return 0;
        const HANDLE raw = CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (raw == INVALID_HANDLE_VALUE)
            return 0;
        UniqueHandle file(raw);
        DWORD written = 0;
        if (!WriteFile(file.Get(), output_.data(), length, &written, nullptr) || written != length)
            return 0;
        return length;
    }

private:
    std::string target_;
    UniqueLibrary module_;
    const Bytef* packed_ = nullptr;
    DWORD packedSize_ = 0;
    std::vector<Bytef> output_;
};
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int iterations = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    const std::string installer = ToWindowsPath(TESSELLUX_BENCH_INSTALLER);

    // Everything a completed run changes, put back at the end.
    const std::optional<std::string> systemIni = ReadFileBytes(WindowsDirectory() + "\\system.ini");
    const SavedRegistryValue active(HKEY_CURRENT_USER, kDesktopSettingsKey, "ScreenSaveActive");

    // Alternated, so that drift hits both alike; the link's share shows in the difference.
    std::vector<double> installs;
    std::vector<double> withoutLink;
    for (int run = 0; run < runs; ++run) {
        const double seconds = TimeOneInstall(installer, true);
        const double unlinked = TimeOneInstall(installer, false);
        if (seconds < 0 || unlinked < 0)
            break;
        installs.push_back(seconds);
        withoutLink.push_back(unlinked);
    }
    RemoveInstallation();
    if (systemIni)
        WriteFileBytes(WindowsDirectory() + "\\system.ini", *systemIni);

    std::vector<double> bare;
    uLongf bytes = 0;
    {
        BareExtraction extraction(installer, WindowsDirectory() + "\\tessellux-bench.tmp");
        for (int i = 0; i < iterations; ++i) {
            const double start = SecondsNow();
            bytes = extraction.Run();
            bare.push_back(SecondsNow() - start);
            if (!bytes)
                break;
        }
        std::printf("RES_SCR: %zu bytes packed, %lu inflated\n", extraction.PackedSize(),
                    static_cast<unsigned long>(bytes));
    }
    if (installs.empty() || !bytes) {
        std::fprintf(stderr, "install_bench: nothing to report\n");
        return 1;
    }
    const double install = Median(installs);
    const double limit = Median(bare);
    std::printf("click on &Install -> \"Finished\" box: median %.1f ms, min %.1f ms (%zu runs)\n",
                install * 1e3, *std::min_element(installs.begin(), installs.end()) * 1e3,
                installs.size());
    std::printf("  the same, desktop icon unchecked:  median %.1f ms, min %.1f ms\n",
                Median(withoutLink) * 1e3,
                *std::min_element(withoutLink.begin(), withoutLink.end()) * 1e3);
    std::printf("uncompress + write of RES_SCR:      median %.2f ms, min %.2f ms (%zu iterations)\n",
                limit * 1e3, *std::min_element(bare.begin(), bare.end()) * 1e3, bare.size());
    std::printf("ratio (install / limit): %.1f\n", install / limit);
    return 0;
}
