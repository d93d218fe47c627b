// Whole-file reading and safe whole-file writing. A write goes to a temporary file beside
// the target, is checked at every step and flushed to disk, and only then replaces the
// target, so a full disk or a failing write never leaves a user's file half written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kawaban {

// Reads the whole file (binary). False when it cannot be opened or read; out is then unchanged.
bool ReadWholeFile(const std::string& path, std::string& out);

// Writes content (binary) to path. True only when the new content is completely on disk
// under path; on false the old file, if any, is as it was and no temporary file is left.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// The temporary file name used beside path.
std::string TemporaryPathFor(const std::string& path);

// Platform parts (file_io_posix.cpp, file_io_win32.cpp).
bool SyncFileToDisk(std::FILE* file);
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace kawaban
