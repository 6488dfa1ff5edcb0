// payload_bench [iterations]: times Form1::ExtractScreenSaver against the plain limit, one
// uncompress and one CreateFile/WriteFile of the same bytes, on the installer's own RES_SCR.
// The two are interleaved so that drift in the machine's speed hits both alike.
#include "Form1.h"
#include "WHandle.h"

#include <zlib.h>

#include "Clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr uLong kBufferSize = 2'000'000;



// The bare work: the resource read in place, a buffer allocated once, no temporary file.
class PlainExtraction {
public:
    explicit PlainExtraction(std::string path) : path_(std::move(path)) {
        HRSRC info = FindResourceA(nullptr, "RES_SCR", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
        if (info) {
            packedSize_ = SizeofResource(nullptr, info);
            packed_ = static_cast<const Bytef*>(LockResource(LoadResource(nullptr, info)));
        }
    }

    uLongf Run() {
        uLongf length = kBufferSize;
        if (!packed_ || uncompress(output_.data(), &length, packed_, packedSize_) != Z_OK)
            return 0;
        WFileHandle file(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.Get(), output_.data(), length, &written, nullptr) ||
            written != length)
            return 0;
        return length;
    }

private:
    std::string path_;
    const Bytef* packed_ = nullptr;
    uLong packedSize_ = 0;
    std::vector<Bytef> output_ = std::vector<Bytef>(kBufferSize);
};
} // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "payload-bench-" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        std::fprintf(stderr, "payload_bench: cannot create %s\n", folder.c_str());
        return 1;
    }
    const std::string extracted = folder + "\\Tessellux.scr";
    const std::string plainPath = folder + "\\plain.scr";

    Form1 form;
    form.SetScreenSaverPath(extracted.c_str());
    PlainExtraction plain(plainPath);

    // One of each first: page in the code and the resource, create the files once.
    const uLongf size = plain.Run();
    const bool warmed = form.ExtractScreenSaver();
    int status = 0;
    if (size == 0 || !warmed) {
        std::fprintf(stderr, "payload_bench: extraction failed (plain %lu bytes, form %d)\n",
                     static_cast<unsigned long>(size), warmed);
        status = 1;
    } else {
        std::vector<double> formTimes, plainTimes;
        for (int i = 0; i < iterations && status == 0; ++i) {
            double start = SecondsNow();
            if (!form.ExtractScreenSaver())
                status = 1;
            formTimes.push_back(SecondsNow() - start);
            start = SecondsNow();
            if (plain.Run() != size)
                status = 1;
            plainTimes.push_back(SecondsNow() - start);
        }
        const double formMedian = Median(formTimes) * 1000;
        const double plainMedian = Median(plainTimes) * 1000;
        std::printf("RES_SCR inflates to %lu bytes; %d iterations each, medians:\n",
                    static_cast<unsigned long>(size), iterations);
        std::printf("  ExtractScreenSaver        %8.3f ms\n", formMedian);
        std::printf("  uncompress + WriteFile    %8.3f ms\n", plainMedian);
        std::printf("  ratio                     %8.3f\n", formMedian / plainMedian);
        if (status != 0)
            std::fprintf(stderr, "payload_bench: an iteration failed\n");
    }

    DeleteFileA(extracted.c_str());
    DeleteFileA(plainPath.c_str());
    RemoveDirectoryA(folder.c_str());
    return status;
}
