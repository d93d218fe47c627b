// The run mode from the command line.
#include "app/run_mode.h"

#include <gtest/gtest.h>

namespace kawaban {
namespace {

TEST(ParseRunMode, TakesTheSecondCharacterOfTheFirstArgument) {
    struct Case {
        std::vector<std::string> args;
        RunMode mode;
        std::int64_t parent;
        bool badHandle;
        std::string badText;
    } cases[] = {
        {{}, RunMode::Windowed, 0, false, ""},
        {{"/s"}, RunMode::Saver, 0, false, ""},
        {{"-S"}, RunMode::Saver, 0, false, ""},
        {{"/S"}, RunMode::Saver, 0, false, ""},
        {{"xs"}, RunMode::Saver, 0, false, ""},
        {{"/save", "junk"}, RunMode::Saver, 0, false, ""},
        {{"s"}, RunMode::Windowed, 0, false, ""},  // no second character
        {{""}, RunMode::Windowed, 0, false, ""},
        {{"/c"}, RunMode::Windowed, 0, false, ""},
        {{"/c:1234"}, RunMode::Windowed, 0, false, ""},
        {{"/x"}, RunMode::Windowed, 0, false, ""},
        {{"C:\\words.dat"}, RunMode::Windowed, 0, false, ""},
        {{"あs"}, RunMode::Saver, 0, false, ""},    // the second character, after a double-byte one
        {{"ソ"}, RunMode::Windowed, 0, false, ""},  // its second byte is no character
        {{"/p", "1234"}, RunMode::Preview, 1234, false, ""},
        {{"/P", "4294967295"}, RunMode::Preview, 4294967295LL, false, ""},
        {{"/p", "-5"}, RunMode::Preview, -5, false, ""},
        {{"/p"}, RunMode::Saver, 0, true, ""},
        {{"/p", "abc"}, RunMode::Saver, 0, true, "abc"},
        {{"/p", "12x"}, RunMode::Saver, 0, true, "12x"},
        {{"/p", ""}, RunMode::Saver, 0, true, ""},
        {{"/p", "4294967296"}, RunMode::Saver, 0, true, "4294967296"},
        {{"/p", "99999999999999999999999"}, RunMode::Saver, 0, true, "99999999999999999999999"},
    };
    for (const Case& c : cases) {
        const std::string label = c.args.empty() ? "(none)" : c.args[0];
        const RunModeChoice choice = ParseRunMode(c.args);
        EXPECT_EQ(choice.mode, c.mode) << label;
        EXPECT_EQ(choice.saver, c.mode != RunMode::Windowed) << label;
        EXPECT_EQ(choice.preview, c.mode == RunMode::Preview) << label;
        EXPECT_EQ(choice.PreviewParent, c.parent) << label;
        EXPECT_EQ(choice.badHandle, c.badHandle) << label;
        EXPECT_EQ(choice.badHandleText, c.badText) << label;
    }
}

TEST(BadHandleMessage, NamesTheArgument) {
    EXPECT_EQ(BadHandleMessage("abc"), "'abc' は整数ではありません");
    EXPECT_EQ(BadHandleMessage(""), "'' は整数ではありません");
}

}  // namespace
}  // namespace kawaban
