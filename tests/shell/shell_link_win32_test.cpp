// The shortcut maker over Wine's real shell link object: what CreateLink writes, AnalizeLink
// reads back (Shift-JIS names and values included); names and values longer than the
// platform's buffers fail or come back shortened, terminated and in whole characters; files
// that are no shortcut are refused; and the component's COM initialisation leaves a thread's
// own one alone.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "shell/shell_link_win32.h"
#include "shell/shortcut_maker.h"
#include "test_support.h"
#include "text/sjis.h"

namespace kawaban {
namespace {

// Everything a caller can see of a component but the show command, which Wine's reader
// does not give back (see below).
struct Seen {
    std::string dir, name, linkPath, workDir, iconPath, argument;
    std::int32_t iconNo;
    std::uint16_t hotKey;
    bool operator==(const Seen&) const = default;
};
Seen SeenOf(const TSCMake& m) {
    return {m.SCDir, m.SCName, m.LinkPath, m.WorkDir, m.IconPath, m.Argument, m.IconNo, m.HotKey()};
}
std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{" << s.dir << " | " << s.name << " | " << s.linkPath << " | " << s.workDir << " | " << s.iconPath
               << " | " << s.argument << " | " << s.iconNo << " | " << std::hex << s.hotKey << std::dec << "}";
}

// The show command as the shortcut file's header holds it (offset 0x3C).
std::int32_t StoredShowCommand(const std::string& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes) || bytes.size() < 0x40)
        return -1;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[0x3C + i]);
    return static_cast<std::int32_t>(value);
}

// Ends with a whole character: no lead byte is left without its second byte.
bool EndsWithWholeCharacter(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size())
        i += CharLength(text, i);
    return i == text.size();
}

class ShellLinkWin32 : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the tests must run with code page 932 (LANG=ja_JP.UTF-8)"; }
    test::TempDir temp;
    const std::string folder = temp.Path().string();
};

TEST_F(ShellLinkWin32, AnalizeLinkReadsBackWhatCreateLinkWrote) {
    struct Case {
        const char* name;
        std::optional<WNDSTATE> state;  // none: a new component's show command 0
        std::int32_t showCmd;
        std::uint16_t key;
        const char* argument;
        std::int32_t icon;
    } cases[] = {
        {"「でたらめ瓦版」", WNDSTATE::Maximize, 3, 0x6074, "/s 表示", 2},
        {"ソフト表", WNDSTATE::Minimize, 7, 0xC041, "", 0},
        {"Tool.bak", WNDSTATE::Normal, 5, 0, "-x \"a b\"", 7},
        {"new", std::nullopt, 0, 0, "", 0},
    };
    for (const Case& c : cases) {
        TSCMake writer(MakeComShellLinkFactory());
        writer.SCDir = folder;
        writer.SCName = c.name;
        writer.LinkPath = folder + "\\ソフト\\Kawaban.exe";
        writer.WorkDir = folder + "\\ソフト";
        writer.IconPath = folder + "\\ソフト\\Kawaban.scr";
        writer.IconNo = c.icon;
        writer.Argument = c.argument;
        if (c.state)
            writer.SetWndState(*c.state);
        writer.SetSCKey(c.key);
        ASSERT_EQ(writer.CreateLink(), 0) << c.name;
        const std::string file = folder + "\\" + c.name + ".lnk";
        EXPECT_EQ(StoredShowCommand(file), c.showCmd) << c.name;

        TSCMake reader(MakeComShellLinkFactory());  // a second component while the first lives
        ASSERT_EQ(reader.AnalizeLink(file), 0) << c.name;
        EXPECT_EQ(SeenOf(reader), SeenOf(writer)) << c.name;
        // Wine's shell link object gives SW_SHOWNORMAL for every show command it reads.
        EXPECT_TRUE(reader.ShowCmd() == c.showCmd || reader.ShowCmd() == 1) << c.name << ": " << reader.ShowCmd();
    }
}

TEST_F(ShellLinkWin32, OverlongNameFailsAndOverlongValuesComeBackShortened) {
    TSCMake maker(MakeComShellLinkFactory());
    maker.SCDir = folder;
    maker.SCName = std::string(300, 'n');
    maker.LinkPath = folder + "\\tool.exe";
    EXPECT_LT(maker.CreateLink(), 0) << "a name beyond 260 UTF-16 units";
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));

    // Values the shell stores whole but gives back in 260-byte buffers; 表表… cut after 259
    // bytes would end in half a character.
    std::string wide;
    for (int i = 0; i < 300; ++i)
        wide += "表";
    maker.SCName = "long";
    maker.LinkPath = folder + "\\" + std::string(300, 'p') + ".exe";
    maker.WorkDir = folder + "\\" + wide;
    maker.IconPath = folder + "\\" + std::string(300, 'i') + ".ico";
    maker.Argument = wide;
    // Wine stores such values and gives them back shortened; both steps must succeed here.
    ASSERT_EQ(maker.CreateLink(), 0);
    TSCMake reader(MakeComShellLinkFactory());
    ASSERT_EQ(reader.AnalizeLink(folder + "\\long.lnk"), 0);
    for (const std::string* text : {&reader.LinkPath, &reader.WorkDir, &reader.IconPath, &reader.Argument}) {
        EXPECT_LT(text->size(), 260u);
        EXPECT_TRUE(EndsWithWholeCharacter(*text)) << *text;
    }
}

TEST_F(ShellLinkWin32, AnalizeLinkRefusesFilesThatAreNoShortcut) {
    test::Spit(folder + "\\garbage.lnk", "This is no shell link at all.\r\n");
    test::Spit(folder + "\\empty.lnk", "");
    ASSERT_TRUE(CreateDirectoryA((folder + "\\folder.lnk").c_str(), nullptr));
    TSCMake maker(MakeComShellLinkFactory());
    maker.SCDir = "C:\\Dir";
    maker.SCName = "Name";
    maker.LinkPath = "C:\\target.exe";
    maker.SetSCKey(0x6074);
    const Seen before = SeenOf(maker);
    for (const char* name : {"garbage.lnk", "empty.lnk", "folder.lnk", "missing.lnk"}) {
        EXPECT_EQ(maker.AnalizeLink(folder + "\\" + name), kRefused) << name;
        EXPECT_EQ(SeenOf(maker), before) << name;
    }
}

TEST(ShellLinkFactoryWin32, LeavesAThreadInAnotherApartmentAsItFoundIt) {
    test::TempDir temp;
    const std::string folder = temp.Path().string();
    std::thread([&] {
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            TSCMake maker(MakeComShellLinkFactory());  // its CoInitialize fails here
            maker.SCDir = folder;
            maker.SCName = "mta";
            maker.LinkPath = folder + "\\tool.exe";
            EXPECT_EQ(maker.CreateLink(), 0);
        }
        // Still initialised: the component did not uninitialise what it had not initialised.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

}  // namespace
}  // namespace kawaban
