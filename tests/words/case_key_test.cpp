// The portable case-insensitive key: which words count as equal.
#include "words/case_key.h"

#include <gtest/gtest.h>

namespace kawaban {
namespace {

std::string KeyOf(std::string_view word, const CaseKey& key = Cp932CaseKey()) {
    std::string scratch;
    return std::string(key.Key(word, scratch));
}

// The portable key, and the platform's (on Windows the locale's sort key), must agree.
TEST(CaseKey, FoldsLetterCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"abc", "ABC", true},
        {"ＡＢＣ", "ａｂｃ", true},
        {"ΑΒΓΩ", "αβγω", true},
        {"АЁЯ", "аёя", true},         // Cyrillic, with Ё/ё (outside the alphabet's run)
        {"ＭｉＸ", "ｍＩｘ", true},
        {"Ⅳ", "ⅳ", true},             // Roman numerals (IBM extension)
        {"\xEE\xF2", "\x87\x57", true},  // ⅳ (NEC-selected IBM) and Ⅳ (NEC)
        {"\xFA\x4D", "\x87\x57", true},  // the IBM copy of Ⅳ
        {"ソa", "ソA", true},           // letters after a 0x5C-trail character
        {"ABC", "ＡＢＣ", false},       // width is kept
        {"あ", "ア", false},            // kana type is kept
        {"ｱ", "ア", false},
        {"ア", "ヂ", false},            // 0x83 0x41 / 0x83 0x61: trail bytes are not letters
        {"セ", "ホ", false},            // 0x83 0x5A / 0x83 0x7A
        {"ソ", "\x83\x7C", false},      // ソ's trail 0x5C is no letter either
        {"abc", "abd", false},
    };
    const Cp932CaseKey portable;
    for (const CaseKey* key : {static_cast<const CaseKey*>(&portable), &PlatformCaseKey()}) {
        for (const Case& c : cases)
            EXPECT_EQ(KeyOf(c.a, *key) == KeyOf(c.b, *key), c.equal) << c.a << " / " << c.b;
    }
}

TEST(CaseKey, TreatsBothCopiesOfACharacterAsOne) {
    struct Case {
        const char* a;
        const char* b;
    } cases[] = {
        {"\xED\x40", "\xFA\x5C"},  // 纊: NEC-selected IBM and IBM copies
        {"\xEE\xEC", "\xFC\x4B"},  // 黑, the last of the run
        {"\xED\x62", "\xFA\x7E"},  // across the trail byte 0x7F, which does not exist
        {"\xED\x63", "\xFA\x80"},
        {"\x87\x90", "\x81\xE0"},  // ≒
        {"\xFA\x5B", "\x81\xE6"},  // ∵
        {"\xEE\xF9", "\x81\xCA"},  // ￢
        {"\xFA\x54", "\x81\xCA"},
        {"\xFA\x58", "\x87\x8A"},  // ㈱
    };
    const Cp932CaseKey portable;
    for (const CaseKey* key : {static_cast<const CaseKey*>(&portable), &PlatformCaseKey()}) {
        for (const Case& c : cases)
            EXPECT_EQ(KeyOf(c.a, *key), KeyOf(c.b, *key)) << c.a;
    }
}

TEST(Cp932CaseKey, KeepsOddBytesIntact) {
    EXPECT_EQ(KeyOf("\x82"), "\x82");  // a lone lead byte at the end
    EXPECT_EQ(KeyOf("\xED\x7F"), "\xED\x7F");  // no trail byte: no character, nothing to fold
    EXPECT_EQ(KeyOf("\xFA\x3F"), "\xFA\x3F");
    EXPECT_EQ(KeyOf(std::string("a\0b", 3)), std::string("A\0B", 3));
    EXPECT_EQ(KeyOf(""), "");
}

}  // namespace
}  // namespace kawaban
