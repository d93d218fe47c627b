// The word data file: the written layout, reading tokens in any layout, dropping duplicates
// ignoring case within one list, merging, and what a failed read or write leaves behind.
#include "words/word_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace kawaban {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

WordData Make(WordList who, WordList where, WordList what) {
    WordData words;
    words.Lists = {std::move(who), std::move(where), std::move(what)};
    return words;
}

WordList Numbered(int n) {
    WordList list;
    for (int i = 0; i < n; ++i)
        list.push_back("n" + std::to_string(i));
    return list;
}

WordData Read(std::string_view text) {
    WordData words;
    ReadWordText(words, text, false, Cp932CaseKey());
    return words;
}

TEST(WriteWordFile, WritesTheFixedLayoutWithCrLf) {
    EXPECT_EQ(FormatWordFile(Make({"ソフト屋", "表具師"}, {}, {"十回転んだ"})),
              "2\r\nソフト屋\r\n表具師\r\n\r\n0\r\n\r\n1\r\n十回転んだ\r\n");
    EXPECT_EQ(FormatWordFile(WordData()), "0\r\n\r\n0\r\n\r\n0\r\n");

    TempDir dir;
    const WordData words = Make({"猫"}, {"駅"}, {"歌った"});
    ASSERT_TRUE(WriteWordFile(words, dir.File("w.dat")));
    EXPECT_EQ(Slurp(dir.File("w.dat")), FormatWordFile(words));
}

TEST(ReadWordFile, ReadsTokensWhateverTheLayout) {
    const WordData expected = Make({"猫", "犬"}, {"駅前"}, {"歌った", "踊った"});
    const char* layouts[] = {
        "2\r\n猫\r\n犬\r\n\r\n1\r\n駅前\r\n\r\n2\r\n歌った\r\n踊った\r\n",  // as written
        "2 猫 犬 1 駅前 2 歌った 踊った",                                       // one line
        "\n\n  2\n\t猫\n\n犬\n\n\n1 駅前\n2\n歌った\v踊った\f",                 // LF, blanks, tabs
        "+2 猫 犬 1 駅前 2 歌った 踊った trailing tokens are ignored",
    };
    for (const char* text : layouts)
        EXPECT_EQ(Read(text).Lists, expected.Lists) << text;
}

TEST(ReadWordFile, CountsAndTheEndOfTheFile) {
    struct Case {
        const char* text;
        WordData expected;
    } cases[] = {
        // a count larger than the words of its section takes the next section's tokens
        {"1 a 3 b c 1 d", Make({"a"}, {"b", "c", "1"}, {})},
        // a did-what count beyond the end keeps what was read
        {"1 a 1 b 5 c d", Make({"a"}, {"b"}, {"c", "d"})},
        // zero and negative counts read nothing; a word where a count should be counts 0
        {"0 -2 x 1 y", Make({}, {}, {})},
        {"-1 2 a b 1 c", Make({}, {"a", "b"}, {"c"})},
        {"abc 1 a 1 b", Make({}, {"a"}, {"b"})},
        {"", Make({}, {}, {})},
        {"2 a", Make({"a"}, {}, {})},
        {"99999999999999999999999 a b", Make({"a", "b"}, {}, {})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.text).Lists, c.expected.Lists) << c.text;
}

TEST(ReadWordFile, DropsDuplicatesIgnoringCaseWithinOneList) {
    struct Case {
        const char* text;
        WordData expected;
    } cases[] = {
        {"3 猫 猫 犬 0 0", Make({"猫", "犬"}, {}, {})},
        {"2 ＡＢＣ ａｂｃ 0 0", Make({"ＡＢＣ"}, {}, {})},
        {"2 abc ABC 0 0", Make({"abc"}, {}, {})},
        {"2 ΑΒΓ αβγ 0 0", Make({"ΑΒΓ"}, {}, {})},
        // width and kana type stay different
        {"4 ＡＢＣ ABC あ ア 0 0", Make({"ＡＢＣ", "ABC", "あ", "ア"}, {}, {})},
        {"2 ｱ ア 0 0", Make({"ｱ", "ア"}, {}, {})},
        // ア is 0x83 0x41 and ヂ 0x83 0x61: trail bytes are never folded as letters
        {"2 ア ヂ 0 0", Make({"ア", "ヂ"}, {}, {})},
        // the same word in two lists stays in both
        {"1 猫 1 猫 1 猫", Make({"猫"}, {"猫"}, {"猫"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.text).Lists, c.expected.Lists) << c.text;
}

// Enough words to run the reader's batches and to outgrow its first table: a repeat far
// down a long list is still found, and nothing else is dropped.
TEST(ReadWordFile, DropsDuplicatesInLongLists) {
    for (int n : {40, 190, 1000}) {
        WordList distinct;
        std::string text = std::to_string(n + 2);
        for (int i = 0; i < n; ++i) {
            distinct.push_back("w" + std::to_string(i));
            text += " w" + std::to_string(i);
        }
        text += " W2 w" + std::to_string(n - 1) + " 0 0";  // two repeats, one in other case
        WordData words;
        ReadWordText(words, text, false, Cp932CaseKey());
        EXPECT_EQ(words.List(WordCategory::Who), distinct) << n;
    }
    // Merging a long list into itself adds nothing.
    WordData words = Make(Numbered(300), {}, {});
    ASSERT_TRUE(ReadWordText(words, FormatWordFile(words), true, Cp932CaseKey()));
    EXPECT_EQ(words.List(WordCategory::Who), Numbered(300));
}

TEST(ReadWordFile, SkipsTokensNoPersonWrites) {
    const std::string kept(kMaxReadWordBytes, 'k');
    const std::string skipped(kMaxReadWordBytes + 1, 's');
    WordData words;
    WordFileReport report;
    ReadWordText(words, "3 " + kept + " " + skipped + " 猫 1 駅 1 歌った", false, Cp932CaseKey(), &report);
    EXPECT_EQ(words.List(WordCategory::Who), (WordList{kept, "猫"}));
    EXPECT_EQ(words.List(WordCategory::Where), WordList{"駅"});  // the skipped token still counted
    EXPECT_EQ(report.sections[0].skipped, WordList{skipped});
    EXPECT_EQ(report.sections[0].tooLong, WordList{kept});
}

TEST(ReadWordFile, WrittenFilesReadBackTheSame) {
    TempDir dir;
    const WordData words = Make({"ソフトクリーム屋", "代表", "ABC"}, {"能舞台", "十字路"}, {"予習した"});
    ASSERT_TRUE(WriteWordFile(words, dir.File("r.dat")));
    WordData back;
    ASSERT_TRUE(ReadWordFile(back, dir.File("r.dat"), false, Cp932CaseKey()));
    EXPECT_EQ(back.Lists, words.Lists);

    // words equal ignoring case (the editor allows them) shrink to the first
    const WordData edited = Make({"ＸＹ", "ｘｙ", "ＸＹ"}, {"a"}, {"b"});
    ASSERT_TRUE(WriteWordFile(edited, dir.File("e.dat")));
    ASSERT_TRUE(ReadWordFile(back, dir.File("e.dat"), false, Cp932CaseKey()));
    EXPECT_EQ(back.Lists, Make({"ＸＹ"}, {"a"}, {"b"}).Lists);
}

TEST(ReadWordFile, MergeAddsOnlyNewWordsAndLeavesFlagsToTheCaller) {
    TempDir dir;
    Spit(dir.File("m.dat"), "3 ｎｅｋｏ 犬 鳥 1 駅 0");
    WordData words = Make({"ＮＥＫＯ", "犬"}, {"駅"}, {"歌った"});
    words.FilePath = "C:\\old.dat";
    ASSERT_TRUE(ReadWordFile(words, dir.File("m.dat"), true, Cp932CaseKey()));
    EXPECT_EQ(words.Lists, Make({"ＮＥＫＯ", "犬", "鳥"}, {"駅"}, {"歌った"}).Lists);
    EXPECT_EQ(words.FilePath, "C:\\old.dat");
    EXPECT_FALSE(words.Modified);
}

TEST(ReadWordFile, AFileThatCannotBeReadChangesNothing) {
    TempDir dir;
    WordData words = Make({"猫"}, {"駅"}, {"歌った"});
    words.FilePath = "keep.dat";
    words.Modified = true;
    words.CanAddFromFile = true;
    const WordData before = words;
    EXPECT_FALSE(ReadWordFile(words, dir.File("missing.dat"), false, Cp932CaseKey()));
    EXPECT_FALSE(ReadWordFile(words, dir.Path().string(), false, Cp932CaseKey()));
    EXPECT_EQ(words.Lists, before.Lists);
    EXPECT_EQ(words.FilePath, before.FilePath);
    EXPECT_TRUE(words.Modified);
    EXPECT_TRUE(words.CanAddFromFile);
}

TEST(ReadWordFile, ReportsWhatAnAuthorShouldKnow) {
    const std::string longWord(101, 'x');
    WordData words;
    WordFileReport report;
    ReadWordText(words, "3 猫 ねこ abc 2 駅 駅 x " + longWord + " 4 歌った", false, Cp932CaseKey(), &report);
    EXPECT_EQ(report.sections[0].wordsRead, 3u);
    EXPECT_EQ(report.sections[0].notFullWidth, WordList{"abc"});
    EXPECT_EQ(report.sections[1].duplicates, 1u);
    EXPECT_TRUE(report.sections[2].countInvalid);  // "x" stands where the count should be
    EXPECT_EQ(report.trailingTokens, 3u);
    EXPECT_EQ(words.List(WordCategory::DidWhat), WordList{});

    ReadWordText(words, "1 " + longWord + " -3", false, Cp932CaseKey(), &report);
    EXPECT_EQ(report.sections[0].tooLong, WordList{longWord});
    EXPECT_EQ(words.List(WordCategory::Who), WordList{longWord});  // kept, not cut
    EXPECT_EQ(report.sections[1].count, -3);
    EXPECT_TRUE(report.sections[2].countMissing);

    ReadWordText(words, "1 a 1 b 3 c", false, Cp932CaseKey(), &report);
    EXPECT_TRUE(report.sections[2].endOfFile);
    EXPECT_EQ(report.sections[2].wordsRead, 1u);
}

TEST(WriteWordFile, AFailedWriteLeavesTheOldFile) {
    TempDir dir;
    EXPECT_FALSE(WriteWordFile(Make({"a"}, {"b"}, {"c"}), dir.File("missing/w.dat")));
    // the target is a folder: nothing replaces it
    std::filesystem::create_directory(dir.Path() / "w.dat");
    EXPECT_FALSE(WriteWordFile(Make({"a"}, {"b"}, {"c"}), dir.File("w.dat")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "w.dat"));
}

}  // namespace
}  // namespace kawaban
