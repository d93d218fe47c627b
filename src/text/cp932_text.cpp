// Shift-JIS <-> UTF-8; see cp932_text.h.
#include "text/cp932_text.h"

#include "text/sjis.h"

namespace kawaban {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

constexpr bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Decodes one UTF-8 character at pos; false when malformed (overlong, surrogate, truncated).
bool NextUtf8(std::string_view text, std::size_t& pos, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    int extra;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        ++pos;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= text.size())
        return false;
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    pos += extra + 1;
    return true;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view text, std::size_t* undecodable) {
    std::size_t failures = 0;
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) {
            AppendUtf8(out, 0xFF61 + (b - 0xA1));  // half-width katakana
            ++i;
        } else if (IsLeadByte(b) && i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
            char32_t c;
            if (!DecodeCp932Pair(b, static_cast<unsigned char>(text[i + 1]), c)) {
                c = kReplacement;
                ++failures;
            }
            AppendUtf8(out, c);
            i += 2;
        } else {
            AppendUtf8(out, kReplacement);  // a byte no character starts with, or a lone lead byte
            ++failures;
            ++i;
        }
    }
    if (undecodable)
        *undecodable = failures;
    return out;
}

bool Utf8ToCp932(std::string_view text, std::string& out, Utf8Error& error) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        char32_t c = 0;
        if (!NextUtf8(text, pos, c)) {
            error = {start, 0};
            return false;
        }
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            result += static_cast<char>(0xA1 + (c - 0xFF61));
        } else {
            unsigned char lead, trail;
            char32_t back;
            // Only a character that comes back unchanged counts: no "best fit" stand-ins.
            if (!EncodeCp932DoubleByte(c, lead, trail) || !IsLeadByte(lead) ||
                !DecodeCp932Pair(lead, trail, back) || back != c) {
                error = {start, c};
                return false;
            }
            result += static_cast<char>(lead);
            result += static_cast<char>(trail);
        }
    }
    out.swap(result);
    return true;
}

}  // namespace kawaban
