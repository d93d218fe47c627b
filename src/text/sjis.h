// Shift-JIS (code page 932) byte-string helpers: character boundaries, the full-width
// test, searching that never matches from the middle of a character, and the parts of a
// path. Every text in the program is a byte string; a byte 0x5C that is the second byte of
// a double-byte character (ソ is 0x83 0x5C) is part of that character, never a backslash.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kawaban {

// A byte in 0x81-0x9F or 0xE0-0xFC starts a double-byte character.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length in bytes of the character starting at pos: 2 for a lead byte (even when it is the
// last byte of the text, so callers must clamp), otherwise 1.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
}

// True when every character of text is double-byte. A lead byte as the very last byte counts
// as a double-byte character. The empty text passes.
bool IsFullWidthText(std::string_view text);

// Position of the first occurrence of needle in text that starts at a character boundary
// of text, or npos. An empty needle is found at 0.
std::size_t FindAtCharBoundary(std::string_view text, std::string_view needle);

// Path parts. Separators are '\' and ':' (a trail byte 0x5C is none).
// FileNamePart("C:\\Links\\Tool.lnk") is "Tool.lnk"; the whole path when it has no separator.
std::string_view FileNamePart(std::string_view path);
// Extension("Tool.bak.lnk") is ".lnk"; empty when the last '.', '\' or ':' is no dot.
std::string_view Extension(std::string_view path);
// RemoveExtension("Tool.bak.lnk") is "Tool.bak".
std::string_view RemoveExtension(std::string_view path);
// FolderPart("C:\\Links\\Tool.lnk") is "C:\\Links"; "C:\\Tool.lnk" gives "C:\\" (a root keeps
// its separator); a path without separators gives "".
std::string_view FolderPart(std::string_view path);
// folder + "\" + name, as the program forms the paths of files beside the executable.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace kawaban
