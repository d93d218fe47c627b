// Making the running program the user's screen saver: one string value in the user's part
// of the registry, written through a small port so that the decision is tested without one.
#pragma once

#include <string>

#include "words/word_commands.h"

namespace kawaban {

// The user's registry (HKEY_CURRENT_USER), as far as this program writes to it.
class UserRegistry {
public:
    enum class WriteResult {
        Written,
        NoKey,        // the key could not be opened or created
        WriteFailed,  // the key opened, the value could not be written
    };
    virtual ~UserRegistry() = default;
    // Opens key (below the user's root) for all access, creating it when it is missing,
    // writes the string value name = value, and closes the key again, also after a failure.
    virtual WriteResult WriteString(const std::string& key, const std::string& name, const std::string& value) = 0;
};

inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";
inline constexpr char kScreenSaverValue[] = "SCRNSAVE.EXE";

// "'SCRNSAVE.EXE' の設定に失敗しました".
std::string RegistryWriteFailedMessage(const std::string& valueName);

// Writes exePath, unchanged, as SCRNSAVE.EXE under Control Panel\Desktop; silent when it
// works and when the key cannot be had, an error box (caption title) when the value cannot
// be written. Nothing else is written: the saver's on switch and timeout stay the user's.
void RegisterAsScreenSaver(UserRegistry& registry, DialogService& dialogs, const std::string& title,
                           const std::string& exePath);

}  // namespace kawaban
