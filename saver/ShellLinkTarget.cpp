#include "ShellLinkTarget.h"
#include "ComPtr.h"
#include <vector>
#include <windows.h>
#include <shlobj.h>

bool ShellLinkTarget::Read(const std::string& linkPath, std::string& target) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.ReceiveVoid())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())))
        return false;
    const int length = MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return false;
    std::vector<wchar_t> widePath(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath.data(), length);
    if (FAILED(file->Load(widePath.data(), STGM_READ)))
        return false;
    char path[MAX_PATH] = "";
    // The raw path, not resolved: the link may well point at a file that is gone.
    if (FAILED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) || path[0] == '\0')
        return false;
    target = path;
    return true;
}
