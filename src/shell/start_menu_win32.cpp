// The Start-menu command on Windows: the Programs folder from the shell, the executable's
// path from the module, one folder level by CreateDirectoryA, shortcuts over COM.
#include "shell/start_menu_win32.h"

#include <windows.h>

#include <shlobj.h>

#include <string_view>

#include "shell/shell_link_win32.h"
#include "shell/start_menu.h"

namespace kawaban {

std::optional<std::string> StartMenuProgramsFolder() {
    char buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return std::nullopt;
    buffer[MAX_PATH - 1] = '\0';
    if (buffer[0] == '\0')
        return std::nullopt;
    return std::string(buffer);
}

std::optional<std::string> RunningExecutablePath() {
    // A path longer than the buffer comes back cut (and the length equals the size), so
    // the buffer grows until the whole path fits; Windows paths end at 32767 characters.
    std::string path(MAX_PATH, '\0');
    while (path.size() <= 65536) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return std::nullopt;
}

bool AddKawabanToStartMenu() {
    const std::optional<std::string> programs = StartMenuProgramsFolder();
    const std::optional<std::string> executable = RunningExecutablePath();
    if (!programs || !executable)
        return false;
    auto createFolder = [](const std::string& folder) {
        CreateDirectoryA(folder.c_str(), nullptr);  // exists already, or cannot be made: the shortcuts fail
    };
    return AddToStartMenu(*programs, *executable, createFolder, MakeComShellLinkFactory());
}

}  // namespace kawaban
