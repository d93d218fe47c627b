// Writes shortcuts with the real shell link object, for checks by an independent reader:
//   shell_link_writer link DIR NAME TARGET WORKDIR ICON INDEX ARGUMENTS STATE SCKEY
//     one shortcut DIR\NAME.lnk; STATE is none (show command 0), normal, maximize or minimize
//   shell_link_writer programs
//     prints the Start-menu Programs folder
//   shell_link_writer startmenu
//     the Start-menu command, as the program runs it
// Arguments arrive in code page 932. Exit status 0 when every shortcut was written.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/shell_link_win32.h"
#include "shell/shortcut_maker.h"
#include "shell/start_menu_win32.h"

namespace {

int WriteOne(char** argv) {
    kawaban::TSCMake maker(kawaban::MakeComShellLinkFactory());
    maker.SCDir = argv[0];
    maker.SCName = argv[1];
    maker.LinkPath = argv[2];
    maker.WorkDir = argv[3];
    maker.IconPath = argv[4];
    maker.IconNo = std::atoi(argv[5]);
    maker.Argument = argv[6];
    const char* state = argv[7];
    if (std::strcmp(state, "normal") == 0)
        maker.SetWndState(kawaban::WNDSTATE::Normal);
    else if (std::strcmp(state, "maximize") == 0)
        maker.SetWndState(kawaban::WNDSTATE::Maximize);
    else if (std::strcmp(state, "minimize") == 0)
        maker.SetWndState(kawaban::WNDSTATE::Minimize);
    maker.SetSCKey(static_cast<std::uint16_t>(std::strtoul(argv[8], nullptr, 0)));
    const kawaban::ShellResult result = maker.CreateLink();
    std::printf("CreateLink %ld\n", static_cast<long>(result));
    return result == kawaban::kShellOk ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 11 && std::strcmp(argv[1], "link") == 0)
        return WriteOne(argv + 2);
    if (argc == 2 && std::strcmp(argv[1], "programs") == 0) {
        const auto programs = kawaban::StartMenuProgramsFolder();
        std::printf("%s\n", programs ? programs->c_str() : "");
        return programs ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "startmenu") == 0)
        return kawaban::AddKawabanToStartMenu() ? 0 : 1;
    std::fprintf(stderr,
                 "usage: shell_link_writer link DIR NAME TARGET WORKDIR ICON INDEX ARGUMENTS STATE SCKEY\n"
                 "       shell_link_writer programs|startmenu\n");
    return 2;
}
