// The shortcut maker; see shortcut_maker.h. Every platform object is held by a unique_ptr
// inside the call that made it, so each is released on every way out of the call.
#include "shell/shortcut_maker.h"

#include <utility>

#include "text/sjis.h"

namespace kawaban {
namespace {

std::string ShortcutFileName(const std::string& folder, const std::string& name) {
    return JoinPath(folder, name) + ".lnk";
}

// A new shell link object, or the platform's failure.
ShellResult MakeShellLink(ShellLinkFactory* shell, std::unique_ptr<ShellLink>& link) {
    if (!shell)
        return kNoObject;
    const ShellResult result = shell->CreateShellLink(link);
    if (Failed(result))
        return result;
    return link ? result : kNoObject;
}

// The object's file interface, or the platform's failure.
ShellResult QueryLinkFile(ShellLink& link, std::unique_ptr<LinkFile>& file) {
    const ShellResult result = link.QueryLinkFile(file);
    if (Failed(result))
        return result;
    return file ? result : kNoObject;
}

// The properties as one shortcut holds them, handed over in this order.
void PassProperties(ShellLink& link, const TSCMake& component) {
    link.SetPath(component.LinkPath);
    link.SetWorkingDirectory(component.WorkDir);
    link.SetShowCmd(component.ShowCmd());
    link.SetHotkey(component.HotKey());
    link.SetIconLocation(component.IconPath, component.IconNo);
    link.SetArguments(component.Argument);
}

// Each modifier as a menu-shortcut code bit and as a hotkey flag. The hotkey's
// HOTKEYF_EXT (0x08) and higher flags have no code bit and are not carried over.
struct Modifier {
    std::uint16_t codeBit;
    std::uint8_t hotkeyFlag;
};
constexpr Modifier kModifiers[] = {
    {kScShift, kHotkeyShift},
    {kScCtrl, kHotkeyControl},
    {kScAlt, kHotkeyAlt},
};

}  // namespace

TSCMake::TSCMake(std::unique_ptr<ShellLinkFactory> shell) : shell_(std::move(shell)) {}

WNDSTATE TSCMake::GetWndState() const {
    switch (showCmd_) {
        case kShowMaximized:
            return WNDSTATE::Maximize;
        case kShowMinNoActive:
            return WNDSTATE::Minimize;
        default:
            return WNDSTATE::Normal;
    }
}

void TSCMake::SetWndState(WNDSTATE state) {
    switch (state) {
        case WNDSTATE::Maximize:
            showCmd_ = kShowMaximized;
            break;
        case WNDSTATE::Minimize:
            showCmd_ = kShowMinNoActive;
            break;
        default:
            showCmd_ = kShow;
            break;
    }
}

std::uint16_t TSCMake::GetSCKey() const {
    const std::uint8_t flags = hotKey_ >> 8;
    std::uint16_t code = hotKey_ & 0xFF;
    for (const Modifier& m : kModifiers) {
        if (flags & m.hotkeyFlag)
            code |= m.codeBit;
    }
    return code;
}

void TSCMake::SetSCKey(std::uint16_t code) {
    // The whole key field is kept as it stands; the modifiers are added only to a key.
    hotKey_ = code & 0x1FFF;
    if (hotKey_ == 0)
        return;
    for (const Modifier& m : kModifiers) {
        if (code & m.codeBit)
            hotKey_ |= static_cast<std::uint16_t>(m.hotkeyFlag << 8);
    }
}

ShellResult TSCMake::CreateLink() {
    if (SCName.empty() || SCDir.empty() || LinkPath.empty())
        return kRefused;
    // The shell would store modifiers without a key; such a hotkey is dropped for good.
    if ((hotKey_ & 0xFF) == 0)
        hotKey_ = 0;

    std::unique_ptr<ShellLink> link;
    ShellResult result = MakeShellLink(shell_.get(), link);
    if (Failed(result))
        return result;
    PassProperties(*link, *this);
    std::unique_ptr<LinkFile> file;
    result = QueryLinkFile(*link, file);
    if (Failed(result))
        return result;
    return file->Save(ShortcutFileName(SCDir, SCName));
}

ShellResult TSCMake::AnalizeLink(const std::string& path) {
    if (Extension(path) != ".lnk")
        return kRefused;
    std::unique_ptr<ShellLink> link;
    std::unique_ptr<LinkFile> file;
    if (Failed(MakeShellLink(shell_.get(), link)) || Failed(QueryLinkFile(*link, file)) || Failed(file->Load(path)))
        return kRefused;

    SCName = std::string(RemoveExtension(FileNamePart(path)));
    SCDir = std::string(FolderPart(path));
    LinkPath = link->GetPath();
    WorkDir = link->GetWorkingDirectory();
    showCmd_ = link->GetShowCmd();
    hotKey_ = link->GetHotkey();
    IconPath = link->GetIconLocation(IconNo);
    Argument = link->GetArguments();
    return kShellOk;
}

}  // namespace kawaban
