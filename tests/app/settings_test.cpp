// The settings file: the reader's line rules over a table of files, malformed files, the
// writer's exact bytes and the round trip, and reading and writing the real file.
#include "app/settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "test_support.h"

namespace kawaban {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

constexpr int kPpi = 96;

Settings Read(std::string_view text, Settings start = {}, bool moreFollows = false) {
    ApplySettingsText(text, moreFollows, kPpi, start);
    return start;
}

// The default file with one line replaced (1-based), CR LF line breaks.
std::string DefaultsWith(int line, const std::string& value) {
    std::string text;
    std::string_view rest = kDefaultSettingsText;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = rest.find("\r\n");
        text += (number == line ? value : std::string(rest.substr(0, end))) + "\r\n";
        rest.remove_prefix(end + 2);
    }
    return text;
}

TEST(ParseSettingsNumber, ReadsTheDecimalAtTheStartAndWraps) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"125\r\n", 125},         {"  -60\n", -60},          {"\t+7x", 7},
        {"12abc", 12},            {"abc", 0},                {"", 0},
        {"- 5", 0},               {"2147483647", 2147483647}, {"2147483648", -2147483647 - 1},
        {"4294967295", -1},       {"4294967296", 0},         {"99999999999", 1215752191},
        {"-2147483649", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingsNumber(c.text), c.value) << c.text;
}

TEST(MulDiv32, RoundsHalfAwayFromZeroAndFailsAsWindowsDoes) {
    const struct {
        int a, b, c, result;
    } cases[] = {
        {45, 96, 72, 60}, {-60, 72, 96, -45}, {22, 96, 72, 29}, {1, 1, 2, 1},       {-1, 1, 2, -1},
        {-3, 1, 2, -2},   {3, -1, 2, -2},     {5, 7, 0, -1},    {2147483647, 2, 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv32(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
    EXPECT_EQ(FontSizeFromHeight(-60, kPpi), 45);
    EXPECT_EQ(FontHeightFromSize(22, kPpi), -29);
    EXPECT_EQ(FontSizeFromHeight(-60, 120), 36);
}

TEST(ApplySettingsText, TheDefaultsGiveTheDefaultRecord) {
    const Settings read = Read(kDefaultSettingsText);
    const Settings defaults;
    EXPECT_FALSE(read.StartInPanel);
    EXPECT_FALSE(read.AlwaysOnTop);
    EXPECT_EQ(read.Speed, 50);
    EXPECT_EQ(read.Font, defaults.Font);
    EXPECT_EQ(read.Font, (FontChoice{"ＭＳ ゴシック", -60, 65535}));
    EXPECT_EQ(read.PanelLeft, 500);
    EXPECT_EQ(read.PanelTop, 125);
    EXPECT_FALSE(read.WordDataPath);
}

// One line changed in an otherwise default file, and what the record then holds.
TEST(ApplySettingsText, EachLineByItsRule) {
    const struct {
        int line;
        const char* value;
        std::function<bool(const Settings&)> holds;
        const char* what;
    } cases[] = {
        {1, "3", [](const Settings& s) { return s.StartInPanel && s.AlwaysOnTop; }, "3: panel alone, on top"},
        {1, "1", [](const Settings& s) { return s.StartInPanel && !s.AlwaysOnTop; }, "1: panel alone"},
        {1, "2", [](const Settings& s) { return !s.StartInPanel && s.AlwaysOnTop; }, "2: on top"},
        {2, "0", [](const Settings& s) { return s.Speed == 1; }, "speed 0 shows as 1"},
        {2, "500", [](const Settings& s) { return s.Speed == 100; }, "speed 500 shows as 100"},
        {2, "-5", [](const Settings& s) { return s.Speed == 1; }, "negative speed"},
        {3, "", [](const Settings& s) { return s.Font.name == "ＭＳ ゴシック"; }, "empty name keeps the name"},
        {3, "ＭＳ 明朝", [](const Settings& s) { return s.Font.name == "ＭＳ 明朝"; }, "a name"},
        {4, "30", [](const Settings& s) { return s.Font.height == -60; }, "the height line wins over the size"},
        {5, "-30", [](const Settings& s) { return s.Font.height == -30; }, "height"},
        {5, "80", [](const Settings& s) { return s.Font.height == 80; }, "positive height"},
        {6, "4294967295", [](const Settings& s) { return s.Font.color == 0xFFFFFFFFu; }, "colour unsigned"},
        {6, "-1", [](const Settings& s) { return s.Font.color == 0xFFFFFFFFu; }, "colour signed, same bits"},
        {6, "255", [](const Settings& s) { return s.Font.color == 255u; }, "red"},
        {7, "1", [](const Settings& s) { return s.Font.bold; }, "bold"},
        {7, "2", [](const Settings& s) { return !s.Font.bold; }, "2 is no bold"},
        {7, "yes", [](const Settings& s) { return !s.Font.bold; }, "a word is no bold"},
        {8, " 1", [](const Settings& s) { return s.Font.italic; }, "blanks before the 1"},
        {9, "1abc", [](const Settings& s) { return s.Font.underline; }, "the number at the start"},
        {10, "01", [](const Settings& s) { return s.Font.strikeOut; }, "leading zero"},
        {11, "-1200", [](const Settings& s) { return s.PanelLeft == -1200; }, "left on a screen to the left"},
        {12, "99999999999", [](const Settings& s) { return s.PanelTop == 1215752191; }, "top wraps"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.holds(Read(DefaultsWith(c.line, c.value)))) << "line " << c.line << ": " << c.what;
}

TEST(ApplySettingsText, TheWordDataLine) {
    const std::string twelve = kDefaultSettingsText;
    const std::string path254 = "C:\\" + std::string(247, 'w') + ".dat";
    ASSERT_EQ(path254.size(), 254u);
    const struct {
        std::string text;
        std::optional<std::string> path;
        const char* what;
    } cases[] = {
        {twelve, std::nullopt, "twelve lines: none"},
        {twelve + "C:\\単語\\news.dat\r\n", "C:\\単語\\news.dat", "CR LF"},
        {twelve + "C:\\news.dat\n", "C:\\news.dat", "LF"},
        {twelve + "C:\\news.dat", std::nullopt, "no line break at the end: ignored"},
        {twelve + path254 + "\r\n", path254, "254 bytes come back whole"},
        {twelve + path254 + "x\r\n", path254, "255 bytes are cut to 254"},
        {twelve + "C:\\a.dat\r\nC:\\b.dat\r\n", "C:\\a.dat", "a 14th line is never read"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.text).WordDataPath, c.path) << c.what;
}

TEST(ApplySettingsText, AShortFileKeepsTheValuesInForce) {
    Settings start;
    start.Speed = 7;
    start.Font = {"Courier", -20, 255, true, false, true, false};
    start.PanelLeft = 11;
    start.PanelTop = 22;
    // Three lines: the rest stays as it was.
    const Settings three = Read("1\r\n80\r\nIPAGothic\r\n", start);
    EXPECT_TRUE(three.StartInPanel);
    EXPECT_EQ(three.Speed, 80);
    EXPECT_EQ(three.Font, (FontChoice{"IPAGothic", -20, 255, true, false, true, false}));
    EXPECT_EQ(three.PanelLeft, 11);
    EXPECT_EQ(three.PanelTop, 22);
    // Four lines: the size sets the height; an empty file changes nothing.
    EXPECT_EQ(Read("0\r\n50\r\nIPAGothic\r\n30\r\n", start).Font.height, -40);
    const Settings empty = Read("", start);
    EXPECT_EQ(empty.Speed, 7);
    EXPECT_EQ(empty.Font, start.Font);
    // A last line without a line break is still a line (only the 13th needs one).
    EXPECT_EQ(Read(DefaultsWith(12, "77").substr(0, DefaultsWith(12, "77").size() - 2)).PanelTop, 77);
}

TEST(ApplySettingsText, MalformedFilesGiveSoundValues) {
    // A line longer than the buffer: its rest is read as the next line.
    const Settings spill = Read(std::string(255, '1') + "42\r\n");
    EXPECT_EQ(spill.Speed, 42);
    // NUL inside a name: the name ends there, minus its last character.
    EXPECT_EQ(Read(DefaultsWith(3, std::string("ABC\0DEF", 7))).Font.name, "AB");
    // A lone CR is no line break.
    EXPECT_EQ(Read("0\r50\r\n").Speed, 50);
    EXPECT_TRUE(Read("1\r50\r\n").StartInPanel);

    // Random bytes: no crash, and every value stays in its range.
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 5000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 7 == 0 ? '\n' : random());
        const Settings s = Read(bytes);
        EXPECT_GE(s.Speed, 1);
        EXPECT_LE(s.Speed, 100);
        EXPECT_FALSE(s.Font.name.empty());
        if (s.WordDataPath) {
            EXPECT_LE(s.WordDataPath->size(), 254u);
        }
    }
}

TEST(FormatSettings, WritesTheDefaultsByteForByteAndRoundTrips) {
    const Settings defaults;
    EXPECT_EQ(FormatSettings(defaults, false, "", kPpi), kDefaultSettingsText);

    Settings s;
    s.AlwaysOnTop = true;
    s.Speed = 3;
    s.Font = {"IPAGothic", -30, 0xFFFFFFFFu, true, true, false, true};
    s.PanelLeft = -40;
    s.PanelTop = 600;
    const std::string text = FormatSettings(s, true, "C:\\単語\\news.dat", kPpi);
    EXPECT_EQ(text,
              "3\r\n3\r\nIPAGothic\r\n23\r\n-30\r\n4294967295\r\n1\r\n1\r\n0\r\n1\r\n-40\r\n600\r\n"
              "C:\\単語\\news.dat\r\n");
    const Settings back = Read(text);
    EXPECT_TRUE(back.StartInPanel);
    EXPECT_TRUE(back.AlwaysOnTop);
    EXPECT_EQ(back.Speed, 3);
    EXPECT_EQ(back.Font, s.Font);
    EXPECT_EQ(back.PanelLeft, -40);
    EXPECT_EQ(back.PanelTop, 600);
    EXPECT_EQ(back.WordDataPath, "C:\\単語\\news.dat");
}

TEST(SettingsFile, PathReadAndSafeWrite) {
    EXPECT_EQ(SettingsPath("C:\\Games\\Kawaban.exe"), "C:\\Games\\kawaban.cfg");
    EXPECT_EQ(SettingsPath("C:\\Kawaban.scr"), "C:\\kawaban.cfg");
    EXPECT_EQ(SettingsPath("C:\\ソ\\Kawaban.exe"), "C:\\ソ\\kawaban.cfg");  // ソ ends in 0x5C

    TempDir dir;
    const std::string path = dir.File("kawaban.cfg");
    std::string text;
    bool more = true;
    EXPECT_FALSE(ReadSettingsFile(path, text, more));               // missing
    EXPECT_FALSE(ReadSettingsFile(dir.Path().string(), text, more));  // a folder

    ASSERT_TRUE(WriteSettingsFile(path, kDefaultSettingsText));
    ASSERT_TRUE(ReadSettingsFile(path, text, more));
    EXPECT_EQ(text, kDefaultSettingsText);
    EXPECT_FALSE(more);

    // A 10 MB single line: only its start is read, and the 13th line, 254 bytes of it, is
    // no end of file.
    Spit(path, std::string(10 << 20, '7'));
    ASSERT_TRUE(ReadSettingsFile(path, text, more));
    EXPECT_EQ(text.size(), kSettingsReadLimit);
    EXPECT_TRUE(more);
    Settings s;
    ApplySettingsText(text, more, kPpi, s);
    EXPECT_EQ(s.Speed, 100);
    EXPECT_EQ(s.Font.name, std::string(254, '7'));
    EXPECT_EQ(s.WordDataPath, std::string(254, '7'));

    // Where nothing can be written the write says so.
    EXPECT_FALSE(WriteSettingsFile(dir.File("no-such-folder/kawaban.cfg"), kDefaultSettingsText));
    EXPECT_FALSE(WriteSettingsFile(dir.Path().string(), kDefaultSettingsText));
}

#ifndef _WIN32
// A write that breaks off part way (the file-size limit, as a full disk would) leaves the old
// settings file whole: never a truncated kawaban.cfg.
TEST(SettingsFile, AWriteThatBreaksOffKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("kawaban.cfg");
    const std::string old = "1\r\n20\r\n";
    Spit(path, old);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteSettingsFile(path, kDefaultSettingsText);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(Slurp(path), old);
}
#endif

}  // namespace
}  // namespace kawaban
