// The shell link object as the shortcut maker sees it: a port over Windows' IShellLinkA and
// IPersistFile, so that the shortcut logic builds and is tested without COM. Each object is
// released when its owner lets it go; an adapter releases the COM interface there, and a
// test's recording substitute counts the objects still alive.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kawaban {

// Results as Windows gives them: 0 (S_OK) and other non-negative values succeed, negative
// values are failures (HRESULTs with the severity bit set).
using ShellResult = std::int32_t;
constexpr ShellResult kShellOk = 0;
constexpr bool Failed(ShellResult result) {
    return result < 0;
}

// The file side of a shell link (IPersistFile). Names are code page 932 byte strings; the
// adapter converts them to UTF-16 and fails, rather than cuts, a name that does not fit.
class LinkFile {
  public:
    virtual ~LinkFile() = default;
    // Writes the shortcut file and makes it the object's current file.
    virtual ShellResult Save(std::string_view name) = 0;
    // Reads the shortcut file (read-only access).
    virtual ShellResult Load(std::string_view name) = 0;
};

// One shell link object (IShellLinkA). Texts are code page 932 byte strings. The setters'
// results are of no interest to the shortcut maker. The getters give a terminated text of
// at most 259 bytes (the platform fills 260-byte buffers), and an empty text (index 0) when
// the platform fails to give one.
class ShellLink {
  public:
    virtual ~ShellLink() = default;
    virtual void SetPath(const std::string& path) = 0;
    virtual void SetWorkingDirectory(const std::string& folder) = 0;
    virtual void SetShowCmd(std::int32_t showCmd) = 0;
    virtual void SetHotkey(std::uint16_t hotkey) = 0;
    virtual void SetIconLocation(const std::string& iconFile, std::int32_t index) = 0;
    virtual void SetArguments(const std::string& arguments) = 0;

    virtual std::string GetPath() = 0;
    virtual std::string GetWorkingDirectory() = 0;
    virtual std::int32_t GetShowCmd() = 0;
    virtual std::uint16_t GetHotkey() = 0;
    virtual std::string GetIconLocation(std::int32_t& index) = 0;
    virtual std::string GetArguments() = 0;

    // The object's file interface (QueryInterface for IPersistFile). On success file holds it.
    virtual ShellResult QueryLinkFile(std::unique_ptr<LinkFile>& file) = 0;
};

// Makes shell link objects (CoCreateInstance of the shell link class). The Windows factory
// also holds the thread's COM initialisation for as long as it lives.
class ShellLinkFactory {
  public:
    virtual ~ShellLinkFactory() = default;
    // On success link holds a new object.
    virtual ShellResult CreateShellLink(std::unique_ptr<ShellLink>& link) = 0;
};

}  // namespace kawaban
