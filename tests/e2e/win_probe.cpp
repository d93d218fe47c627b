// A small Windows helper for the end-to-end tests: it looks at the program's windows from
// another process, as a user's desktop would, and reports what the X side cannot tell.
//   win_probe client TITLE   prints the client area of the top-level window TITLE as WxH+X+Y
//   win_probe window TITLE   prints the whole window's rectangle the same way
//   win_probe wait TITLE N   waits up to N seconds for the window TITLE; exit 0 when it is there
//   win_probe text TITLE     prints the message text of the message box TITLE (UTF-8)
//   win_probe gone TITLE N   waits up to N seconds until no visible window TITLE is left
//   win_probe list TITLE     prints every visible window TITLE, front to back, one per line:
//                            WxH+X+Y, then "popup" (no frame) or "framed", then "topmost" or "normal"
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <shellapi.h>

// The visible top-level window with this exact title (the program has hidden windows that
// share its title).
struct Search {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    if (IsWindowVisible(hwnd) && std::wcscmp(text, search->title) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindVisibleWindow(const wchar_t* title) {
    Search search{title, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3)
        return 2;
    const wchar_t* command = argv[1];
    const wchar_t* title = argv[2];
    if (std::wcscmp(command, L"wait") == 0) {
        const int seconds = argc > 3 ? _wtoi(argv[3]) : 10;
        for (int i = 0; i < seconds * 20; ++i) {
            if (FindVisibleWindow(title))
                return 0;
            Sleep(50);
        }
        return 1;
    }
    if (std::wcscmp(command, L"gone") == 0) {
        const int seconds = argc > 3 ? _wtoi(argv[3]) : 10;
        for (int i = 0; i < seconds * 20; ++i) {
            if (!FindVisibleWindow(title))
                return 0;
            Sleep(50);
        }
        return 1;
    }
    if (std::wcscmp(command, L"list") == 0) {
        struct List {
            const wchar_t* title;
        } list{title};
        EnumWindows(
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                wchar_t text[512] = {};
                GetWindowTextW(hwnd, text, 512);
                if (IsWindowVisible(hwnd) && std::wcscmp(text, reinterpret_cast<List*>(lParam)->title) == 0) {
                    RECT r;
                    GetWindowRect(hwnd, &r);
                    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
                    const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
                    std::printf("%ldx%ld+%ld+%ld %s %s\n", r.right - r.left, r.bottom - r.top, r.left, r.top,
                                (style & WS_CAPTION) ? "framed" : "popup", (exStyle & WS_EX_TOPMOST) ? "topmost" : "normal");
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&list));
        return 0;
    }
    HWND hwnd = FindVisibleWindow(title);
    if (!hwnd)
        return 1;
    if (std::wcscmp(command, L"text") == 0) {
        wchar_t text[1024] = {};
        GetDlgItemTextW(hwnd, 0xFFFF, text, 1024);  // a message box's text is control 0xFFFF
        char utf8[4096] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        std::printf("%s\n", utf8);
        return 0;
    }
    if (std::wcscmp(command, L"client") == 0) {
        RECT client;
        GetClientRect(hwnd, &client);
        POINT origin = {0, 0};
        ClientToScreen(hwnd, &origin);
        std::printf("%ldx%ld+%ld+%ld\n", client.right, client.bottom, origin.x, origin.y);
        return 0;
    }
    if (std::wcscmp(command, L"window") == 0) {
        RECT r;
        GetWindowRect(hwnd, &r);
        std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    return 2;
}
