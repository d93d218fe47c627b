// Shift-JIS <-> UTF-8 for the command-line tool, with the platform's code page 932 table.
#include "text/cp932_text.h"

#include <gtest/gtest.h>

namespace kawaban {
namespace {

std::string U8(std::u8string_view s) {
    return std::string(s.begin(), s.end());
}

TEST(Cp932ToUtf8, DecodesAndMarksWhatIsNoCharacter) {
    struct Case {
        std::string sjis;
        std::string utf8;
        std::size_t undecodable;
    } cases[] = {
        {"ソ表能十予", U8(u8"ソ表能十予"), 0},
        {"abc\\", "abc\\", 0},
        {"ｱｲｳ", U8(u8"ｱｲｳ"), 0},
        {"ＡＢ①Ⅳ", U8(u8"ＡＢ①Ⅳ"), 0},
        {"\x80", U8(u8"\uFFFD"), 1},
        {"\xFD\xFE\xFF", U8(u8"\uFFFD\uFFFD\uFFFD"), 3},
        {"あ\x82", U8(u8"あ\uFFFD"), 1},         // a lead byte at the end
        {"\x82 a", U8(u8"\uFFFD a"), 1},          // a lead byte before no trail byte
        {"\x5C\x82\xA0", U8(u8"\\あ"), 0},
        {"\x5C\x45", "\\E", 0},                   // the second half of ソ・ stands alone
        {"\x85\x40", U8(u8"\uFFFD"), 1},          // a pair code page 932 leaves empty
    };
    for (const Case& c : cases) {
        std::size_t undecodable = 99;
        EXPECT_EQ(Cp932ToUtf8(c.sjis, &undecodable), c.utf8) << c.sjis;
        EXPECT_EQ(undecodable, c.undecodable) << c.sjis;
    }
}

TEST(Utf8ToCp932, EncodesOrNamesTheFirstCharacterItCannot) {
    std::string out;
    Utf8Error error;
    ASSERT_TRUE(Utf8ToCp932(U8(u8"ソ表 abc ｱ\r\n"), out, error));
    EXPECT_EQ(out, "ソ表 abc ｱ\r\n");

    struct Failure {
        std::string utf8;
        std::size_t offset;
        char32_t codePoint;
    } failures[] = {
        {U8(u8"ab€"), 2, U'€'},
        {U8(u8"é"), 0, U'é'},         // no best-fit stand-in
        {U8(u8"あ😀"), 3, U'😀'},
        {U8(u8"¥"), 0, U'¥'},
        {"a\xC3\x28", 1, 0},           // malformed
        {"\xC0\x80", 0, 0},            // overlong
        {"\xE3\x81", 0, 0},            // truncated
        {"\xED\xA0\x80", 0, 0},        // a surrogate
    };
    for (const Failure& f : failures) {
        out = "untouched";
        EXPECT_FALSE(Utf8ToCp932(f.utf8, out, error)) << f.utf8;
        EXPECT_EQ(error.offset, f.offset) << f.utf8;
        EXPECT_EQ(error.codePoint, f.codePoint) << f.utf8;
        EXPECT_EQ(out, "untouched");
    }
}

}  // namespace
}  // namespace kawaban
