// Shift-JIS helpers: the full-width test, boundary-aware search and the path parts, with
// the double-byte characters whose second byte is 0x5C (ソ 表 能 十 予).
#include "text/sjis.h"

#include <gtest/gtest.h>

namespace kawaban {
namespace {

TEST(IsFullWidthText, AcceptsOnlyDoubleByteCharacters) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"", true},
        {"ＡＢＣ", true},
        {"あいう", true},
        {"ソ表能十予", true},
        {"　", true},  // full-width space
        {"１２３", true},
        {"ABC", false},
        {"abc", false},
        {"ｱ", false},  // half-width katakana
        {"あｱい", false},
        {"あ a", false},
        {"ＡＢC", false},
        {" ", false},
        {"\x82", true},       // a lead byte as the last byte counts as double-byte
        {"あ\x82", true},
        {"\x82\x20", true},   // the byte after a lead byte belongs to it, whatever it is
        {"\x80", false},
        {"\xFD", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFullWidthText(c.text), c.expected) << c.text;
}

TEST(FindAtCharBoundary, NeverMatchesInsideADoubleByteCharacter) {
    const std::size_t npos = std::string_view::npos;
    struct Case {
        std::string_view text;
        std::string_view needle;
        std::size_t expected;
    } cases[] = {
        {"ソ", "\\", npos},                // 0x5C is ソ's second byte
        {"ソ\\", "\\", 2},                 // the same byte standing alone is found
        {"表示", "\x5C", npos},
        {"ＡＢ", "\x60\x82", npos},        // would straddle two characters
        {"ＡＢ", "Ｂ", 2},
        {"あいう", "いう", 2},
        {"abcソabc", "abc", 0},
        {"xソabc", "abc", 3},
        {"ＡＢ", "", 0},
        {"", "a", npos},
        {"ab", "abc", npos},
        {"\x82", "\x82", 0},               // a lone lead byte at the end
        {"ｱｲ", "ｲ", 1},                   // half-width katakana are single bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindAtCharBoundary(c.text, c.needle), c.expected) << c.text << " / " << c.needle;
}

TEST(PathParts, FollowTheSeparatorRules) {
    struct Case {
        std::string_view path, folder, name, extension, withoutExtension;
    } cases[] = {
        {"C:\\Links\\Tool.lnk", "C:\\Links", "Tool.lnk", ".lnk", "C:\\Links\\Tool"},
        {"C:\\Tool.lnk", "C:\\", "Tool.lnk", ".lnk", "C:\\Tool"},
        {"Tool.bak.lnk", "", "Tool.bak.lnk", ".lnk", "Tool.bak"},
        {"Tool", "", "Tool", "", "Tool"},
        {"", "", "", "", ""},
        {"C:Tool.lnk", "C:", "Tool.lnk", ".lnk", "C:Tool"},
        {"\\Tool.lnk", "\\", "Tool.lnk", ".lnk", "\\Tool"},
        {"\\\\server\\share\\a.lnk", "\\\\server\\share", "a.lnk", ".lnk", "\\\\server\\share\\a"},
        {"C:\\dir.d\\file", "C:\\dir.d", "file", "", "C:\\dir.d\\file"},
        {"C:\\dir\\", "C:\\dir", "", "", "C:\\dir\\"},
        // 0x5C as a trail byte is no separator
        {"C:\\ソフト\\表.lnk", "C:\\ソフト", "表.lnk", ".lnk", "C:\\ソフト\\表"},
        {"C:\\ソ", "C:\\", "ソ", "", "C:\\ソ"},
        {"C:\\予\\ソ.十", "C:\\予", "ソ.十", ".十", "C:\\予\\ソ"},
        {"能\\x", "能", "x", "", "能\\x"},  // a double-byte character before the '\' drops it
        {"十.能", "", "十.能", ".能", "十"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(Extension(c.path), c.extension) << c.path;
        EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension) << c.path;
    }
}

TEST(PathParts, JoinPathAddsOneSeparator) {
    EXPECT_EQ(JoinPath("C:\\ソフト", "kawaban.cfg"), "C:\\ソフト\\kawaban.cfg");
    EXPECT_EQ(JoinPath(FolderPart("C:\\Games\\Kawaban.scr"), "kawaban.bat"), "C:\\Games\\kawaban.bat");
}

}  // namespace
}  // namespace kawaban
