// Whole-file reading and safe writing; see file_io.h.
#include "text/file_io.h"

#include <cerrno>
#include <cstdio>
#include <new>

namespace kawaban {

bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string data;
    bool failed = false;
    try {
        // Size the buffer once when the size looks real (a folder reports nonsense); the loop
        // reads whatever is there either way.
        constexpr long kLargestReservation = 1L << 28;
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            if (size > 0 && size <= kLargestReservation)
                data.reserve(static_cast<std::size_t>(size));
            std::rewind(file);
        }
        char buffer[1 << 16];
        std::size_t n;
        while (!failed && (n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            failed = data.size() + n > maxBytes;  // also ends an endless device
            data.append(buffer, n);
        }
        failed = failed || std::ferror(file) != 0;  // a folder, or an I/O error part way through
    } catch (const std::bad_alloc&) {
        failed = true;  // larger than memory: it cannot be read
    }
    std::fclose(file);
    if (failed)
        return false;
    out.swap(data);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    std::string target;
    if (!platform::ResolveWriteTarget(path, target))
        return false;
    // A fresh temporary name: a file left by an earlier crash, or a save running at the same
    // time, is never overwritten.
    std::string temporary;
    std::FILE* file = nullptr;
    for (int n = 1; n <= 99 && !file; ++n) {
        temporary = target + ".~" + std::to_string(n);
        errno = 0;
        file = platform::CreateNewFile(temporary);
        if (!file && errno != EEXIST)
            return false;
    }
    if (!file)
        return false;
    bool ok = platform::CopyPermissions(target, file);
    ok = ok && std::fwrite(content.data(), 1, content.size(), file) == content.size();
    ok = ok && std::fflush(file) == 0 && platform::SyncFileToDisk(file);
    ok = (std::fclose(file) == 0) && ok;
    ok = ok && platform::ReplaceFileWith(temporary, target);
    if (!ok)
        std::remove(temporary.c_str());
    return ok;
}

}  // namespace kawaban
