// Windows parts of file_io. The C runtime's rename refuses an existing target, so the
// replacement is MoveFileExA with MOVEFILE_REPLACE_EXISTING (paths are code page 932).
#include <windows.h>
#include <io.h>

#include <cstdio>

#include "text/file_io.h"

namespace kawaban {

bool SyncFileToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kawaban
