// The screen saver in process under Wine: the full-screen run (place, hidden pointer, start
// point, input method, the inputs that end it, the covers of other monitors, nothing
// written), the preview run in a box of this process (the child window, the first panel,
// its drawing, how it ends), a preview handle that names no window, and the registration.
#include <windows.h>

#include <imm.h>

#include "form_test_support.h"
#include "test_support.h"

namespace kawaban {
namespace {

using test::AppFixture;
using test::KeyData;
using test::WindowRectOf;

constexpr char kWords[] = "2 太郎 花子 1 駅前 1 踊った";
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Holds Ctrl (or releases it) in this thread's key state, as GetKeyState reports it.
void HoldControl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// The program with a remembered word file; the start-up step runs look() while the panel
// shows (inside its modal loop). A panel that look() left showing goes back afterwards.
struct SaverRun {
    explicit SaverRun(std::vector<std::string> args) : fx(std::move(args)) {
        const std::string words = fx.folder.File("words.dat");
        test::Spit(words, kWords);
        settings = std::string(kDefaultSettingsText) + words + "\r\n";
        test::Spit(fx.SettingsFile(), settings);
    }
    void Run(const std::function<void()>& look) {
        test::WhenReady([&] { return fx.Form4().Modal(); },
                        [&] {
                            look();
                            test::WhenReady([&] { return fx.Form4().Modal(); }, [&] { fx.Form4().GoBack(); });
                        });
        fx.app.Start();
        ASSERT_TRUE(test::PumpUntil([&] { return fx.Form1().Timer2().Interval() == 0; }, 5000));
        test::PendingActions().clear();
    }
    AppFixture fx;
    std::string settings;
};

TEST(ScreenSaver, CoversTheScreenWithThePointerHiddenAndTheInputMethodOff) {
    SaverRun run({"/s"});
    SetCursorPos(500, 400);
    bool mainHidden = false;
    RECT place{};
    LONG_PTR exStyle = 0;
    HIMC inputContext = nullptr;
    BOOL cursorAnswer = FALSE;
    HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
    std::string text;
    run.Run([&] {
        TForm4& panel = run.fx.Form4();
        mainHidden = !run.fx.Form1().Visible();
        place = WindowRectOf(panel.Handle());
        // Another program becoming active does not take the saver out of the topmost band.
        SendMessageA(panel.Handle(), WM_ACTIVATEAPP, FALSE, 0);
        exStyle = GetWindowLongPtrA(panel.Handle(), GWL_EXSTYLE);
        inputContext = ImmGetContext(panel.Handle());
        // Other windows keep theirs: the check above means something.
        HIMC mainContext = ImmGetContext(run.fx.Form1().Handle());
        EXPECT_NE(mainContext, nullptr);
        ImmReleaseContext(run.fx.Form1().Handle(), mainContext);
        cursorAnswer = static_cast<BOOL>(
            SendMessageA(panel.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel.Handle()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        cursor = GetCursor();
        text = run.fx.Form1().Ticker().TickerText;
    });
    EXPECT_TRUE(mainHidden);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(run.fx.Form4().SaverStartPoint().x, 500);
    EXPECT_EQ(run.fx.Form4().SaverStartPoint().y, 400);
    EXPECT_EQ(inputContext, nullptr);
    EXPECT_TRUE(cursorAnswer);
    EXPECT_EQ(cursor, nullptr);
    // A 1024-pixel screen in 60-pixel cells, and the word data opened as a saver opens it.
    EXPECT_EQ(run.fx.Form1().Ticker().TickerWidth, GetSystemMetrics(SM_CXSCREEN) / 60);
    EXPECT_NE(text.find("＜でたらめ瓦版＞"), std::string::npos);
    EXPECT_NE(text.rfind(run.fx.Form1().Ticker().BannerText, 0), 0u);
    EXPECT_TRUE(run.fx.exitCodes.empty());
    EXPECT_EQ(test::Slurp(run.fx.SettingsFile()), run.settings);
}

// Each input is sent to the shown saver; the ending ones are recorded instead of ending the
// test. The start point is (500, 400) on the screen, (498, 398) in the client area.
TEST(ScreenSaver, TheInputsThatEndItAndThoseThatDoNot) {
    SaverRun run({"/s"});
    SetCursorPos(500, 400);
    const auto at = [](int screenX, int screenY) { return MAKELPARAM(screenX - 2, screenY - 2); };
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool control;
        bool ends;
        const char* what;
    } cases[] = {
        {WM_KEYDOWN, VK_TAB, KeyData(VK_TAB), false, false, "Tab alone"},
        {WM_CHAR, '\t', KeyData(VK_TAB), false, false, "the Tab character"},
        {WM_KEYDOWN, VK_TAB, KeyData(VK_TAB), true, true, "Ctrl+Tab"},
        {WM_KEYDOWN, VK_SHIFT, KeyData(VK_SHIFT), false, true, "Shift alone"},
        {WM_SYSKEYDOWN, VK_MENU, KeyData(VK_MENU), false, true, "Alt alone"},
        {WM_KEYDOWN, 'A', KeyData('A'), false, true, "a letter"},
        {WM_RBUTTONDOWN, MK_RBUTTON, at(500, 400), false, true, "a right press"},
        {WM_MBUTTONDOWN, MK_MBUTTON, at(500, 400), false, true, "a middle press"},
        {WM_RBUTTONDBLCLK, MK_RBUTTON, at(500, 400), false, true, "a right double-click"},
        {WM_MOUSEMOVE, 0, at(500, 400), false, false, "a move at the start point"},
        {WM_MOUSEMOVE, 0, at(530, 400), false, false, "30 right"},
        {WM_MOUSEMOVE, 0, at(532, 400), false, false, "32 right, 30 in the client"},
        {WM_MOUSEMOVE, 0, at(533, 400), false, true, "33 right"},
        {WM_MOUSEMOVE, 0, at(471, 400), false, true, "29 left"},
        {WM_MOUSEMOVE, 0, at(525, 425), false, false, "25 diagonally"},
        {WM_MOUSEMOVE, 0, at(500, 433), false, true, "33 down"},
        {WM_SYSCOMMAND, SC_SCREENSAVE, 0, false, false, "the system's screen saver"},
    };
    bool mainShownByDoubleClick = false;
    run.Run([&] {
        TForm4& panel = run.fx.Form4();
        for (const auto& c : cases) {
            run.fx.exitCodes.clear();
            HoldControl(c.control);
            SendMessageA(panel.Handle(), c.message, c.wParam, c.lParam);
            HoldControl(false);
            EXPECT_EQ(!run.fx.exitCodes.empty(), c.ends) << c.what;
            EXPECT_TRUE(panel.Modal()) << c.what;
        }
        // A left double-click shows the main window for the moment, closes the panel and ends.
        run.fx.exitCodes.clear();
        SendMessageA(panel.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at(500, 400));
        mainShownByDoubleClick = run.fx.Form1().Visible();
    });
    EXPECT_TRUE(mainShownByDoubleClick);
    EXPECT_EQ(run.fx.exitCodes, std::vector<int>{0});
    EXPECT_FALSE(run.fx.Form4().Visible());
    // Nothing is written, not even by the main window's quit command.
    run.fx.Form1().Click(TForm1::kExit1);
    EXPECT_EQ(test::Slurp(run.fx.SettingsFile()), run.settings);
}

// A second monitor is covered by a black window for as long as the saver shows; input there
// ends the saver as on the panel, and a move there is measured from the start point as on
// the panel. This second monitor lies over the start point, so the measure shows.
TEST(ScreenSaver, OtherMonitorsAreCoveredWhileItShowsAndTheirInputCounts) {
    SaverRun run({"/s"});
    SetCursorPos(500, 400);
    const RECT second{480, 380, 680, 580};
    run.fx.Form4().OtherMonitorsSource = [&] { return std::vector<RECT>{second}; };
    RECT place{};
    bool visible = false, topmost = false, black = false;
    HWND cover = nullptr;
    run.Run([&] {
        TForm4& panel = run.fx.Form4();
        ASSERT_EQ(panel.Covers().size(), 1u);
        cover = panel.Covers()[0];
        place = WindowRectOf(cover);
        visible = IsWindowVisible(cover);
        topmost = GetWindowLongPtrA(cover, GWL_EXSTYLE) & WS_EX_TOPMOST;
        black = reinterpret_cast<HBRUSH>(GetClassLongPtrA(cover, GCLP_HBRBACKGROUND)) == GetStockObject(BLACK_BRUSH);
        const struct {
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
            bool ends;
            const char* what;
        } cases[] = {
            {WM_KEYDOWN, VK_TAB, KeyData(VK_TAB), false, "Tab alone"},
            {WM_MOUSEMOVE, 0, MAKELPARAM(20, 20), false, "a move to the start point"},
            {WM_MOUSEMOVE, 0, MAKELPARAM(60, 20), true, "a move 40 pixels from it"},
            {WM_KEYDOWN, VK_SHIFT, KeyData(VK_SHIFT), true, "Shift"},
            {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20), true, "a left press"},
            {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20), true, "a right press"},
        };
        for (const auto& c : cases) {
            run.fx.exitCodes.clear();
            SendMessageA(cover, c.message, c.wParam, c.lParam);
            EXPECT_EQ(!run.fx.exitCodes.empty(), c.ends) << c.what;
        }
    });
    EXPECT_EQ(place.left, second.left);
    EXPECT_EQ(place.top, second.top);
    EXPECT_EQ(place.right, second.right);
    EXPECT_EQ(place.bottom, second.bottom);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(topmost);
    EXPECT_TRUE(black);
    // Once the panel is hidden the cover is gone.
    EXPECT_TRUE(run.fx.Form4().Covers().empty());
    EXPECT_FALSE(IsWindow(cover));
}

// A preview box of this process, as the display settings give one.
struct PreviewBox {
    PreviewBox() {
        hwnd = CreateWindowExA(0, "STATIC", "preview", WS_POPUP | SS_BLACKRECT, 10, 20, 152, 112, nullptr, nullptr,
                               nullptr, nullptr);
    }
    ~PreviewBox() {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    std::string Handle() const { return std::to_string(reinterpret_cast<INT_PTR>(hwnd)); }
    HWND hwnd;
};

RECT RectInParent(HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(ScreenSaverPreview, ASecondPanelFillsTheBoxAboveTheFirstAndDrawsAtHalfSize) {
    PreviewBox box;
    ASSERT_NE(box.hwnd, nullptr);
    SaverRun run({"/p", box.Handle()});
    ASSERT_TRUE(run.fx.created);
    TForm4* first = run.fx.app.FirstPanel.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetParent(first->Handle()), box.hwnd);
    RECT firstPlace{}, place{};
    LONG style = 0;
    HWND topChild = nullptr;
    int yellow = 0, yellowRowsFrom = -1;
    bool firstShown = false;
    run.Run([&] {
        TForm4& panel = run.fx.Form4();
        firstShown = first->Visible();
        firstPlace = RectInParent(first->Handle());
        place = RectInParent(panel.Handle());
        style = GetWindowLongA(panel.Handle(), GWL_STYLE);
        topChild = GetWindow(box.hwnd, GW_CHILD);
        // The text as the ticker draws it, in the halved font.
        panel.DrawTicker("ＷＷ");
        win::WindowDC dc(panel.Handle());
        for (int y = 0; y < 108; ++y)
            for (int x = 0; x < 148; ++x)
                if (GetPixel(dc.Get(), x, y) == kYellow) {
                    yellowRowsFrom = yellowRowsFrom < 0 ? y : yellowRowsFrom;
                    ++yellow;
                }
        // In the box the panel answers as in the ordinary program: no key, button or move
        // ends the process.
        for (UINT message : {WM_KEYDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MOUSEMOVE})
            SendMessageA(panel.Handle(), message, message == WM_KEYDOWN ? VK_SHIFT : 0, MAKELPARAM(100, 100));
        EXPECT_TRUE(run.fx.exitCodes.empty());
        // A close from outside ends the process.
        PostMessageA(panel.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(firstShown);
    EXPECT_EQ(firstPlace.left, 0);
    EXPECT_EQ(firstPlace.top, 0);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, 152);
    EXPECT_EQ(place.bottom, 112);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(topChild, run.fx.Form4().Handle());
    EXPECT_EQ(run.fx.Form1().Ticker().TickerWidth, 2);  // from the full-size 60-pixel cell
    EXPECT_EQ(run.fx.Form4().PanelFont().height, -29);   // size 45 halved: 22
    EXPECT_GT(yellow, 50);
    EXPECT_GE(yellowRowsFrom, 112 / 2 - run.fx.Form4().Cell() / 2 - 2);
    EXPECT_FALSE(run.fx.Form1().Visible());
    EXPECT_EQ(run.fx.exitCodes, std::vector<int>{0});
    EXPECT_EQ(test::Slurp(run.fx.SettingsFile()), run.settings);
}

TEST(ScreenSaverPreview, EndsWhenTheBoxGoesAwayOrWithItsQuitCommand) {
    {
        PreviewBox box;
        SaverRun run({"/p", box.Handle()});
        run.Run([&] { DestroyWindow(box.hwnd); });
        EXPECT_FALSE(run.fx.exitCodes.empty());
        EXPECT_EQ(run.fx.exitCodes[0], 0);
    }
    {
        PreviewBox box;
        SaverRun run({"/p", box.Handle()});
        std::vector<int> codes;
        run.Run([&] {
            run.fx.Form4().Click(TForm4::kPopClose);
            codes = run.fx.exitCodes;
        });
        EXPECT_EQ(codes, std::vector<int>{0});
        EXPECT_EQ(test::Slurp(run.fx.SettingsFile()), run.settings);  // 終了する writes nothing here
    }
}

// A numeric handle that names no window (a preview box already gone) ends the run quietly.
TEST(ScreenSaverPreview, AHandleThatNamesNoWindowEndsQuietly) {
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    AppFixture fx({"/p", std::to_string(reinterpret_cast<INT_PTR>(gone))});
    EXPECT_EQ(fx.exitCodes, std::vector<int>{0});
    EXPECT_TRUE(fx.dialogs.messages.empty());
    EXPECT_EQ(fx.app.FirstPanel, nullptr);
}

TEST(ScreenSaverRegistration, TheMenuCommandWritesTheRunningFileAndReportsAFailedWrite) {
    AppFixture fx;
    fx.Form1().Click(TForm1::kN6);
    ASSERT_EQ(fx.registry.writes.size(), 1u);
    EXPECT_EQ(fx.registry.writes[0].key, "Control Panel\\Desktop");
    EXPECT_EQ(fx.registry.writes[0].name, "SCRNSAVE.EXE");
    EXPECT_EQ(fx.registry.writes[0].value, fx.app.ExePath);
    EXPECT_TRUE(fx.dialogs.messages.empty());

    fx.registry.result = UserRegistry::WriteResult::WriteFailed;
    fx.Form1().Click(TForm1::kN6);
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].text, "'SCRNSAVE.EXE' の設定に失敗しました");
    test::PumpMessages();
}

}  // namespace
}  // namespace kawaban
