// A small Windows helper for the end-to-end tests that plays the display settings' preview
// box: a 152 x 112 window of its own, with a screen saver started in it as Windows starts one.
//   preview_host SAVER ACTION
// starts "SAVER /p <the box's handle>", waits until a child window fills the box, prints every
// child window of the box front to back as "child WxH+X+Y visible|hidden", then:
//   close     posts WM_CLOSE to the front child window
//   destroy   destroys the box (the settings dialog going away)
// and prints "exit N" with the saver's exit status, or "exit timeout". Exit status 0 when the
// child came and the saver ended; 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kWidth = 152, kHeight = 112;

// Runs this thread's messages (the saver's child window sends some to its parent's thread)
// until the handle is signalled or the time is up; true when it was signalled.
bool PumpUntilSignalled(HANDLE handle, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        const auto left = static_cast<LONG>(end - GetTickCount());
        if (left <= 0)
            return false;
        const DWORD result = MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE,
                                                       static_cast<DWORD>(left), QS_ALLINPUT);
        if (handle && result == WAIT_OBJECT_0)
            return true;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

HWND FillingChild(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&r), 2);
        if (IsWindowVisible(child) && r.left == 0 && r.top == 0 && r.right == kWidth && r.bottom == kHeight)
            return child;
    }
    return nullptr;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3)
        return 2;
    const std::wstring action = argv[2];

    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"KawabanPreviewBox";
    RegisterClassW(&wc);
    HWND box = CreateWindowExW(0, wc.lpszClassName, L"preview box", WS_POPUP | WS_VISIBLE, 100, 100, kWidth,
                               kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    if (!box)
        return 2;

    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" /p " +
                           std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(box)));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 2;

    HWND child = nullptr;
    for (int i = 0; i < 200 && !child; ++i) {
        PumpUntilSignalled(nullptr, 100);
        child = FillingChild(box);
    }
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&r), 2);
        std::printf("child %ldx%ld+%ld+%ld %s\n", r.right - r.left, r.bottom - r.top, r.left, r.top,
                    IsWindowVisible(c) ? "visible" : "hidden");
    }
    std::fflush(stdout);

    if (child && action == L"close")
        PostMessageW(child, WM_CLOSE, 0, 0);
    else if (child && action == L"destroy")
        DestroyWindow(box);

    const bool ended = PumpUntilSignalled(process.hProcess, 15000);
    DWORD code = 0;
    if (ended && GetExitCodeProcess(process.hProcess, &code))
        std::printf("exit %lu\n", code);
    else
        std::printf("exit timeout\n");
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    return child && ended ? 0 : 1;
}
