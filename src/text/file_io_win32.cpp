// Windows parts of file_io. Paths are code page 932 byte strings. The C runtime's rename
// refuses an existing target, so the replacement is MoveFileExA with
// MOVEFILE_REPLACE_EXISTING, which also refuses a read-only target.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>

#include "text/file_io.h"

namespace kawaban::platform {

bool ResolveWriteTarget(const std::string& path, std::string& target) {
    target = path;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND;  // a new file
    constexpr DWORD kRefused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE;
    return (attributes & kRefused) == 0;
}

std::FILE* CreateNewFile(const std::string& path) {
    const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
}

bool CopyPermissions(const std::string&, std::FILE*) {
    return true;  // the new file takes the folder's default permissions; read-only targets are refused
}

bool SyncFileToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kawaban::platform
