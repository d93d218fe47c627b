// The Start-menu command; see start_menu.h.
#include "shell/start_menu.h"

#include <utility>

#include "shell/shortcut_maker.h"
#include "text/sjis.h"

namespace kawaban {

bool AddToStartMenu(std::optional<std::string_view> programsFolder,
                    std::string_view executablePath,
                    const std::function<void(const std::string& folder)>& createFolder,
                    std::unique_ptr<ShellLinkFactory> shell) {
    // An empty text would put the folder at the root of the current drive, or point the
    // shortcuts at "\kawaban.bat": stop before anything is made.
    if (!programsFolder || programsFolder->empty() || executablePath.empty())
        return false;
    const std::string shortcutFolder = JoinPath(*programsFolder, "でたらめ瓦版");
    if (createFolder)
        createFolder(shortcutFolder);

    // The program folder keeps its separator in a drive root, so the texts then hold two in
    // a row ("C:\" and "\kawaban.bat"). They are passed on as they stand: the shell link
    // object stores the target as C:\kawaban.bat, the icon file keeps both separators.
    const std::string_view programFolder = FolderPart(executablePath);
    TSCMake maker(std::move(shell));
    maker.SCDir = shortcutFolder;
    maker.SCName = "「でたらめ瓦版」";
    maker.LinkPath = JoinPath(programFolder, "kawaban.bat");
    maker.IconPath = std::string(executablePath);
    maker.WorkDir = std::string(programFolder);
    const bool programWritten = maker.CreateLink() == kShellOk;

    maker.SCName = "使い方";
    maker.LinkPath = JoinPath(programFolder, "kawaban.hlp");
    maker.IconPath = maker.LinkPath;
    maker.WorkDir = std::string(programFolder);
    const bool helpWritten = maker.CreateLink() == kShellOk;
    return programWritten && helpWritten;
}

}  // namespace kawaban
