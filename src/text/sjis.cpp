// Shift-JIS helpers; see sjis.h.
#include "text/sjis.h"

namespace kawaban {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Walks the characters of path once and records the positions the path rules need.
struct PathMarks {
    std::size_t lastSeparator = kNone;        // last '\' or ':' that is a separator
    std::size_t lastDotOrSeparator = kNone;   // last '.', '\' or ':' at a character boundary
    std::size_t charBeforeLastSeparator = kNone;  // start of the character before lastSeparator
};

PathMarks ScanPath(std::string_view path) {
    PathMarks marks;
    std::size_t previous = kNone;
    for (std::size_t i = 0; i < path.size(); i += CharLength(path, i)) {
        const char c = path[i];
        if (c == '\\' || c == ':') {
            marks.lastSeparator = i;
            marks.charBeforeLastSeparator = previous;
        }
        if (c == '\\' || c == ':' || c == '.')
            marks.lastDotOrSeparator = i;
        previous = i;
    }
    return marks;
}

}  // namespace

bool IsFullWidthText(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (!IsLeadByte(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

std::size_t FindAtCharBoundary(std::string_view text, std::string_view needle) {
    if (needle.empty())
        return 0;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i)) {
        if (text.compare(i, needle.size(), needle) == 0)
            return i;
    }
    return kNone;
}

std::string_view FileNamePart(std::string_view path) {
    const PathMarks marks = ScanPath(path);
    return marks.lastSeparator == kNone ? path : path.substr(marks.lastSeparator + 1);
}

std::string_view Extension(std::string_view path) {
    const PathMarks marks = ScanPath(path);
    if (marks.lastDotOrSeparator == kNone || path[marks.lastDotOrSeparator] != '.')
        return {};
    return path.substr(marks.lastDotOrSeparator);
}

std::string_view RemoveExtension(std::string_view path) {
    const PathMarks marks = ScanPath(path);
    if (marks.lastDotOrSeparator == kNone || path[marks.lastDotOrSeparator] != '.')
        return path;
    return path.substr(0, marks.lastDotOrSeparator);
}

std::string_view FolderPart(std::string_view path) {
    const PathMarks marks = ScanPath(path);
    if (marks.lastSeparator == kNone)
        return {};
    std::size_t end = marks.lastSeparator + 1;
    // Drop a trailing '\' unless it is a root: the first character, or after '\' or ':'.
    // A double-byte character before it counts as neither, whatever its trail byte.
    if (path[marks.lastSeparator] == '\\' && marks.lastSeparator > 0) {
        const std::size_t before = marks.charBeforeLastSeparator;
        const bool beforeIsSingle = CharLength(path, before) == 1;
        const bool afterRootMark = beforeIsSingle && (path[before] == '\\' || path[before] == ':');
        if (!afterRootMark)
            end = marks.lastSeparator;
    }
    return path.substr(0, end);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined;
    joined.reserve(folder.size() + 1 + name.size());
    joined.append(folder).append("\\").append(name);
    return joined;
}

}  // namespace kawaban
