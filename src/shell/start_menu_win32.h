// The Start-menu command on Windows, for the main window's menu item "スタートメニューに登録".
#pragma once

#include <optional>
#include <string>

namespace kawaban {

// Creates the folder "でたらめ瓦版" in the current user's Start-menu Programs folder and writes
// the shortcuts "「でたらめ瓦版」" (opens kawaban.bat beside the running executable, with the
// executable's icon) and "使い方" (opens kawaban.hlp beside it). Silent: nothing is shown,
// whatever happens; when the Programs folder or the executable's path cannot be had, nothing
// is created. True when both shortcut files were written (the menu command ignores it).
bool AddKawabanToStartMenu();

// The current user's Start-menu Programs folder (SHGetFolderPathA, CSIDL_PROGRAMS), or
// nullopt when the shell cannot give it.
std::optional<std::string> StartMenuProgramsFolder();

// The full path of the running executable file, or nullopt when it cannot be had.
std::optional<std::string> RunningExecutablePath();

}  // namespace kawaban
