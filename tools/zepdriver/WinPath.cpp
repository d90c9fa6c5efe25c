#include "WinPath.h"

namespace e2e {

std::string WindowsPathOf(const std::string& path) {
    std::string result = (!path.empty() && path[0] == '/') ? "Z:" + path : path;
    for (char& c : result) {
        if (c == '/')
            c = '\\';
    }
    return result;
}

std::string FolderOf(const std::string& windowsPath) {
    const size_t slash = windowsPath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : windowsPath.substr(0, slash);
}

} // namespace e2e
