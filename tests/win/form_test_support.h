// Helpers for the in-process window tests: the program's windows created hidden in this
// process, with scripted dialogs and a recording shell, and a message pump.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/kawaban_app.h"
#include "app/about_box.h"
#include "app/main_window.h"
#include "panel/news_panel_window.h"
#include "words/search_dialog.h"
#include "words/word_editor_window.h"
#include "fakes/recording_registry.h"
#include "fakes/scripted_dialogs.h"
#include "win/gdi.h"
#include "test_support.h"

namespace kawaban::test {

class RecordingShell : public ShellService {
public:
    bool ShowHelpContents(const std::string& helpFile) override {
        helpCalls.push_back(helpFile);
        return helpWorks;
    }
    bool OpenDocument(const std::string& path) override {
        documents.push_back(path);
        return true;
    }
    bool FileExists(const std::string& path) override {
        for (const std::string& existing : existingFiles)
            if (existing == path)
                return true;
        return false;
    }
    void AddToStartMenu() override { ++startMenuCalls; }
    int startMenuCalls = 0;
    bool helpWorks = false;
    std::vector<std::string> existingFiles;
    std::vector<std::string> helpCalls;
    std::vector<std::string> documents;
};

// Runs the messages that are waiting, then keeps pumping for the given time.
inline void PumpMessages(DWORD milliseconds = 0) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;  // a closed main window; the test goes on
            if (!win::Form::PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (static_cast<LONG>(GetTickCount() - end) >= 0)
            return;
        Sleep(5);
    }
}

// Pumps messages until the condition holds; false when it still fails after a second.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD milliseconds = 1000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(GetTickCount() - end) >= 0)
            return false;
        PumpMessages(10);
    }
    return true;
}

// Runs action once from inside whatever message loop runs (also a modal one), as soon as
// condition holds; checked every 20 ms by a thread timer.
struct PendingAction {
    std::function<bool()> condition;
    std::function<void()> action;
};
inline std::vector<PendingAction>& PendingActions() {
    static std::vector<PendingAction> pending;
    return pending;
}
inline void CALLBACK RunPendingActions(HWND, UINT, UINT_PTR, DWORD) {
    auto& pending = PendingActions();
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (pending[i].condition()) {
            const std::function<void()> action = std::move(pending[i].action);
            pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
            action();  // may run a loop of its own, which runs this again
            return;
        }
    }
}
inline void WhenReady(std::function<bool()> condition, std::function<void()> action) {
    static const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunPendingActions);
    (void)timer;
    PendingActions().push_back({std::move(condition), std::move(action)});
}

// The whole program's windows, as the process entry makes them. By default the program
// lives in a fresh folder of its own, where it keeps its settings file; ending the process
// is recorded instead of done.
struct AppFixture {
    explicit AppFixture(std::vector<std::string> args = {}, std::string exePath = {})
        : app(dialogs, shell, registry, std::move(args), exePath.empty() ? folder.File("Kawaban.exe") : std::move(exePath)) {
        app.EndProcess = [this](int code) { exitCodes.push_back(code); };
        created = app.CreateForms();
    }
    TForm1& Form1() { return *app.Form1; }
    TForm4& Form4() { return *app.Form4; }
    std::string SettingsFile() const { return folder.File("kawaban.cfg"); }
    TempDir folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingRegistry registry;
    KawabanApp app;
    std::vector<int> exitCodes;
    bool created = false;
};

inline RECT WindowRectOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

// A key message's lParam: the key's scan code in bits 16 to 23, a repeat count of 1.
inline LPARAM KeyData(UINT vk) {
    return static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16 | 1);
}

inline RECT ClientRectIn(HWND control, HWND parent) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof(font), &font);
    return font;
}

// Draws a window's client area into a bitmap and counts the pixels of one colour.
inline int CountPixels(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    win::WindowDC screen(window);
    win::MemoryDC memory(screen.Get(), client.right, client.bottom);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (GetPixel(memory.Get(), x, y) == colour)
                ++count;
    return count;
}

}  // namespace kawaban::test
