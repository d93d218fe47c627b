// The Start-menu command: a folder "でたらめ瓦版" among the user's Start-menu programs with
// two shortcuts, "「でたらめ瓦版」" opening kawaban.bat beside the executable (with the
// executable's icon) and "使い方" opening kawaban.hlp beside it. It works silently; the
// platform parts (the Programs folder, the executable's path, creating a folder, the shell
// link objects) come in as arguments.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "shell/shell_link.h"

namespace kawaban {

// programsFolder: the user's Start-menu Programs folder, or nullopt when the platform could
// not give it; executablePath: the running executable's full path; createFolder makes one
// folder level, its failure (the folder exists already, say) is of no interest; shell serves
// the shortcut maker for this one invocation.
// Without a Programs folder or an executable path nothing is created. Otherwise the folder is
// created and both shortcuts are written, the second even when the first fails. True when
// both shortcut files were written.
bool AddToStartMenu(std::optional<std::string_view> programsFolder,
                    std::string_view executablePath,
                    const std::function<void(const std::string& folder)>& createFolder,
                    std::unique_ptr<ShellLinkFactory> shell);

}  // namespace kawaban
