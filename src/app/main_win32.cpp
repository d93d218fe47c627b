// Process entry of でたらめ瓦版: the application object with the platform's dialogs and
// shell, the five windows, and the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

#include "app/kawaban_app.h"
#include "panel/user_registry_win32.h"
#include "shell/start_menu_win32.h"
#include "win/dialogs.h"

namespace {

constexpr char kTitle[] = "でたらめ瓦版";

class Win32Shell : public kawaban::ShellService {
public:
    bool ShowHelpContents(const std::string& helpFile) override {
        return WinHelpA(GetActiveWindow(), helpFile.c_str(), HELP_FINDER, 0) != FALSE;
    }
    bool OpenDocument(const std::string& path) override {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(GetActiveWindow(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
    }
    bool FileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    void AddToStartMenu() override { kawaban::AddKawabanToStartMenu(); }
};

void RunProgram() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);

    kawaban::win::Win32DialogService dialogs;
    Win32Shell shell;
    kawaban::Win32UserRegistry registry;
    kawaban::KawabanApp app(dialogs, shell, registry, std::move(args),
                            kawaban::RunningExecutablePath().value_or("Kawaban.exe"));
    if (!app.CreateForms()) {
        MessageBoxA(nullptr, "ウィンドウを作成できませんでした。", kTitle, MB_OK | MB_ICONERROR);
        return;
    }
    app.Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's document handlers (the manual that F1 opens) may be COM objects.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // An exception that escapes is shown as the platform's default box would; then the
    // process ends normally.
    try {
        RunProgram();
    } catch (const std::bad_alloc&) {
        MessageBoxA(nullptr, "メモリが足りません。", kTitle, MB_OK | MB_ICONERROR);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), kTitle, MB_OK | MB_ICONERROR);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}
