// The shell link port over COM. Names are converted from the ANSI code page into buffers of
// MAX_PATH UTF-16 units; a name that does not fit fails instead of being cut, so a shortcut
// is never written under or read from a shortened name. The getters fill MAX_PATH-byte
// buffers, and their texts are always terminated and whole characters.
#include "shell/shell_link_win32.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <string_view>

#include "text/sjis.h"

namespace kawaban {
namespace {

// name as UTF-16 in wide, terminated. A name holding a NUL byte would be cut there, so it is
// refused like one that does not fit.
HRESULT ToWideName(std::string_view name, WCHAR (&wide)[MAX_PATH]) {
    if (name.find('\0') != std::string_view::npos)
        return E_INVALIDARG;
    const std::string terminated(name);
    if (MultiByteToWideChar(CP_ACP, 0, terminated.c_str(), -1, wide, MAX_PATH) == 0) {
        const DWORD error = GetLastError();
        return error != 0 ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    return S_OK;
}

// The text a getter left in buffer; empty when the getter failed. A value longer than the
// buffer comes back cut, possibly after the first byte of a double-byte character: that
// half character is dropped, so the text never ends in a lead byte that would swallow
// whatever is appended to it.
std::string TextFrom(HRESULT result, char (&buffer)[MAX_PATH]) {
    if (FAILED(result))
        return {};
    buffer[MAX_PATH - 1] = '\0';
    std::string text(buffer);
    std::size_t whole = 0;
    while (whole < text.size() && whole + CharLength(text, whole) <= text.size())
        whole += CharLength(text, whole);
    text.resize(whole);
    return text;
}

// Calls use with name converted to UTF-16, or gives the failure of the conversion.
template <typename Use>
HRESULT WithWideName(std::string_view name, Use use) {
    WCHAR wide[MAX_PATH];
    const HRESULT converted = ToWideName(name, wide);
    return FAILED(converted) ? converted : use(wide);
}

// The port object over the interface a COM call handed over, or the call's failure.
template <typename Wrapper, typename Interface, typename Port>
HRESULT Adopt(HRESULT result, Interface* object, std::unique_ptr<Port>& port) {
    if (FAILED(result))
        return result;
    if (!object)
        return E_POINTER;
    port = std::make_unique<Wrapper>(object);
    return result;
}

// An interface pointer released when its holder goes.
struct ReleaseInterface {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComRef = std::unique_ptr<Interface, ReleaseInterface>;

class ComLinkFile final : public LinkFile {
  public:
    explicit ComLinkFile(IPersistFile* file) : file_(file) {}

    ShellResult Save(std::string_view name) override {
        return WithWideName(name, [this](const WCHAR* wide) { return file_->Save(wide, TRUE); });
    }
    ShellResult Load(std::string_view name) override {
        return WithWideName(name, [this](const WCHAR* wide) { return file_->Load(wide, STGM_READ); });
    }

  private:
    ComRef<IPersistFile> file_;
};

class ComShellLink final : public ShellLink {
  public:
    explicit ComShellLink(IShellLinkA* link) : link_(link) {}

    void SetPath(const std::string& path) override { link_->SetPath(path.c_str()); }
    void SetWorkingDirectory(const std::string& folder) override { link_->SetWorkingDirectory(folder.c_str()); }
    void SetShowCmd(std::int32_t showCmd) override { link_->SetShowCmd(showCmd); }
    void SetHotkey(std::uint16_t hotkey) override { link_->SetHotkey(hotkey); }
    void SetIconLocation(const std::string& iconFile, std::int32_t index) override {
        link_->SetIconLocation(iconFile.c_str(), index);
    }
    void SetArguments(const std::string& arguments) override { link_->SetArguments(arguments.c_str()); }

    std::string GetPath() override {
        char buffer[MAX_PATH] = {};
        WIN32_FIND_DATAA found = {};  // filled by the shell, not used
        return TextFrom(link_->GetPath(buffer, MAX_PATH, &found, SLGP_UNCPRIORITY), buffer);
    }
    std::string GetWorkingDirectory() override {
        char buffer[MAX_PATH] = {};
        return TextFrom(link_->GetWorkingDirectory(buffer, MAX_PATH), buffer);
    }
    std::int32_t GetShowCmd() override {
        int showCmd = 0;
        return SUCCEEDED(link_->GetShowCmd(&showCmd)) ? showCmd : 0;
    }
    std::uint16_t GetHotkey() override {
        WORD hotkey = 0;
        return SUCCEEDED(link_->GetHotkey(&hotkey)) ? hotkey : 0;
    }
    std::string GetIconLocation(std::int32_t& index) override {
        char buffer[MAX_PATH] = {};
        int icon = 0;
        const HRESULT result = link_->GetIconLocation(buffer, MAX_PATH, &icon);
        index = SUCCEEDED(result) ? icon : 0;
        return TextFrom(result, buffer);
    }
    std::string GetArguments() override {
        char buffer[MAX_PATH] = {};
        return TextFrom(link_->GetArguments(buffer, MAX_PATH), buffer);
    }

    ShellResult QueryLinkFile(std::unique_ptr<LinkFile>& file) override {
        IPersistFile* persist = nullptr;
        const HRESULT result = link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
        return Adopt<ComLinkFile>(result, persist, file);
    }

  private:
    ComRef<IShellLinkA> link_;
};

class ComShellLinkFactory final : public ShellLinkFactory {
  public:
    // CoInitialize gives S_FALSE when COM was already initialised on the thread; that still
    // wants its CoUninitialize. A failure (another apartment) wants none.
    ComShellLinkFactory() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComShellLinkFactory() override {
        if (initialised_)
            CoUninitialize();
    }
    ComShellLinkFactory(const ComShellLinkFactory&) = delete;
    ComShellLinkFactory& operator=(const ComShellLinkFactory&) = delete;

    ShellResult CreateShellLink(std::unique_ptr<ShellLink>& link) override {
        IShellLinkA* created = nullptr;
        const HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                                reinterpret_cast<void**>(&created));
        return Adopt<ComShellLink>(result, created, link);
    }

  private:
    bool initialised_;
};

}  // namespace

std::unique_ptr<ShellLinkFactory> MakeComShellLinkFactory() {
    return std::make_unique<ComShellLinkFactory>();
}

}  // namespace kawaban
