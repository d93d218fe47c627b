// The main window in process under Wine: its design, menus and shortcuts, the enabled states
// that follow the word data, the close question, and the ticker on Timer1 and Panel1.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "form_test_support.h"
#include "test_support.h"

namespace kawaban {
namespace {

using test::AppFixture;

constexpr char kWords[] = "2 太郎 花子 1 駅前 1 踊った";
constexpr char kMoreWords[] = "1 次郎 1 公園 1 歌った";

std::string MenuText(HMENU menu, int id) {
    char text[256] = {};
    GetMenuStringA(menu, id, text, sizeof(text), MF_BYCOMMAND);
    return text;
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        test::Spit(words1, kWords);
        test::Spit(words2, kMoreWords);
    }
    void TearDown() override { test::PumpMessages(); }
    test::TempDir dir;
    const std::string words1 = dir.File("words1.dat");
    const std::string words2 = dir.File("words2.dat");
    AppFixture fx;
    TForm1& form = fx.Form1();
};

TEST_F(MainWindowTest, WindowAndControlsAreAsDesigned) {
    ASSERT_TRUE(fx.created);
    HWND hwnd = form.Handle();
    EXPECT_EQ(win::WindowText(hwnd), "でたらめ瓦版");
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(window.left, 214);
    EXPECT_EQ(window.top, 111);
    EXPECT_EQ(client.right, 512);
    EXPECT_EQ(client.bottom, 188);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(IsWindowVisible(hwnd));

    const struct {
        const char* name;
        RECT rect;
        const char* caption;
        bool enabled;
    } controls[] = {
        {"Panel1", {14, 7, 497, 104}, "", true},
        {"TrackBar1", {8, 120, 241, 137}, "", true},
        {"Label1", {24, 144, -1, -1}, "速い", true},  // labels size themselves to their text
        {"Label2", {208, 144, -1, -1}, "遅い", true},
        {"BtnLoad", {248, 112, 321, 145}, "読み込み(&L)", true},
        {"BtnEdit", {336, 112, 409, 145}, "単語設定(&E)", true},
        {"BtnAdd", {248, 152, 321, 177}, "追加(&D)", false},
        {"Button1", {336, 152, 409, 177}, "ﾌｫﾝﾄ変更(&F)", true},
        {"BitBtn1", {424, 112, 497, 177}, "閉じる(&C)", true},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        HWND control = form.Control(c.name);
        ASSERT_NE(control, nullptr);
        const RECT r = test::ClientRectIn(control, hwnd);
        EXPECT_EQ(r.left, c.rect.left);
        EXPECT_EQ(r.top, c.rect.top);
        if (c.rect.right >= 0) {
            EXPECT_EQ(r.right, c.rect.right);
            EXPECT_EQ(r.bottom, c.rect.bottom);
        }
        EXPECT_EQ(win::WindowText(control), c.caption);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, c.enabled);
    }

    const LOGFONTA board = test::FontOf(form.Control("Panel1"));
    EXPECT_STREQ(board.lfFaceName, "ＭＳ ゴシック");
    EXPECT_EQ(board.lfHeight, -60);
    EXPECT_EQ(board.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(test::FontOf(form.Control("Button1")).lfHeight, -11);
    EXPECT_STREQ(test::FontOf(form.Control("BtnLoad")).lfFaceName, "ＭＳ Ｐゴシック");

    HWND track = form.Control("TrackBar1");
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageA(track, TBM_GETLINESIZE, 0, 0), 5);
    const LONG trackStyle = GetWindowLongA(track, GWL_STYLE);
    EXPECT_FALSE(trackStyle & (TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS));  // ticks below
    EXPECT_TRUE(trackStyle & TBS_AUTOTICKS);

    // Tab order: BitBtn1, TrackBar1, BtnLoad, BtnEdit, Button1, BtnAdd (disabled at start).
    const char* order[] = {"BitBtn1", "TrackBar1", "BtnLoad", "BtnEdit", "Button1"};
    HWND current = form.Control("BitBtn1");
    for (const char* name : order) {
        EXPECT_EQ(current, form.Control(name)) << name;
        current = GetNextDlgTabItem(hwnd, current, FALSE);
    }
    EXPECT_EQ(current, form.Control("BitBtn1"));  // BtnAdd is skipped while disabled
}

TEST_F(MainWindowTest, MenusHaveTheirCaptionsShortcutsAndStartingStates) {
    const struct {
        int id;
        const char* text;
        bool enabled;
    } items[] = {
        {TForm1::kL1, "読み込み(&L)\tCtrl+L", true},
        {TForm1::kA1, "ファイルから追加(&A)\tCtrl+D", false},
        {TForm1::kSave1, "保存(&S)\tCtrl+S", false},
        {TForm1::kMenuNewSave, "別名で保存", false},
        {TForm1::kExit1, "終了(&Q)", true},
        {TForm1::kE1, "単語設定(&E)\tCtrl+E", true},
        {TForm1::kMenuOnlyNews, "ニュースのみ表示\tCtrl+N", true},
        {TForm1::kN3, "フォントの変更\tCtrl+F", true},
        {TForm1::kMenuZenmen, "常に前面に表示", true},
        {TForm1::kMenuSetClr, "標準設定のクリア", true},
        {TForm1::kN6, "スクリーンセーバーとして登録", true},
        {TForm1::kMenuAddStartMenu, "スタートメニューに登録", true},
        {TForm1::kContents1, "目次(&C)\tF1", true},
        {TForm1::kAbout1, "バージョン情報(&A)", true},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.text);
        EXPECT_EQ(MenuText(form.Menu(), item.id), item.text);
        EXPECT_EQ(form.MenuEnabled(item.id), item.enabled);
        EXPECT_FALSE(form.MenuChecked(item.id));
    }
    char top[64] = {};
    const char* menus[] = {"ファイル(&F)", "環境(&E)", "ヘルプ(&H)"};
    ASSERT_EQ(GetMenuItemCount(form.Menu()), 3);
    for (int i = 0; i < 3; ++i) {
        GetMenuStringA(form.Menu(), i, top, sizeof(top), MF_BYPOSITION);
        EXPECT_STREQ(top, menus[i]);
    }
    // The separators N1, N4 and N2 stand where the design puts them.
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(form.Menu(), 0)), 6);
    EXPECT_EQ(GetMenuState(GetSubMenu(form.Menu(), 0), 4, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(form.Menu(), 1)), 8);
    EXPECT_EQ(GetMenuState(GetSubMenu(form.Menu(), 2), 1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));

    // Each shortcut reaches its item.
    const struct {
        WORD key;
        bool control;
        int id;
    } shortcuts[] = {{'L', true, TForm1::kL1},         {'D', true, TForm1::kA1}, {'S', true, TForm1::kSave1},
                     {'E', true, TForm1::kE1},         {'N', true, TForm1::kMenuOnlyNews},
                     {'F', true, TForm1::kN3},         {VK_F1, false, TForm1::kContents1}};
    ACCEL table[16];
    const int count = CopyAcceleratorTableA(form.Accelerators(), table, 16);
    ASSERT_EQ(count, 7);
    for (const auto& s : shortcuts) {
        bool found = false;
        for (int i = 0; i < count; ++i)
            if (table[i].key == s.key && table[i].cmd == s.id && ((table[i].fVirt & FCONTROL) != 0) == s.control)
                found = true;
        EXPECT_TRUE(found) << s.id;
    }
}

BOOL CALLBACK FindTooltipOf(HWND hwnd, LPARAM lParam) {
    auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(lParam);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (std::strcmp(name, TOOLTIPS_CLASSA) == 0 && GetWindow(hwnd, GW_OWNER) == found->first) {
        found->second = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST_F(MainWindowTest, HintsAreTooltips) {
    std::pair<HWND, HWND> found{form.Handle(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTooltipOf, reinterpret_cast<LPARAM>(&found));
    HWND tooltip = found.second;
    ASSERT_NE(tooltip, nullptr);
    const struct {
        const char* control;
        const char* hint;
    } hints[] = {{"Panel1", "ダブルクリックすると、ニュースのみを表示します"},
                 {"TrackBar1", "表示スピードの調節ができます"},
                 {"BtnLoad", "単語データを読み込みます"},
                 {"BtnEdit", "単語データを保存します"},
                 {"BtnAdd", "単語データをファイルから追加します"},
                 {"Button1", "ニュースのみを表示したときのフォントを変更します"},
                 {"BitBtn1", "終了します"}};
    for (const auto& h : hints) {
        char text[256] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = form.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(form.Control(h.control));
        tool.lpszText = text;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, h.hint) << h.control;
    }
}

TEST_F(MainWindowTest, CommandsFollowTheWordDataFlags) {
    auto enabledStates = [&] {
        return std::string() + (form.MenuEnabled(TForm1::kSave1) ? "S" : "-") +
               (form.MenuEnabled(TForm1::kMenuNewSave) ? "N" : "-") + (form.MenuEnabled(TForm1::kA1) ? "A" : "-") +
               (IsWindowEnabled(form.Control("BtnAdd")) ? "B" : "-");
    };
    EXPECT_EQ(enabledStates(), "----");

    // Save (Ctrl+S) does nothing while it is greyed: no dialog shows.
    form.Click(TForm1::kSave1);
    form.Click(TForm1::kA1);
    EXPECT_TRUE(fx.dialogs.fileDialogs.empty());

    fx.dialogs.NextFile(words1);
    form.Click(TForm1::kL1);
    EXPECT_EQ(enabledStates(), "--AB");
    EXPECT_EQ(fx.app.Words.FilePath, words1);

    fx.dialogs.NextFile(words2);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(TForm1::kBtnAdd, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.Control("BtnAdd")));
    EXPECT_EQ(enabledStates(), "SNAB");
    EXPECT_EQ(fx.app.Words.List(WordCategory::Who).size(), 3u);

    const std::string saved = dir.File("saved.dat");
    fx.dialogs.NextFile(saved);
    form.Click(TForm1::kSave1);
    ASSERT_EQ(fx.dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(fx.dialogs.fileDialogs[2].title, "単語データの保存");
    EXPECT_EQ(enabledStates(), "--AB");
    EXPECT_EQ(test::Slurp(saved), FormatWordFile(fx.app.Words));
    EXPECT_EQ(win::WindowText(fx.app.Form3->Handle()), "単語設定");
    EXPECT_TRUE(fx.dialogs.messages.empty());
}

TEST_F(MainWindowTest, LoadingStartsTheTickerAtTheTrackBarSpeedAndPanel1ShowsTheText) {
    EXPECT_EQ(form.Timer1().Interval(), 0);
    // Moving the track bar with no words leaves the ticker stopped.
    HWND track = form.Control("TrackBar1");
    SendMessageA(track, TBM_SETPOS, TRUE, 1);
    SendMessageA(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(track));
    EXPECT_EQ(form.Timer1().Interval(), 0);

    fx.dialogs.NextFile(words1);
    form.Click(TForm1::kL1);
    EXPECT_EQ(form.Timer1().Interval(), 5);
    EXPECT_EQ(form.Ticker().TickerText, MakeBannerText());

    // A load that fails still sets the speed afterwards (here the track bar was moved
    // without telling the window).
    SendMessageA(track, TBM_SETPOS, TRUE, 20);
    fx.dialogs.NextFile(dir.File("missing.dat"));
    form.Click(TForm1::kL1);
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].caption, "読み込みエラー");
    EXPECT_EQ(form.Timer1().Interval(), 100);

    SendMessageA(track, TBM_SETPOS, TRUE, 50);
    SendMessageA(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(track));
    EXPECT_EQ(form.Timer1().Interval(), 250);

    // Each tick cuts one character and the panel shows the text from its front; a tick on
    // a short text appends a sentence.
    HWND panel = form.Control("Panel1");
    form.Ticker().TickerText = "あいう";
    form.Ticker().TickerWidth = 1;
    form.Timer1Timer();
    EXPECT_EQ(form.Ticker().TickerText, "いう");
    EXPECT_EQ(win::WindowText(panel), "いう");
    form.Timer1Timer();
    EXPECT_EQ(form.Ticker().TickerText, "う");
    form.Timer1Timer();  // 2 bytes are no more than 2 x TickerWidth: a sentence follows
    EXPECT_EQ(form.Ticker().TickerText.rfind("う", 0), 0u);
    EXPECT_NE(form.Ticker().TickerText.find("が、"), std::string::npos);
    EXPECT_EQ(win::WindowText(panel), form.Ticker().TickerText);
    EXPECT_EQ(form.Timer1().Interval(), 250);

    // The real timer moves the text, and the panel draws it in yellow on black.
    form.Ticker().TickerWidth = 8;
    SendMessageA(track, TBM_SETPOS, TRUE, 4);
    SendMessageA(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(track));
    const std::string before = form.Ticker().TickerText;
    test::PumpMessages(400);
    EXPECT_NE(form.Ticker().TickerText, before);
    EXPECT_EQ(win::WindowText(panel), form.Ticker().TickerText);
    EXPECT_GT(test::CountPixels(panel, RGB(255, 255, 0)), 300);
    EXPECT_GT(test::CountPixels(panel, RGB(0, 0, 0)), 483 * 97 / 2);
}

TEST_F(MainWindowTest, TheCloseQuestionForEachAnswer) {
    struct Case {
        const char* name;
        std::optional<MessageAnswer> answer;
        bool closes;
    };
    const Case cases[] = {
        {"nothing changed", std::nullopt, true},
        {"キャンセル", MessageAnswer::Cancel, false},
        {"いいえ", MessageAnswer::No, true},
        {"はい", MessageAnswer::Yes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        ASSERT_TRUE(app.created);
        app.dialogs.NextFile(words1);
        app.Form1().Click(TForm1::kL1);
        if (c.answer) {
            app.dialogs.NextFile(words2);
            app.Form1().Click(TForm1::kA1);
            app.dialogs.NextAnswer(*c.answer);
            if (c.answer == MessageAnswer::Yes)
                app.dialogs.NextFile(dir.File("answer-yes.dat"));
        }
        app.dialogs.messages.clear();
        SendMessageA(app.Form1().Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(app.Form1().Handle() == nullptr, c.closes);
        EXPECT_EQ(app.dialogs.messages.size(), c.answer ? 1u : 0u);
        EXPECT_TRUE(app.dialogs.ScriptUsedUp());
        if (c.answer == MessageAnswer::Yes) {
            EXPECT_EQ(test::Slurp(dir.File("answer-yes.dat")), FormatWordFile(app.app.Words));
        }
        test::PumpMessages();
    }
}

TEST_F(MainWindowTest, QuitCommandsCloseTheWindow) {
    for (int id : {TForm1::kExit1, TForm1::kBitBtn1}) {
        AppFixture app;
        ASSERT_TRUE(app.created);
        app.Form1().Click(id);
        EXPECT_EQ(app.Form1().Handle(), nullptr) << id;
        test::PumpMessages();
    }
}

TEST_F(MainWindowTest, StartMenuCommandAsksTheShellOnceAndShowsNothing) {
    form.Click(TForm1::kMenuAddStartMenu);
    EXPECT_EQ(fx.shell.startMenuCalls, 1);
    EXPECT_TRUE(fx.dialogs.messages.empty());
}

TEST_F(MainWindowTest, AlwaysOnTopTogglesItsCheckMark) {
    form.Click(TForm1::kMenuZenmen);
    EXPECT_TRUE(form.MenuChecked(TForm1::kMenuZenmen));
    EXPECT_TRUE(form.AlwaysOnTop());
    form.Click(TForm1::kMenuZenmen);
    EXPECT_FALSE(form.MenuChecked(TForm1::kMenuZenmen));
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileOrElseTheManualBesideTheProgram) {
    form.Click(TForm1::kContents1);  // neither is there: the user is told
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].caption, "でたらめ瓦版");

    const std::string help = fx.folder.File("Kawaban.hlp");
    const std::string manual = fx.folder.File("kawaban.html");
    fx.shell.existingFiles = {help, manual};
    form.Click(TForm1::kContents1);  // no WinHelp viewer takes it: the manual opens
    EXPECT_EQ(fx.shell.helpCalls, std::vector<std::string>{help});
    EXPECT_EQ(fx.shell.documents, std::vector<std::string>{manual});

    fx.shell.helpWorks = true;
    form.Click(TForm1::kContents1);
    EXPECT_EQ(fx.shell.helpCalls.size(), 2u);
    EXPECT_EQ(fx.shell.documents.size(), 1u);
}

TEST(MainWindowRunMode, APreviewHandleThatIsNoNumberIsReportedAndTheRunGoesOnAsSaver) {
    AppFixture fx({"/p", "abc"});
    ASSERT_TRUE(fx.created);
    EXPECT_EQ(fx.Form1().Timer2().Interval(), 0);  // not armed while the windows are made
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].caption, "でたらめ瓦版");
    EXPECT_EQ(fx.dialogs.messages[0].text, "'abc' は整数ではありません");
    EXPECT_TRUE(fx.Form1().Saver());
    EXPECT_FALSE(fx.Form1().RunModeOf().preview);

    AppFixture missing({"/p"});
    ASSERT_EQ(missing.dialogs.messages.size(), 1u);
    EXPECT_EQ(missing.dialogs.messages[0].text, "'' は整数ではありません");
    test::PumpMessages();
}

TEST(MainWindowStart, TheFiveWindowsExistHiddenWithTheirCaptions) {
    AppFixture fx;
    ASSERT_TRUE(fx.created);
    const struct {
        HWND hwnd;
        const char* caption;
    } windows[] = {{fx.app.Form1->Handle(), "でたらめ瓦版"},
                   {fx.app.Form2->Handle(), "バージョン情報"},
                   {fx.app.Form3->Handle(), "単語設定"},
                   {fx.app.Form4->Handle(), "でたらめ瓦版"},
                   {fx.app.FormSearch->Handle(), "検索"}};
    for (const auto& w : windows) {
        ASSERT_NE(w.hwnd, nullptr) << w.caption;
        EXPECT_EQ(win::WindowText(w.hwnd), w.caption);
        EXPECT_FALSE(IsWindowVisible(w.hwnd)) << w.caption;
    }
    // Timer2 is armed when the main window has been shown, fires once the loop runs, and
    // stops itself.
    test::PumpMessages(100);
    EXPECT_EQ(fx.Form1().Timer2().Interval(), 0);
    fx.app.Start();
    EXPECT_TRUE(IsWindowVisible(fx.Form1().Handle()));
    EXPECT_EQ(fx.Form1().Timer2().Interval(), 1);
    EXPECT_TRUE(test::PumpUntil([&] { return fx.Form1().Timer2().Interval() == 0; }));
}

TEST(MainWindowStart, APreviewRunShowsTheBoxItIsGivenButNeverTheMainWindow) {
    HWND box = CreateWindowExA(0, "STATIC", "preview", WS_POPUP, 10, 20, 152, 112, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(box, nullptr);
    AppFixture fx({"/p", std::to_string(reinterpret_cast<INT_PTR>(box))});
    ASSERT_TRUE(fx.created);
    EXPECT_TRUE(fx.dialogs.messages.empty());
    EXPECT_TRUE(fx.Form1().RunModeOf().preview);
    EXPECT_TRUE(IsWindowVisible(box));
    fx.app.Start();
    EXPECT_FALSE(IsWindowVisible(fx.Form1().Handle()));
    // The start-up step shows the news panel modally; a close request ends that run.
    test::WhenReady([&] { return fx.Form4().Modal(); }, [&] { PostMessageA(fx.Form4().Handle(), WM_CLOSE, 0, 0); });
    EXPECT_TRUE(test::PumpUntil([&] { return fx.Form1().Timer2().Interval() == 0; }));
    EXPECT_FALSE(IsWindowVisible(fx.Form1().Handle()));
    EXPECT_EQ(fx.exitCodes, std::vector<int>{0});
    // The panel was sized to the box with the full-size font (two 60-pixel cells in 152), then
    // its font was halved: size 45 becomes 22, height -29 at 96 pixels per inch.
    EXPECT_EQ(fx.Form1().Ticker().TickerWidth, 2);
    EXPECT_EQ(fx.Form4().PanelFont().height, -29);
    DestroyWindow(box);
}

}  // namespace
}  // namespace kawaban
