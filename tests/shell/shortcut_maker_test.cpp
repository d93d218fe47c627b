// The shortcut maker over a recording shell link: the order of the platform calls, the
// refusals that come before any of them, the show-command and hotkey mappings, the file name,
// reading a shortcut back, and that every object is released on every path.
#include "shell/shortcut_maker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/recording_shell.h"

namespace kawaban {
namespace {

using test::kClassNotRegistered;
using test::kNoInterface;
using test::kPathNotFound;
using test::ShellRecord;
using test::StoredLink;
using Calls = std::vector<std::string>;

// Everything a caller can see of a component.
struct Seen {
    std::string dir, name, linkPath, workDir, iconPath, argument;
    std::int32_t iconNo, showCmd;
    std::uint16_t hotKey;
    bool operator==(const Seen&) const = default;
};
Seen SeenOf(const TSCMake& m) {
    return {m.SCDir, m.SCName, m.LinkPath, m.WorkDir, m.IconPath, m.Argument, m.IconNo, m.ShowCmd(), m.HotKey()};
}

// A shortcut to C:\x.exe holding the given show command and hotkey.
StoredLink WithRaw(std::int32_t showCmd, std::uint16_t hotkey) {
    StoredLink link;
    link.path = "C:\\x.exe";
    link.showCmd = showCmd;
    link.hotkey = hotkey;
    return link;
}

// A component over a fresh record; at the end every object it made must be released.
class ShortcutMaker : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(shell.alive, 0) << "an object was not released"; }
    void FillRequired() {
        maker.SCDir = "C:\\Links";
        maker.SCName = "Tool";
        maker.LinkPath = "C:\\Tools\\tool.exe";
    }
    // Reads a stored shortcut with the given content into the component.
    void ReadStored(const StoredLink& content, const std::string& path = "C:\\Links\\Tool.lnk") {
        shell.files[path] = content;
        ASSERT_EQ(maker.AnalizeLink(path), 0);
        shell.calls.clear();
        shell.files.clear();
    }
    // The first logged call that starts with head.
    std::string CallStartingWith(const std::string& head) const {
        for (const std::string& call : shell.calls) {
            if (call.rfind(head, 0) == 0)
                return call;
        }
        return "(no " + head + ")";
    }

    ShellRecord shell;
    TSCMake maker{shell.MakeFactory()};
};

TEST_F(ShortcutMaker, NewComponentWritesShowCommandZeroNoHotkeyAndEmptyTextsInOrder) {
    EXPECT_EQ(maker.GetWndState(), WNDSTATE::Normal);
    EXPECT_EQ(maker.GetSCKey(), 0);
    FillRequired();
    EXPECT_EQ(maker.CreateLink(), 0);
    const Calls expected = {
        "CoCreateInstance",
        "SetPath C:\\Tools\\tool.exe",
        "SetWorkingDirectory ",
        "SetShowCmd 0",
        "SetHotkey 0x0000",
        "SetIconLocation ,0",
        "SetArguments ",
        "QueryInterface IPersistFile",
        "Save C:\\Links\\Tool.lnk",
        "Release IPersistFile",
        "Release IShellLink",
    };
    EXPECT_EQ(shell.calls, expected);
}

TEST_F(ShortcutMaker, RefusesAnEmptyNameFolderOrTargetBeforeAnyPlatformCall) {
    // A hotkey of modifiers without a key (only a read shortcut can give one) would be
    // cleared by CreateLink; a refusal must not get that far.
    ReadStored(WithRaw(0, 0x0600));
    std::string TSCMake::*required[] = {&TSCMake::SCName, &TSCMake::SCDir, &TSCMake::LinkPath};
    for (std::string TSCMake::*property : required) {
        FillRequired();
        maker.*property = "";
        const Seen before = SeenOf(maker);
        EXPECT_EQ(maker.CreateLink(), kRefused);
        EXPECT_EQ(shell.calls, Calls{});
        EXPECT_EQ(SeenOf(maker), before);
        EXPECT_EQ(maker.HotKey(), 0x0600);
    }
}

TEST_F(ShortcutMaker, HotkeyWithoutAKeyIsClearedByCreateLinkForGood) {
    ReadStored(WithRaw(0, 0x0600));
    FillRequired();
    EXPECT_EQ(maker.CreateLink(), 0);
    EXPECT_EQ(CallStartingWith("SetHotkey"), "SetHotkey 0x0000");
    EXPECT_EQ(maker.HotKey(), 0);
    EXPECT_EQ(maker.GetSCKey(), 0);
}

TEST_F(ShortcutMaker, PlatformFailuresAreTheResultAndEveryObjectIsReleased) {
    const Calls setters = {"SetPath C:\\Tools\\tool.exe", "SetWorkingDirectory ", "SetShowCmd 0", "SetHotkey 0x0000",
                           "SetIconLocation ,0",          "SetArguments "};
    auto with = [&](Calls head, const Calls& tail) {
        head.insert(head.end(), setters.begin(), setters.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    struct Case {
        const char* what;
        ShellResult create, query, save;
        Calls calls;
    } cases[] = {
        {"no shell link class", kClassNotRegistered, 0, 0, {"CoCreateInstance"}},
        {"no file interface", 0, kNoInterface, 0,
         with({"CoCreateInstance"}, {"QueryInterface IPersistFile", "Release IShellLink"})},
        {"folder missing", 0, 0, kPathNotFound,
         with({"CoCreateInstance"}, {"QueryInterface IPersistFile", "Save C:\\Links\\Tool.lnk", "Release IPersistFile",
                                     "Release IShellLink"})},
    };
    for (const Case& c : cases) {
        ShellRecord record;
        record.createResult = c.create;
        record.queryResult = c.query;
        record.saveResults = {c.save};
        {
            TSCMake m(record.MakeFactory());
            m.SCDir = "C:\\Links";
            m.SCName = "Tool";
            m.LinkPath = "C:\\Tools\\tool.exe";
            EXPECT_EQ(m.CreateLink(), c.create ? c.create : c.query ? c.query : c.save) << c.what;
        }
        EXPECT_EQ(record.calls, c.calls) << c.what;
        EXPECT_EQ(record.alive, 0) << c.what;
        EXPECT_TRUE(record.files.empty()) << c.what;
    }
}

TEST_F(ShortcutMaker, WndStateMapsToShowCommandsFiveThreeSeven) {
    struct Case {
        WNDSTATE state;
        std::int32_t showCmd;
        WNDSTATE readBack;
    } cases[] = {
        {WNDSTATE::Normal, 5, WNDSTATE::Normal},
        {WNDSTATE::Maximize, 3, WNDSTATE::Maximize},
        {WNDSTATE::Minimize, 7, WNDSTATE::Minimize},
        {static_cast<WNDSTATE>(9), 5, WNDSTATE::Normal},
    };
    FillRequired();
    for (const Case& c : cases) {
        shell.calls.clear();
        maker.SetWndState(c.state);
        EXPECT_EQ(maker.GetWndState(), c.readBack);
        EXPECT_EQ(maker.CreateLink(), 0);
        EXPECT_EQ(CallStartingWith("SetShowCmd"), "SetShowCmd " + std::to_string(c.showCmd));
    }
}

TEST_F(ShortcutMaker, ShowCommandOfAReadShortcutIsPassedBackRaw) {
    struct Case {
        std::int32_t stored;
        WNDSTATE reads;
    } cases[] = {
        {0, WNDSTATE::Normal}, {1, WNDSTATE::Normal},   {2, WNDSTATE::Normal},  {3, WNDSTATE::Maximize},
        {5, WNDSTATE::Normal}, {7, WNDSTATE::Minimize}, {-4, WNDSTATE::Normal},
    };
    for (const Case& c : cases) {
        ReadStored(WithRaw(c.stored, 0));
        EXPECT_EQ(maker.GetWndState(), c.reads) << c.stored;
        EXPECT_EQ(maker.CreateLink(), 0);
        EXPECT_EQ(shell.files["C:\\Links\\Tool.lnk"].showCmd, c.stored);
    }
}

TEST_F(ShortcutMaker, SCKeyMapsToTheShellHotkeyAndBack) {
    struct Case {
        std::uint16_t code, hotKey, readBack;
    } cases[] = {
        {0x6074, 0x0374, 0x6074},  // Ctrl+Shift+F5
        {0xC041, 0x0641, 0xC041},  // Ctrl+Alt+A
        {0xA070, 0x0570, 0xA070},  // Alt+Shift+F1
        {0x0041, 0x0041, 0x0041},  // A alone
        {0x2000, 0x0000, 0x0000},  // Shift without a key
        {0xE000, 0x0000, 0x0000}, {0x0000, 0x0000, 0x0000},
    };
    for (const Case& c : cases) {
        maker.SetSCKey(0x4C4C);  // the whole word is replaced
        maker.SetSCKey(c.code);
        EXPECT_EQ(maker.HotKey(), c.hotKey) << std::hex << c.code;
        EXPECT_EQ(maker.GetSCKey(), c.readBack) << std::hex << c.code;
    }
}

TEST_F(ShortcutMaker, SCKeyOfAReadHotkeyDropsTheExtendedAndUnknownFlags) {
    struct Case {
        std::uint16_t stored, code;
    } cases[] = {
        {0x0374, 0x6074},
        {0x0841, 0x0041},  // HOTKEYF_EXT
        {0xF641, 0xC041},  // flags above HOTKEYF_ALT
    };
    for (const Case& c : cases) {
        ReadStored(WithRaw(0, c.stored));
        EXPECT_EQ(maker.HotKey(), c.stored);
        EXPECT_EQ(maker.GetSCKey(), c.code) << std::hex << c.stored;
    }
}

TEST_F(ShortcutMaker, FileNameIsFolderSeparatorNameAndExtensionAsTheyStand) {
    struct Case {
        const char *dir, *name, *file;
    } cases[] = {
        {"C:\\Links", "Tool", "C:\\Links\\Tool.lnk"},         {"C:\\", "Tool", "C:\\\\Tool.lnk"},
        {"C:\\Links\\", "Tool", "C:\\Links\\\\Tool.lnk"},     {"C:\\ソフト", "表", "C:\\ソフト\\表.lnk"},
        {"C:\\Links", "Tool.lnk", "C:\\Links\\Tool.lnk.lnk"},
    };
    maker.LinkPath = "C:\\x.exe";
    for (const Case& c : cases) {
        shell.calls.clear();
        maker.SCDir = c.dir;
        maker.SCName = c.name;
        EXPECT_EQ(maker.CreateLink(), 0);
        EXPECT_EQ(CallStartingWith("Save"), std::string("Save ") + c.file);
    }
}

TEST_F(ShortcutMaker, AnalizeLinkReadsEveryPropertyAndTheNameParts) {
    const StoredLink stored = {"C:\\ソフト\\Kawaban.exe", "C:\\ソフト", 2, 0x0374, "C:\\ソフト\\icons.dll", 4, "/s 表"};
    struct Case {
        const char *path, *dir, *name;
        ShellResult rewrite;  // a following CreateLink
        const char* rewritten;
    } cases[] = {
        {"C:\\Links\\Tool.lnk", "C:\\Links", "Tool", 0, "C:\\Links\\Tool.lnk"},
        {"C:\\Tool.lnk", "C:\\", "Tool", 0, "C:\\\\Tool.lnk"},
        {"C:\\ソフト\\表.lnk", "C:\\ソフト", "表", 0, "C:\\ソフト\\表.lnk"},
        {"C:\\ソフト\\ソ.bak.lnk", "C:\\ソフト", "ソ.bak", 0, "C:\\ソフト\\ソ.bak.lnk"},
        {"Tool.lnk", "", "Tool", kRefused, nullptr},
    };
    for (const Case& c : cases) {
        ShellRecord record;
        record.files[c.path] = stored;
        TSCMake m(record.MakeFactory());
        ASSERT_EQ(m.AnalizeLink(c.path), 0) << c.path;
        const Seen expected = {c.dir,           c.name,           stored.path,      stored.workDir,
                               stored.iconPath, stored.arguments, stored.iconIndex, stored.showCmd,
                               stored.hotkey};
        EXPECT_EQ(SeenOf(m), expected) << c.path;
        const Calls reading = {"CoCreateInstance", "QueryInterface IPersistFile", std::string("Load ") + c.path,
                               "Release IPersistFile", "Release IShellLink"};
        EXPECT_EQ(record.calls, reading);

        record.files.clear();
        EXPECT_EQ(m.CreateLink(), c.rewrite) << c.path;
        if (c.rewritten) {
            EXPECT_EQ(record.files.size(), 1u);
            EXPECT_EQ(record.files[c.rewritten], stored) << c.path;
        }
        EXPECT_EQ(record.alive, 0);
    }
}

TEST_F(ShortcutMaker, AnalizeLinkRefusalsLeaveEveryPropertyAsItWas) {
    struct Case {
        const char* path;
        ShellResult create, query;
        bool reachesPlatform;
    } cases[] = {
        {"C:\\Links\\Tool.LNK", 0, 0, false},  // the extension's case counts
        {"C:\\Links\\Tool", 0, 0, false},
        {"C:\\Links.lnk\\Tool", 0, 0, false},
        {"C:\\ソ.lnk\\ソ", 0, 0, false},  // ソ's second byte is no separator, so no extension
        {"C:\\Links\\Missing.lnk", 0, 0, true},
        {"C:\\Links\\Tool.lnk", kClassNotRegistered, 0, true},
        {"C:\\Links\\Tool.lnk", 0, kNoInterface, true},
    };
    for (const Case& c : cases) {
        ShellRecord record;
        record.createResult = c.create;
        record.queryResult = c.query;
        // Every path but the missing one names a readable shortcut.
        for (const char* name :
             {"C:\\Links\\Tool.LNK", "C:\\Links\\Tool", "C:\\Links.lnk\\Tool", "C:\\ソ.lnk\\ソ", "C:\\Links\\Tool.lnk"})
            record.files[name] = WithRaw(1, 0x0241);
        {
            TSCMake m(record.MakeFactory());
            m.SCDir = "C:\\Dir";
            m.SCName = "Name";
            m.LinkPath = "C:\\target.exe";
            m.WorkDir = "C:\\work";
            m.IconPath = "C:\\icon.ico";
            m.IconNo = 3;
            m.Argument = "/a";
            m.SetWndState(WNDSTATE::Minimize);
            m.SetSCKey(0x6074);
            const Seen before = SeenOf(m);
            EXPECT_EQ(m.AnalizeLink(c.path), kRefused) << c.path;
            EXPECT_EQ(SeenOf(m), before) << c.path;
        }
        EXPECT_EQ(!record.calls.empty(), c.reachesPlatform) << c.path;
        EXPECT_EQ(record.alive, 0) << c.path;
    }
}

}  // namespace
}  // namespace kawaban
