// Conversion between Shift-JIS (code page 932) and UTF-8 for the command-line tool.
// Single bytes are converted here (ASCII, half-width katakana); double-byte characters go
// through the platform's code page 932 table (iconv, or Windows' own), one character at a
// time, so both builds split the text the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kawaban {

// Shift-JIS to UTF-8. A byte or pair that code page 932 does not define becomes U+FFFD;
// undecodable, when given, receives how many did.
std::string Cp932ToUtf8(std::string_view text, std::size_t* undecodable = nullptr);

struct Utf8Error {
    std::size_t offset = 0;  // byte offset in the UTF-8 text of the character that failed
    char32_t codePoint = 0;  // the character (0 when the UTF-8 itself was malformed)
};

// UTF-8 to Shift-JIS. False, with error filled in, at the first character that is malformed
// or that code page 932 cannot hold.
bool Utf8ToCp932(std::string_view text, std::string& out, Utf8Error& error);

// Platform parts (cp932_codec_posix.cpp, cp932_codec_win32.cpp): one double-byte character.
bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t& codePoint);
bool EncodeCp932DoubleByte(char32_t codePoint, unsigned char& lead, unsigned char& trail);

}  // namespace kawaban
