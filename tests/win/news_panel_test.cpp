// The news panel window in process under Wine: its design and popup menu, its size after each
// sizing, the font dialog, the two always-on-top check marks, the activation hold, the
// swallowed screen-saver start, the inputs that go back, its drawing, and the quit command.
#include <windows.h>

#include <algorithm>
#include <functional>

#include "form_test_support.h"
#include "test_support.h"

namespace kawaban {
namespace {

using test::AppFixture;
using test::WindowRectOf;

constexpr char kWords[] = "2 太郎 花子 1 駅前 1 踊った";
constexpr COLORREF kYellow = RGB(255, 255, 0);

std::string MenuTextAt(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

class NewsPanelTest : public ::testing::Test {
protected:
    void TearDown() override { test::PumpMessages(); }
    AppFixture fx;
    TForm1& main = fx.Form1();
    TForm4& panel = fx.Form4();
};

TEST_F(NewsPanelTest, DesignPopupMenuAndTopmostBand) {
    ASSERT_TRUE(fx.created);
    HWND hwnd = panel.Handle();
    EXPECT_EQ(win::WindowText(hwnd), "でたらめ瓦版");
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    const RECT window = WindowRectOf(hwnd);
    EXPECT_EQ(window.left, 299);
    EXPECT_EQ(window.top, 144);
    EXPECT_EQ(window.right - window.left, 478);
    EXPECT_EQ(window.bottom - window.top, 98);
    // The client area lies inside a 2-pixel border.
    RECT client;
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    EXPECT_EQ(client.right, 474);
    EXPECT_EQ(client.bottom, 94);
    EXPECT_EQ(origin.x - window.left, 2);
    EXPECT_EQ(origin.y - window.top, 2);

    HMENU popup = panel.Popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 4);
    EXPECT_EQ(MenuTextAt(popup, 0), "戻る");
    EXPECT_TRUE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(MenuTextAt(popup, 2), "常に前面に表示");
    EXPECT_EQ(MenuTextAt(popup, 3), "終了する");
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(TForm4::kPopBack));
    EXPECT_EQ(GetMenuItemID(popup, 2), static_cast<UINT>(TForm4::kMenuZenmen));
    EXPECT_EQ(GetMenuItemID(popup, 3), static_cast<UINT>(TForm4::kPopClose));
    EXPECT_FALSE(panel.MenuChecked(TForm4::kMenuZenmen));

    // The panel inside is hidden and disabled for good.
    HWND inner = panel.Control("Panel1");
    ASSERT_NE(inner, nullptr);
    EXPECT_FALSE(IsWindowVisible(inner));
    EXPECT_FALSE(IsWindowEnabled(inner));
}

TEST_F(NewsPanelTest, SizingFollowsThePanelFontAndKeepsThePlace) {
    SetWindowPos(panel.Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int height : {-60, -30, 80, -12}) {
        panel.SetPanelFont({"ＭＳ ゴシック", height, 65535});
        main.Ticker().TickerWidth = 99;
        panel.SizeNewsPanel();
        const int cell = panel.Cell();
        const RECT r = WindowRectOf(panel.Handle());
        EXPECT_EQ(r.right - r.left, 8 * cell) << height;
        EXPECT_EQ(r.bottom - r.top, (height < 0 ? -height : height) + 38) << height;
        EXPECT_EQ(r.left, 123) << height;
        EXPECT_EQ(r.top, 45) << height;
        EXPECT_EQ(main.Ticker().TickerWidth, 8) << height;
        if (height == -60) {
            EXPECT_EQ(r.right - r.left, 480);  // the default font's cell is 60 pixels
        }
    }
    // A height no screen could show is limited, so drawing stays possible.
    panel.SetPanelFont({"ＭＳ ゴシック", -2000000000, 65535});
    EXPECT_EQ(panel.PanelFont().height, -win::kLargestFontHeight);
    panel.SizeNewsPanel();
    EXPECT_EQ(main.Ticker().TickerWidth, 8);
}

TEST_F(NewsPanelTest, TheFontDialogFromBothCommands) {
    const FontChoice start{"ＭＳ ゴシック", -60, 65535};
    const FontChoice chosen{"IPAGothic", -30, 255, true, false, true, false};
    for (int id : {TForm1::kN3, TForm1::kButton1}) {
        panel.SetPanelFont(start);
        panel.SizeNewsPanel();
        // OK: the chosen font, and the window sized for it.
        fx.dialogs.NextFont(chosen);
        main.Click(id);
        ASSERT_EQ(fx.dialogs.fontDialogs.size(), 1u);
        EXPECT_EQ(fx.dialogs.fontDialogs[0], start);  // the dialog opens with the panel font
        EXPECT_EQ(panel.PanelFont(), chosen);
        EXPECT_EQ(WindowRectOf(panel.Handle()).bottom - WindowRectOf(panel.Handle()).top, 68);
        // Cancel: the font and size stay, and the ticker width is still computed again.
        const RECT before = WindowRectOf(panel.Handle());
        main.Ticker().TickerWidth = 99;
        fx.dialogs.NextFont(std::nullopt);
        main.Click(id);
        EXPECT_EQ(panel.PanelFont(), chosen);
        const RECT after = WindowRectOf(panel.Handle());
        EXPECT_TRUE(EqualRect(&before, &after));
        EXPECT_EQ(main.Ticker().TickerWidth, 8);
        fx.dialogs.fontDialogs.clear();
    }
    EXPECT_TRUE(fx.dialogs.ScriptUsedUp());

}

TEST_F(NewsPanelTest, TheTwoCheckMarksAlwaysAgree) {
    const auto marks = [&] {
        return std::string(main.MenuChecked(TForm1::kMenuZenmen) ? "M" : "-") +
               (panel.MenuChecked(TForm4::kMenuZenmen) ? "P" : "-");
    };
    main.Click(TForm1::kMenuZenmen);
    EXPECT_EQ(marks(), "MP");
    panel.Click(TForm4::kMenuZenmen);
    EXPECT_EQ(marks(), "--");
    panel.Click(TForm4::kMenuZenmen);
    EXPECT_EQ(marks(), "MP");
    EXPECT_TRUE(main.AlwaysOnTop());
    main.Click(TForm1::kMenuZenmen);
    EXPECT_EQ(marks(), "--");
}

TEST_F(NewsPanelTest, ActivationHoldTopmostBandAndScreenSaverStart) {
    HWND hwnd = panel.Handle();
    const auto topmost = [&] { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    // Hidden, or with the option off, the activation change gets the usual answer.
    main.SetAlwaysOnTop(true);
    EXPECT_NE(SendMessageA(hwnd, WM_NCACTIVATE, FALSE, 0), 0);
    panel.Show();
    main.SetAlwaysOnTop(false);
    EXPECT_NE(SendMessageA(hwnd, WM_NCACTIVATE, FALSE, 0), 0);
    // Shown with the option on: refused.
    main.SetAlwaysOnTop(true);
    EXPECT_EQ(SendMessageA(hwnd, WM_NCACTIVATE, FALSE, 0), 0);
    EXPECT_EQ(SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0), 0);

    // Another program active: the panel keeps the topmost band only with the option on.
    SendMessageA(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(topmost());
    main.SetAlwaysOnTop(false);
    SendMessageA(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(topmost());
    SendMessageA(hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(topmost());

    // The system's screen-saver start is answered 1 and goes no further.
    EXPECT_EQ(SendMessageA(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    panel.Hide();
}

// Each input arrives while the panel is shown alone (modal), and goes back or does nothing.
TEST_F(NewsPanelTest, InputsThatGoBackAndInputsThatDoNothing) {
    const auto key = test::KeyData;
    const LPARAM at = MAKELPARAM(10, 10);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool goesBack;
        const char* what;
    } cases[] = {
        {WM_CHAR, 'a', key('A'), true, "a letter"},
        {WM_CHAR, VK_ESCAPE, key(VK_ESCAPE), true, "Esc"},
        {WM_CHAR, '\r', key(VK_RETURN), true, "Enter"},
        {WM_CHAR, ' ', key(VK_SPACE), true, "space"},
        {WM_CHAR, '\t', key('I'), true, "Ctrl+I, the Tab character from another key"},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, at, true, "a left double-click"},
        {WM_CHAR, '\t', key(VK_TAB), false, "Tab"},
        {WM_KEYDOWN, VK_SHIFT, key(VK_SHIFT), false, "Shift"},
        {WM_KEYDOWN, VK_LEFT, key(VK_LEFT), false, "an arrow"},
        {WM_KEYDOWN, VK_F5, key(VK_F5), false, "a function key"},
        {WM_RBUTTONDOWN, MK_RBUTTON, at, false, "a right press"},
        {WM_MBUTTONDOWN, MK_MBUTTON, at, false, "a middle press"},
        {WM_MOUSEMOVE, 0, at, false, "a move"},
    };
    for (const auto& c : cases) {
        bool mainShown = true;
        test::WhenReady([&] { return panel.Modal(); },
                        [&] {
                            SendMessageA(panel.Handle(), c.message, c.wParam, c.lParam);
                            mainShown = main.Visible();
                            if (!mainShown)
                                panel.Click(TForm4::kPopBack);  // 戻る
                        });
        main.Click(TForm1::kMenuOnlyNews);  // returns when the panel closes
        EXPECT_EQ(mainShown, c.goesBack) << c.what;
        EXPECT_TRUE(main.Visible()) << c.what;
        EXPECT_FALSE(panel.Visible()) << c.what;
        EXPECT_TRUE(fx.exitCodes.empty()) << c.what;
    }
}

// Closed by other means than going back (Alt+F4 sends WM_CLOSE), the panel brings the main
// window back, so the program is never left without a window.
// The main window's show handler sizes the panel again.
TEST_F(NewsPanelTest, AnyCloseBringsTheMainWindowBack) {
    test::WhenReady([&] { return panel.Modal(); },
                    [&] {
                        main.Ticker().TickerWidth = 99;
                        SendMessageA(panel.Handle(), WM_CLOSE, 0, 0);
                    });
    main.Show();
    SendMessageA(main.Handle(), WM_COMMAND, MAKEWPARAM(TForm1::kPanel1, win::kPanelDoubleClick),
                 reinterpret_cast<LPARAM>(main.Control("Panel1")));  // a double-click on the board
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(main.Ticker().TickerWidth, 8);
}

TEST_F(NewsPanelTest, TheTickerDrawsOpaqueYellowCentredOnTheCell) {
    panel.SetPanelFont({"ＭＳ ゴシック", -60, 65535});
    panel.SizeNewsPanel();
    panel.Show();
    test::PumpMessages(100);
    const auto yellowRows = [&](int& first, int& count) {
        win::WindowDC dc(panel.Handle());
        first = -1;
        count = 0;
        for (int y = 0; y < 94; ++y)
            for (int x = 0; x < 240; x += 2)
                if (GetPixel(dc.Get(), x, y) == kYellow) {
                    if (first < 0)
                        first = y;
                    ++count;
                }
    };
    panel.DrawTicker("ＷＷＷＷ");
    int first = 0, count = 0;
    yellowRows(first, count);
    EXPECT_GT(count, 100);
    // Drawn at y = 98 / 2 - 60 / 2 = 19 in the client area: nothing yellow above it.
    EXPECT_GE(first, 19);
    // Full-width spaces cover the text before them: each cell's background is painted.
    panel.DrawTicker("　　　　");
    yellowRows(first, count);
    EXPECT_EQ(count, 0);
    panel.Hide();
    panel.DrawTicker("ＷＷＷＷ");  // also while hidden, without harm
}

// "終了する" for each state of the word data and each answer of the question.
TEST(NewsPanelQuit, EachAnswer) {
    enum class Words { Saved, Unsaved, UnsavedWithoutName, UnsavedUnwritable };
    const struct {
        Words words;
        std::optional<MessageAnswer> answer;  // nothing: no question
        bool ends;
        const char* what;
    } cases[] = {
        {Words::Saved, std::nullopt, true, "nothing unsaved: no question"},
        {Words::Unsaved, MessageAnswer::No, true, "いいえ"},
        {Words::Unsaved, MessageAnswer::Yes, true, "はい saves first"},
        {Words::UnsavedWithoutName, MessageAnswer::Yes, true, "はい, name dialog cancelled: goes on"},
        {Words::UnsavedUnwritable, MessageAnswer::Yes, false, "はい, the save fails: the words are kept"},
        {Words::Unsaved, MessageAnswer::Cancel, false, "キャンセル"},
    };
    for (const auto& c : cases) {
        AppFixture fx;
        std::string words = fx.folder.File("words.dat");
        test::Spit(words, kWords);
        fx.Form1().Commands().LoadWordData(LoadMode::Named, words);
        if (c.words != Words::Saved)
            fx.Form1().Commands().SetModified(true);
        if (c.words == Words::UnsavedWithoutName) {
            fx.app.Words.FilePath.clear();
            words.clear();
            fx.dialogs.NextFile(std::nullopt);
        }
        if (c.words == Words::UnsavedUnwritable) {
            words = fx.folder.File("no-such-folder\\words.dat");
            fx.app.Words.FilePath = words;
        }
        if (c.answer)
            fx.dialogs.NextAnswer(*c.answer);
        fx.Form1().SetAlwaysOnTop(true);
        bool mainMarkDuringQuestion = true, panelMarkDuringQuestion = false;
        fx.dialogs.onMessage = [&](const MessageRequest&) {
            mainMarkDuringQuestion = fx.Form1().MenuChecked(TForm1::kMenuZenmen);
            panelMarkDuringQuestion = fx.Form4().MenuChecked(TForm4::kMenuZenmen);
        };
        fx.Form4().Click(TForm4::kPopClose);

        ASSERT_EQ(fx.dialogs.messages.size(), !c.answer ? 0u : c.words == Words::UnsavedUnwritable ? 2u : 1u)
            << c.what;
        if (c.answer) {
            EXPECT_EQ(fx.dialogs.messages[0].caption, "確認") << c.what;
            EXPECT_EQ(fx.dialogs.messages[0].text, "単語データを保存しますか？") << c.what;
            EXPECT_EQ(fx.dialogs.messages[0].buttons, MessageButtons::YesNoCancel) << c.what;
            EXPECT_FALSE(mainMarkDuringQuestion) << c.what;  // off while the question shows
            EXPECT_TRUE(panelMarkDuringQuestion) << c.what;  // only the main window's item
        }
        EXPECT_TRUE(fx.Form1().AlwaysOnTop()) << c.what;
        EXPECT_EQ(fx.exitCodes, c.ends ? std::vector<int>{0} : std::vector<int>{}) << c.what;
        std::string cfg;
        const bool written = ReadWholeFile(fx.SettingsFile(), cfg);
        EXPECT_EQ(written, c.ends) << c.what;
        if (written) {
            EXPECT_EQ(cfg.substr(0, 3), "3\r\n") << c.what;  // StartInPanel 1, always on top 2
            if (!words.empty()) {
                EXPECT_NE(cfg.find("\r\n" + words + "\r\n"), std::string::npos) << c.what;
            } else {
                EXPECT_EQ(std::count(cfg.begin(), cfg.end(), '\n'), 12) << c.what;
            }
        }
        if (c.answer == MessageAnswer::Yes) {
            EXPECT_EQ(fx.app.Words.Modified, c.words != Words::Unsaved) << c.what;
        }
        test::PumpMessages();
    }
}

}  // namespace
}  // namespace kawaban
