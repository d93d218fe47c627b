// The Start-menu command over a recording shell link: the folder and the two shortcuts for
// executables in a folder, in a drive root and in a folder whose name holds a 0x5C trail
// byte; a failing first shortcut; and nothing at all without a Programs folder.
#include "shell/start_menu.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "shell/recording_shell.h"

namespace kawaban {
namespace {

using test::ShellRecord;
using test::StoredLink;

constexpr char kPrograms[] = "C:\\Users\\taro\\Start Menu\\Programs";
constexpr char kFolder[] = "C:\\Users\\taro\\Start Menu\\Programs\\でたらめ瓦版";

bool AddWithRecord(ShellRecord& record, std::optional<std::string_view> programs, std::string_view executable) {
    auto createFolder = [&record](const std::string& folder) { record.calls.push_back("CreateDirectory " + folder); };
    return AddToStartMenu(programs, executable, createFolder, record.MakeFactory());
}

TEST(AddToStartMenu, WritesTheProgramAndHelpShortcutsBesideTheExecutable) {
    struct Case {
        const char *executable, *programFolder, *bat, *hlp;
    } cases[] = {
        {"C:\\Games\\Kawaban.scr", "C:\\Games", "C:\\Games\\kawaban.bat", "C:\\Games\\kawaban.hlp"},
        // A drive root keeps its separator; the targets are not tidied.
        {"C:\\Kawaban.scr", "C:\\", "C:\\\\kawaban.bat", "C:\\\\kawaban.hlp"},
        {"C:\\ソフト\\Kawaban.exe", "C:\\ソフト", "C:\\ソフト\\kawaban.bat", "C:\\ソフト\\kawaban.hlp"},
    };
    for (const Case& c : cases) {
        ShellRecord record;
        EXPECT_TRUE(AddWithRecord(record, kPrograms, c.executable)) << c.executable;
        EXPECT_EQ(record.calls.front(), std::string("CreateDirectory ") + kFolder);
        // No show command, hotkey, icon index or arguments is set on either.
        const std::map<std::string, StoredLink> expected = {
            {std::string(kFolder) + "\\「でたらめ瓦版」.lnk", {c.bat, c.programFolder, 0, 0, c.executable, 0, ""}},
            {std::string(kFolder) + "\\使い方.lnk", {c.hlp, c.programFolder, 0, 0, c.hlp, 0, ""}},
        };
        EXPECT_EQ(record.files, expected) << c.executable;
        EXPECT_EQ(record.alive, 0);

        // Again: the folder is asked for once more and both files are written the same.
        const auto firstCalls = record.calls;
        record.calls.clear();
        record.files.clear();
        EXPECT_TRUE(AddWithRecord(record, kPrograms, c.executable));
        EXPECT_EQ(record.calls, firstCalls);
        EXPECT_EQ(record.files, expected);
    }
}

TEST(AddToStartMenu, WritesTheHelpShortcutEvenWhenTheFirstFails) {
    ShellRecord record;
    record.saveResults = {test::kAccessDenied};
    EXPECT_FALSE(AddWithRecord(record, kPrograms, "C:\\Games\\Kawaban.exe"));
    ASSERT_EQ(record.files.size(), 1u);
    EXPECT_EQ(record.files.begin()->first, std::string(kFolder) + "\\使い方.lnk");
    EXPECT_EQ(record.alive, 0);
}

TEST(AddToStartMenu, WithoutAProgramsFolderOrExecutableNothingIsCreated) {
    struct Case {
        std::optional<std::string_view> programs;
        const char* executable;
    } cases[] = {
        {std::nullopt, "C:\\Games\\Kawaban.exe"},
        {"", "C:\\Games\\Kawaban.exe"},
        {kPrograms, ""},
    };
    for (const Case& c : cases) {
        ShellRecord record;
        EXPECT_FALSE(AddWithRecord(record, c.programs, c.executable));
        EXPECT_TRUE(record.calls.empty()) << c.programs.value_or("(unavailable)") << " " << c.executable;
    }
}

}  // namespace
}  // namespace kawaban
