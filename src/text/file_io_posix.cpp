// POSIX parts of file_io: fsync and rename (which replaces the target atomically).
#include <unistd.h>

#include <cstdio>

#include "text/file_io.h"

namespace kawaban {

bool SyncFileToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace kawaban
