// Registering the program as the user's screen saver, through a recording registry.
#include "panel/screen_saver_registration.h"

#include <gtest/gtest.h>

#include "fakes/recording_registry.h"
#include "fakes/scripted_dialogs.h"

namespace kawaban {
namespace {

TEST(RegisterAsScreenSaver, WritesThePathUnchangedAndReportsOnlyAFailedWrite) {
    // A Shift-JIS path whose ソ has a backslash as its second byte, and a .exe: the path is
    // written as the platform gave it, whatever its extension.
    const std::string path = "C:\\ソフト\\瓦版\\Kawaban.exe";
    const struct {
        UserRegistry::WriteResult result;
        bool reported;
    } cases[] = {
        {UserRegistry::WriteResult::Written, false},
        {UserRegistry::WriteResult::NoKey, false},
        {UserRegistry::WriteResult::WriteFailed, true},
    };
    for (const auto& c : cases) {
        test::RecordingRegistry registry;
        registry.result = c.result;
        test::ScriptedDialogs dialogs;
        RegisterAsScreenSaver(registry, dialogs, "でたらめ瓦版", path);
        ASSERT_EQ(registry.writes.size(), 1u);
        EXPECT_EQ(registry.writes[0].key, "Control Panel\\Desktop");
        EXPECT_EQ(registry.writes[0].name, "SCRNSAVE.EXE");
        EXPECT_EQ(registry.writes[0].value, path);
        ASSERT_EQ(dialogs.messages.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_EQ(dialogs.messages[0].caption, "でたらめ瓦版");
            EXPECT_EQ(dialogs.messages[0].text, "'SCRNSAVE.EXE' の設定に失敗しました");
            EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
        }
    }
}

}  // namespace
}  // namespace kawaban
