// Portable case-insensitive key over code page 932; see case_key.h.
#include "words/case_key.h"

#include <cstdint>

#include "text/sjis.h"

namespace kawaban {
namespace {

// Index of a double-byte code among the trail bytes 0x40-0xFC (0x7F is never a trail byte),
// so that runs of codes that skip 0x7F can be mapped onto each other by arithmetic.
constexpr int Linear(std::uint16_t code) {
    const int lead = code >> 8;
    const int trail = code & 0xFF;
    return lead * 188 + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
}

constexpr std::uint16_t FromLinear(int index) {
    const int lead = index / 188;
    int trail = index % 188 + 0x40;
    if (trail >= 0x7F)
        ++trail;
    return static_cast<std::uint16_t>(lead << 8 | trail);
}

struct Alias {
    std::uint16_t code;
    std::uint16_t canonical;
};

// Single characters that code page 932 holds twice, mapped onto one copy.
constexpr Alias kAliases[] = {
    {0x8790, 0x81E0}, {0x8791, 0x81DF}, {0x8792, 0x81E7}, {0x8795, 0x81E3}, {0x8796, 0x81DB},
    {0x8797, 0x81DA}, {0x879A, 0x81E6}, {0x879B, 0x81BF}, {0x879C, 0x81BE}, {0xFA5B, 0x81E6},
    {0xEEF9, 0x81CA}, {0xFA54, 0x81CA}, {0xEEFA, 0xFA55}, {0xEEFB, 0xFA56}, {0xEEFC, 0xFA57},
    {0xFA58, 0x878A}, {0xFA59, 0x8782}, {0xFA5A, 0x8784},
};

std::uint16_t FoldAlias(std::uint16_t c) {
    for (const Alias& alias : kAliases) {
        if (alias.code == c)
            return alias.canonical;
    }
    return c;
}

// By lead byte, so that the common kana and kanji pass with one comparison. A pair whose
// second byte is no trail byte is no character and stays as it is.
std::uint16_t FoldDoubleByte(std::uint16_t c) {
    const unsigned trail = c & 0xFF;
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return c;
    switch (c >> 8) {
        case 0x82:  // full-width ａ-ｚ -> Ａ-Ｚ
            return c >= 0x8281 && c <= 0x829A ? c - 0x21 : c;
        case 0x83:  // Greek α-ω -> Α-Ω
            return c >= 0x83BF && c <= 0x83D6 ? c - 0x20 : c;
        case 0x84:  // Cyrillic а-н -> А-Н, о-я -> О-Я
            if (c >= 0x8470 && c <= 0x847E)
                return c - 0x30;
            return c >= 0x8480 && c <= 0x8491 ? c - 0x31 : c;
        case 0x87:
            return FoldAlias(c);
        case 0xED:
        case 0xEE:
            if (c >= 0xEEEF && c <= 0xEEF8)  // small Roman numerals ⅰ-ⅹ (NEC-selected IBM) -> Ⅰ-Ⅹ
                return c - 0xEEEF + 0x8754;
            if (c <= 0xEEEC)  // NEC-selected IBM kanji, in the same order as the IBM ones
                return FromLinear(Linear(c) - Linear(0xED40) + Linear(0xFA5C));
            return FoldAlias(c);
        case 0xFA:
            if (c >= 0xFA40 && c <= 0xFA49)  // small Roman numerals (IBM) -> Ⅰ-Ⅹ
                return c - 0xFA40 + 0x8754;
            if (c >= 0xFA4A && c <= 0xFA53)  // capital Roman numerals (IBM copy) -> Ⅰ-Ⅹ
                return c - 0xFA4A + 0x8754;
            return FoldAlias(c);
        default:
            return c;
    }
}

// Only characters with these lead bytes ever fold.
constexpr bool MayFold(unsigned char lead) {
    return (lead >= 0x82 && lead <= 0x84) || lead == 0x87 || lead == 0xED || lead == 0xEE || lead == 0xFA;
}

}  // namespace

std::string_view Cp932CaseKey::Key(std::string_view word, std::string& scratch) const {
    // Most words hold nothing to fold: find the first character that changes, if any.
    std::size_t i = 0;
    std::uint16_t code = 0;
    std::uint16_t folded = 0;
    for (; i < word.size(); i += CharLength(word, i)) {
        const auto lead = static_cast<unsigned char>(word[i]);
        if (!IsLeadByte(lead)) {
            if (lead >= 'a' && lead <= 'z')
                break;
            continue;
        }
        if (i + 1 >= word.size())
            return word;  // a lone lead byte at the end stays as it is
        if (!MayFold(lead))
            continue;
        code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(word[i + 1]));
        folded = FoldDoubleByte(code);
        if (folded != code)
            break;
    }
    if (i >= word.size())
        return word;

    scratch.assign(word);
    for (; i < scratch.size();) {
        const auto lead = static_cast<unsigned char>(scratch[i]);
        if (!IsLeadByte(lead)) {
            if (lead >= 'a' && lead <= 'z')
                scratch[i] = static_cast<char>(lead - 'a' + 'A');
            ++i;
            continue;
        }
        if (i + 1 >= scratch.size())
            break;
        code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(scratch[i + 1]));
        folded = FoldDoubleByte(code);
        scratch[i] = static_cast<char>(folded >> 8);
        scratch[i + 1] = static_cast<char>(folded & 0xFF);
        i += 2;
    }
    return scratch;
}

}  // namespace kawaban
