// The settings file as the program uses it, in process under Wine: read at start-up (applied
// to the windows, the word data loaded, the news panel shown alone), written by the quit
// commands, replaced with the defaults, and never left half written.
#include <windows.h>

#include <commctrl.h>

#include "form_test_support.h"
#include "test_support.h"

namespace kawaban {
namespace {

using test::AppFixture;

constexpr char kWords[] = "2 太郎 花子 1 駅前 1 踊った";

int TrackBarPosition(TForm1& main) {
    return static_cast<int>(SendMessageA(main.Control("TrackBar1"), TBM_GETPOS, 0, 0));
}

POINT PanelPlace(TForm4& panel) {
    RECT r;
    GetWindowRect(panel.Handle(), &r);
    return {r.left, r.top};
}

SIZE PanelSize(TForm4& panel) {
    RECT r;
    GetWindowRect(panel.Handle(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

// Starts the program as the process entry does and lets the start-up step run. When the
// panel is shown alone, look() runs while it shows, then the panel goes back.
void StartAndSettle(AppFixture& fx, const std::function<void()>& look = {}) {
    test::WhenReady([&] { return fx.Form4().Modal(); },
                    [&] {
                        if (look)
                            look();
                        fx.Form4().GoBack();
                    });
    fx.app.Start();
    ASSERT_TRUE(test::PumpUntil([&] { return fx.Form1().Timer2().Interval() == 0; }));
    test::PendingActions().clear();
}

TEST(StartupSettings, TheFileIsAppliedAndThePanelShowsAlone) {
    AppFixture fx;
    const std::string words = fx.folder.File("words.dat");
    test::Spit(words, kWords);
    test::Spit(fx.SettingsFile(), "3\r\n20\r\nＭＳ ゴシック\r\n30\r\n-40\r\n255\r\n1\r\n2\r\n1\r\n0\r\n123\r\n45\r\n" +
                                      words + "\r\n");
    bool mainHidden = false, panelShown = false;
    StartAndSettle(fx, [&] {
        mainHidden = !fx.Form1().Visible();
        panelShown = fx.Form4().Visible();
    });
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(panelShown);
    // Back from the panel, the main window has the keyboard.
    EXPECT_EQ(GetForegroundWindow(), fx.Form1().Handle());
    EXPECT_TRUE(fx.Form1().MenuChecked(TForm1::kMenuZenmen));
    EXPECT_TRUE(fx.Form4().MenuChecked(TForm4::kMenuZenmen));
    EXPECT_EQ(TrackBarPosition(fx.Form1()), 20);
    EXPECT_EQ(fx.Form4().PanelFont(), (FontChoice{"ＭＳ ゴシック", -40, 255, true, false, true, false}));
    EXPECT_EQ(PanelPlace(fx.Form4()).x, 123);
    EXPECT_EQ(PanelPlace(fx.Form4()).y, 45);
    EXPECT_EQ(PanelSize(fx.Form4()).cx, 8 * fx.Form4().Cell());  // sized for the font read
    EXPECT_EQ(PanelSize(fx.Form4()).cy, 40 + 38);
    EXPECT_EQ(fx.Form1().Ticker().TickerWidth, 8);
    // The word data is loaded by name, the open dialog offers it, and the ticker runs.
    EXPECT_EQ(fx.app.Words.FilePath, words);
    EXPECT_EQ(fx.Form1().Commands().OpenFileName(), words);
    EXPECT_EQ(fx.Form1().Timer1().Interval(), 100);
    EXPECT_TRUE(fx.dialogs.messages.empty());
}

// A missing file, and an empty one (it holds no settings), are written with the defaults.
// A place that no screen shows (a monitor since removed) puts the panel at its default place;
// a place partly on the screen is kept.
TEST(StartupSettings, APlaceOffEveryScreenGivesTheDefaultPlace) {
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const struct {
        int left, top, wantLeft, wantTop;
    } cases[] = {
        {width + 10, height + 10, 500, 125},
        {-3000, 100, 500, 125},
        {-100, -50, -100, -50},
        {width - 100, height - 50, width - 100, height - 50},
    };
    for (const auto& c : cases) {
        AppFixture fx;
        test::Spit(fx.SettingsFile(), "0\r\n50\r\nＭＳ ゴシック\r\n45\r\n-60\r\n65535\r\n0\r\n0\r\n0\r\n0\r\n" +
                                          std::to_string(c.left) + "\r\n" + std::to_string(c.top) + "\r\n");
        StartAndSettle(fx);
        EXPECT_EQ(PanelPlace(fx.Form4()).x, c.wantLeft) << c.left << "," << c.top;
        EXPECT_EQ(PanelPlace(fx.Form4()).y, c.wantTop) << c.left << "," << c.top;
    }
}

TEST(StartupSettings, AMissingOrEmptyFileIsWrittenWithTheDefaultsAndReadBack) {
    for (bool empty : {false, true}) {
        AppFixture fx;
        if (empty)
            test::Spit(fx.SettingsFile(), "");
        fx.Form4().SetPanelFont({"IPAGothic", -20, 255});
        StartAndSettle(fx);
        EXPECT_EQ(test::Slurp(fx.SettingsFile()), kDefaultSettingsText) << empty;
        EXPECT_TRUE(fx.Form1().Visible()) << empty;
        EXPECT_FALSE(fx.Form4().Visible()) << empty;
        EXPECT_EQ(TrackBarPosition(fx.Form1()), 50) << empty;
        EXPECT_EQ(fx.Form4().PanelFont(), (FontChoice{"ＭＳ ゴシック", -60, 65535})) << empty;
        EXPECT_EQ(PanelPlace(fx.Form4()).x, 500) << empty;
        EXPECT_EQ(PanelPlace(fx.Form4()).y, 125) << empty;
        EXPECT_EQ(PanelSize(fx.Form4()).cx, 480) << empty;
        EXPECT_EQ(PanelSize(fx.Form4()).cy, 98) << empty;
        EXPECT_EQ(fx.Form1().Timer1().Interval(), 0) << empty;  // no word data: no ticker
    }
}

// A settings "file" that is a folder can be neither read nor replaced: the defaults apply
// from memory, without asking again and again.
TEST(StartupSettings, AFileThatCannotBeMadeGivesTheDefaultsInMemory) {
    AppFixture fx;
    ASSERT_TRUE(CreateDirectoryA(fx.SettingsFile().c_str(), nullptr));
    fx.Form4().SetPanelFont({"IPAGothic", -20, 255});
    StartAndSettle(fx);
    EXPECT_EQ(fx.Form4().PanelFont(), (FontChoice{"ＭＳ ゴシック", -60, 65535}));
    EXPECT_EQ(TrackBarPosition(fx.Form1()), 50);
    // Quitting cannot write either, and still quits.
    fx.Form1().Click(TForm1::kExit1);
    EXPECT_EQ(fx.Form1().Handle(), nullptr);
    EXPECT_TRUE(GetFileAttributesA(fx.SettingsFile().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(fx.SettingsFile().c_str());
}

TEST(StartupSettings, AWordFileThatIsGoneIsReported) {
    AppFixture fx;
    const std::string gone = fx.folder.File("gone.dat");
    test::Spit(fx.SettingsFile(), std::string(kDefaultSettingsText) + gone + "\r\n");
    StartAndSettle(fx);
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].caption, "読み込みエラー");
    EXPECT_EQ(fx.dialogs.messages[0].text, "ファイルがありません！");
    EXPECT_TRUE(fx.Form1().Commands().OpenFileName().empty());
    EXPECT_TRUE(fx.app.Words.FilePath.empty());
    EXPECT_EQ(fx.Form1().Timer1().Interval(), 0);
}

// The main window's quit writes 0 (or 2 with always-on-top); "標準設定のクリア" writes exactly
// the twelve default lines and applies them, keeping the word data; the next quit adds the
// word file again.
TEST(StartupSettings, QuitFromTheMainWindowAndRestoringTheDefaults) {
    AppFixture fx;
    const std::string words = fx.folder.File("words.dat");
    test::Spit(words, kWords);
    StartAndSettle(fx);
    TForm1& main = fx.Form1();
    main.Commands().LoadWordData(LoadMode::Named, words);
    SendMessageA(main.Control("TrackBar1"), TBM_SETPOS, TRUE, 10);
    main.SetTickerSpeed();
    main.SetAlwaysOnTop(true);
    fx.dialogs.NextFont(FontChoice{"IPAGothic", -30, 255, false, true, false, false});
    main.Click(TForm1::kN3);
    SetWindowPos(fx.Form4().Handle(), nullptr, -40, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    main.WriteSettings(0);
    EXPECT_EQ(test::Slurp(fx.SettingsFile()),
              "2\r\n10\r\nIPAGothic\r\n23\r\n-30\r\n255\r\n0\r\n1\r\n0\r\n0\r\n-40\r\n600\r\n" + words + "\r\n");

    main.Click(TForm1::kMenuSetClr);
    EXPECT_EQ(test::Slurp(fx.SettingsFile()), kDefaultSettingsText);
    EXPECT_FALSE(main.AlwaysOnTop());
    EXPECT_FALSE(fx.Form4().MenuChecked(TForm4::kMenuZenmen));
    EXPECT_EQ(TrackBarPosition(main), 50);
    EXPECT_EQ(main.Timer1().Interval(), 250);
    EXPECT_TRUE(main.Timer1().Enabled());
    EXPECT_EQ(fx.Form4().PanelFont(), (FontChoice{"ＭＳ ゴシック", -60, 65535}));
    EXPECT_EQ(PanelPlace(fx.Form4()).x, 500);
    EXPECT_EQ(PanelPlace(fx.Form4()).y, 125);
    EXPECT_EQ(fx.app.Words.FilePath, words);
    EXPECT_FALSE(fx.Form4().Visible());

    main.Click(TForm1::kExit1);
    EXPECT_EQ(test::Slurp(fx.SettingsFile()), std::string(kDefaultSettingsText) + words + "\r\n");
    EXPECT_EQ(main.Handle(), nullptr);
}

// A settings file that cannot be replaced (read-only) is left exactly as it was, and the
// quit goes on.
// A settings file that cannot be replaced (read-only) is left exactly as it was: restoring the
// defaults then applies them from memory, and never lets the old file's word file replace
// unsaved words; the quit goes on.
TEST(StartupSettings, AFileThatCannotBeReplacedIsLeftAsItWas) {
    AppFixture fx;
    const std::string words = fx.folder.File("words.dat");
    const std::string other = fx.folder.File("other.dat");
    test::Spit(words, kWords);
    test::Spit(other, "1 次郎 1 公園 1 歌った");
    const std::string old = "0\r\n77\r\n";
    test::Spit(fx.SettingsFile(), old);
    StartAndSettle(fx);
    EXPECT_EQ(TrackBarPosition(fx.Form1()), 77);
    test::Spit(fx.SettingsFile(), "0\r\n77\r\nＭＳ ゴシック\r\n45\r\n-60\r\n65535\r\n0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n" +
                                      other + "\r\n");
    const std::string kept = test::Slurp(fx.SettingsFile());
    ASSERT_TRUE(SetFileAttributesA(fx.SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY));

    fx.Form1().Commands().LoadWordData(LoadMode::Named, words);
    fx.Form1().Commands().SetModified(true);
    fx.Form1().Click(TForm1::kMenuSetClr);
    EXPECT_EQ(fx.app.Words.FilePath, words);
    EXPECT_TRUE(fx.app.Words.Modified);
    EXPECT_EQ(TrackBarPosition(fx.Form1()), 50);
    EXPECT_EQ(PanelPlace(fx.Form4()).x, 500);
    EXPECT_FALSE(fx.Form4().Visible());

    fx.dialogs.NextAnswer(MessageAnswer::No);
    fx.Form1().Click(TForm1::kExit1);
    EXPECT_EQ(fx.Form1().Handle(), nullptr);
    SetFileAttributesA(fx.SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::Slurp(fx.SettingsFile()), kept);
}

}  // namespace
}  // namespace kawaban
