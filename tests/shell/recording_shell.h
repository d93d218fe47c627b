// A recording substitute for the shell link object: every platform call is written to a log
// as one line, each object counts itself alive until it is released, saved shortcuts are kept
// in memory by file name, and Load reads them back from there. Failures are set per call.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/shell_link.h"

namespace kawaban::test {

// What one shortcut holds.
struct StoredLink {
    std::string path, workDir;
    std::int32_t showCmd = 0;
    std::uint16_t hotkey = 0;
    std::string iconPath;
    std::int32_t iconIndex = 0;
    std::string arguments;
    bool operator==(const StoredLink&) const = default;
};

constexpr ShellResult kClassNotRegistered = static_cast<ShellResult>(0x80040154);
constexpr ShellResult kNoInterface = static_cast<ShellResult>(0x80004002);
constexpr ShellResult kPathNotFound = static_cast<ShellResult>(0x80070003);
constexpr ShellResult kFileNotFound = static_cast<ShellResult>(0x80070002);
constexpr ShellResult kAccessDenied = static_cast<ShellResult>(0x80070005);

struct ShellRecord {
    std::vector<std::string> calls;
    int alive = 0;  // objects made and not yet released
    ShellResult createResult = kShellOk;
    ShellResult queryResult = kShellOk;
    std::vector<ShellResult> saveResults;  // one per Save, in order; success once used up
    std::size_t saves = 0;
    std::map<std::string, StoredLink> files;

    // A factory for one shortcut maker; it logs here and must not outlive this record.
    std::unique_ptr<ShellLinkFactory> MakeFactory();
};

class RecordingLinkFile final : public LinkFile {
  public:
    RecordingLinkFile(ShellRecord& record, std::shared_ptr<StoredLink> link) : record_(record), link_(std::move(link)) {
        ++record_.alive;
    }
    ~RecordingLinkFile() override {
        record_.calls.push_back("Release IPersistFile");
        --record_.alive;
    }
    ShellResult Save(std::string_view name) override {
        record_.calls.push_back("Save " + std::string(name));
        ShellResult result = kShellOk;
        if (record_.saves < record_.saveResults.size())
            result = record_.saveResults[record_.saves];
        ++record_.saves;
        if (!Failed(result))
            record_.files[std::string(name)] = *link_;
        return result;
    }
    ShellResult Load(std::string_view name) override {
        record_.calls.push_back("Load " + std::string(name));
        const auto found = record_.files.find(std::string(name));
        if (found == record_.files.end())
            return kFileNotFound;
        *link_ = found->second;
        return kShellOk;
    }

  private:
    ShellRecord& record_;
    std::shared_ptr<StoredLink> link_;
};

class RecordingShellLink final : public ShellLink {
  public:
    explicit RecordingShellLink(ShellRecord& record) : record_(record) { ++record_.alive; }
    ~RecordingShellLink() override {
        record_.calls.push_back("Release IShellLink");
        --record_.alive;
    }
    void SetPath(const std::string& path) override { Log("SetPath " + (link_->path = path)); }
    void SetWorkingDirectory(const std::string& folder) override {
        Log("SetWorkingDirectory " + (link_->workDir = folder));
    }
    void SetShowCmd(std::int32_t showCmd) override { Log("SetShowCmd " + std::to_string(link_->showCmd = showCmd)); }
    void SetHotkey(std::uint16_t hotkey) override {
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X", link_->hotkey = hotkey);
        Log(std::string("SetHotkey ") + text);
    }
    void SetIconLocation(const std::string& iconFile, std::int32_t index) override {
        link_->iconPath = iconFile;
        link_->iconIndex = index;
        Log("SetIconLocation " + iconFile + "," + std::to_string(index));
    }
    void SetArguments(const std::string& arguments) override { Log("SetArguments " + (link_->arguments = arguments)); }

    std::string GetPath() override { return link_->path; }
    std::string GetWorkingDirectory() override { return link_->workDir; }
    std::int32_t GetShowCmd() override { return link_->showCmd; }
    std::uint16_t GetHotkey() override { return link_->hotkey; }
    std::string GetIconLocation(std::int32_t& index) override {
        index = link_->iconIndex;
        return link_->iconPath;
    }
    std::string GetArguments() override { return link_->arguments; }

    ShellResult QueryLinkFile(std::unique_ptr<LinkFile>& file) override {
        Log("QueryInterface IPersistFile");
        if (Failed(record_.queryResult))
            return record_.queryResult;
        file = std::make_unique<RecordingLinkFile>(record_, link_);
        return kShellOk;
    }

  private:
    void Log(const std::string& call) { record_.calls.push_back(call); }
    ShellRecord& record_;
    std::shared_ptr<StoredLink> link_ = std::make_shared<StoredLink>();
};

class RecordingFactory final : public ShellLinkFactory {
  public:
    explicit RecordingFactory(ShellRecord& record) : record_(record) {}
    ShellResult CreateShellLink(std::unique_ptr<ShellLink>& link) override {
        record_.calls.push_back("CoCreateInstance");
        if (Failed(record_.createResult))
            return record_.createResult;
        link = std::make_unique<RecordingShellLink>(record_);
        return kShellOk;
    }

  private:
    ShellRecord& record_;
};

inline std::unique_ptr<ShellLinkFactory> ShellRecord::MakeFactory() {
    return std::make_unique<RecordingFactory>(*this);
}

}  // namespace kawaban::test
