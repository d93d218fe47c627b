// Screen saver registration; see screen_saver_registration.h.
#include "panel/screen_saver_registration.h"

namespace kawaban {

std::string RegistryWriteFailedMessage(const std::string& valueName) {
    return "'" + valueName + "' の設定に失敗しました";
}

void RegisterAsScreenSaver(UserRegistry& registry, DialogService& dialogs, const std::string& title,
                           const std::string& exePath) {
    if (registry.WriteString(kDesktopKey, kScreenSaverValue, exePath) == UserRegistry::WriteResult::WriteFailed)
        dialogs.ShowMessage(
            {title, RegistryWriteFailedMessage(kScreenSaverValue), MessageButtons::Ok, MessageIcon::Error});
}

}  // namespace kawaban
