// TSCMake, the shortcut maker: writes a shell shortcut file (.lnk) from nine properties and
// reads one back into them, through a shell link object made anew for every call. It keeps
// no file format of its own; the object does all reading and writing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/shell_link.h"

namespace kawaban {

enum class WNDSTATE : std::uint8_t { Normal = 0, Maximize = 1, Minimize = 2 };

// Show commands stored in a shortcut (Windows' SW_ values).
constexpr std::int32_t kShowMaximized = 3;    // SW_SHOWMAXIMIZED
constexpr std::int32_t kShowMinNoActive = 7;  // SW_SHOWMINNOACTIVE
constexpr std::int32_t kShow = 5;             // SW_SHOW

// Menu-shortcut codes (the values of SCKey): the key in bits 0-12, then the modifiers.
constexpr std::uint16_t kScShift = 0x2000;
constexpr std::uint16_t kScCtrl = 0x4000;
constexpr std::uint16_t kScAlt = 0x8000;

// The shell's hotkey word: virtual key in bits 0-7, modifier flags in bits 8-15.
constexpr std::uint8_t kHotkeyShift = 0x01;
constexpr std::uint8_t kHotkeyControl = 0x02;
constexpr std::uint8_t kHotkeyAlt = 0x04;

// Result of CreateLink and AnalizeLink when the component refuses the call itself.
constexpr ShellResult kRefused = -1;
// Result when the platform claims success but hands over no object.
constexpr ShellResult kNoObject = static_cast<ShellResult>(0x80004003);  // E_POINTER

class TSCMake {
  public:
    // The component owns the factory for its whole life; on Windows that is also the span of
    // its COM initialisation.
    explicit TSCMake(std::unique_ptr<ShellLinkFactory> shell);
    TSCMake(const TSCMake&) = delete;
    TSCMake& operator=(const TSCMake&) = delete;

    // Plain properties, code page 932 texts; empty is valid everywhere.
    std::string SCDir;     // folder the shortcut file is written in, without a trailing separator
    std::string SCName;    // file name of the shortcut without ".lnk"
    std::string LinkPath;  // the file the shortcut starts or opens
    std::string WorkDir;   // folder made current when the shortcut is started
    std::string IconPath;  // file the shortcut's icon comes from
    std::int32_t IconNo = 0;
    std::string Argument;  // command-line arguments for the target

    // WndState: Maximize and Minimize map to show commands 3 and 7, anything else to 5. Every
    // show command but 3 and 7 reads as Normal (a new component holds 0).
    WNDSTATE GetWndState() const;
    void SetWndState(WNDSTATE state);
    // SCKey: the hotkey as a menu-shortcut code. A code with modifiers but no key sets no
    // hotkey at all.
    std::uint16_t GetSCKey() const;
    void SetSCKey(std::uint16_t code);

    // The raw values behind WndState and SCKey, as CreateLink passes them on.
    std::int32_t ShowCmd() const { return showCmd_; }
    std::uint16_t HotKey() const { return hotKey_; }

    // Writes SCDir\SCName.lnk. -1 when SCName, SCDir or LinkPath is empty (then nothing
    // happens at all); otherwise the platform's result: the failure of making the object or
    // of reaching its file interface, else the result of saving (0 when written). A hotkey
    // without a key is cleared first, and stays cleared.
    ShellResult CreateLink();
    // Reads the shortcut file at path into all nine properties: 0 when read, -1 on any
    // failure (the name must end in ".lnk", case counts), with every property unchanged.
    ShellResult AnalizeLink(const std::string& path);

  private:
    std::unique_ptr<ShellLinkFactory> shell_;
    std::int32_t showCmd_ = 0;
    std::uint16_t hotKey_ = 0;
};

}  // namespace kawaban
