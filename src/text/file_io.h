// Whole-file reading and safe whole-file writing. A write goes to a new temporary file beside
// the target, is checked at every step and flushed to disk, and only then replaces the
// target, so a full disk or a failing write never leaves a user's file half written.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace kawaban {

// Reads the whole file (binary). False when it cannot be opened or read, or is larger than
// maxBytes (or than memory); out is then unchanged.
bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes = std::size_t(-1));

// Writes content (binary) to path. True only when the new content is completely on disk
// under path; on false the old file, if any, is as it was and no temporary file is left.
// A path that names a link writes the file it links to; a folder, a device or a file the
// user may not write is refused. The old file's permissions are kept.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Platform parts (file_io_posix.cpp, file_io_win32.cpp).
namespace platform {
// The file a write to path must replace (links resolved). False when path names something
// that is no ordinary file, or a file that may not be written.
bool ResolveWriteTarget(const std::string& path, std::string& target);
// Creates path, which must not exist yet; nullptr otherwise (errno EEXIST when it did).
std::FILE* CreateNewFile(const std::string& path);
// Gives file the permissions (and, where it can, the owner) of the existing file at target.
bool CopyPermissions(const std::string& target, std::FILE* file);
bool SyncFileToDisk(std::FILE* file);
bool ReplaceFileWith(const std::string& from, const std::string& to);
}  // namespace platform

}  // namespace kawaban
