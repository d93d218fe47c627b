// POSIX parts of file_io: links resolved before a save, exclusive creation, fsync, and
// rename (which replaces the target atomically).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "text/file_io.h"

namespace kawaban::platform {

bool ResolveWriteTarget(const std::string& path, std::string& target) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) {
        target = path;
        return errno == ENOENT;  // a new file
    }
    if (S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (!realpath(path.c_str(), resolved))
            return false;  // a dangling link: no file to write
        target = resolved;
        if (stat(resolved, &info) != 0)
            return false;
    } else {
        target = path;
    }
    // Only ordinary files are replaced; renaming over a device or a folder would destroy it.
    return S_ISREG(info.st_mode) && access(target.c_str(), W_OK) == 0;
}

std::FILE* CreateNewFile(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (!file)
        close(fd);
    return file;
}

bool CopyPermissions(const std::string& target, std::FILE* file) {
    struct stat info;
    if (stat(target.c_str(), &info) != 0)
        return true;  // a new file keeps the default permissions
    const int fd = fileno(file);
    if (geteuid() == 0 && fchown(fd, info.st_uid, info.st_gid) != 0)
        return false;
    return fchmod(fd, info.st_mode & 07777) == 0;
}

bool SyncFileToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace kawaban::platform
