// The main window; see main_window.h.
#include "app/main_window.h"

#include <commctrl.h>

#include <ctime>
#include <iterator>

#include "app/about_box.h"
#include "app/kawaban_app.h"
#include "panel/news_panel_window.h"
#include "text/sjis.h"
#include "win/gdi.h"
#include "words/word_editor_window.h"

namespace kawaban {
namespace {

using win::ControlDesign;
using win::ControlKind;
using win::FontSpec;
using win::MenuItemDesign;
using win::Shortcut;

constexpr FontSpec kBoardFont{"ＭＳ ゴシック", -60, true};
constexpr FontSpec kSmallFont{"ＭＳ Ｐゴシック", -11};
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

const win::FormDesign kDesign{
    "KawabanMainWindow", "でたらめ瓦版", 214, 111, 512, 188, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
};

// Created in the tab order.
const ControlDesign kControls[] = {
    {"Panel1", ControlKind::Panel, 14, 7, 483, 97, "", "ダブルクリックすると、ニュースのみを表示します",
     TForm1::kPanel1, &kBoardFont, kYellow, kBlack},
    {"BitBtn1", ControlKind::PictureButton, 424, 112, 73, 65, "閉じる(&C)", "終了します", TForm1::kBitBtn1,
     nullptr, CLR_INVALID, CLR_INVALID, true, true},
    {"TrackBar1", ControlKind::TrackBar, 8, 120, 233, 17, "", "表示スピードの調節ができます", TForm1::kTrackBar1,
     nullptr, CLR_INVALID, CLR_INVALID, true, true},
    {"BtnLoad", ControlKind::Button, 248, 112, 73, 33, "読み込み(&L)", "単語データを読み込みます",
     TForm1::kBtnLoad, nullptr, CLR_INVALID, CLR_INVALID, true, true},
    {"BtnEdit", ControlKind::Button, 336, 112, 73, 33, "単語設定(&E)", "単語データを保存します", TForm1::kBtnEdit,
     nullptr, CLR_INVALID, CLR_INVALID, true, true},
    {"Button1", ControlKind::Button, 336, 152, 73, 25, "ﾌｫﾝﾄ変更(&F)",
     "ニュースのみを表示したときのフォントを変更します", TForm1::kButton1, &kSmallFont, CLR_INVALID, CLR_INVALID,
     true, true},
    {"BtnAdd", ControlKind::Button, 248, 152, 73, 25, "追加(&D)", "単語データをファイルから追加します",
     TForm1::kBtnAdd, nullptr, CLR_INVALID, CLR_INVALID, false, true},
    {"Label1", ControlKind::Label, 24, 144, 23, 12, "速い", nullptr, TForm1::kLabel1},
    {"Label2", ControlKind::Label, 208, 144, 23, 12, "遅い", nullptr, TForm1::kLabel2},
};

const MenuItemDesign kMenu[] = {
    {"File1", 0, "ファイル(&F)"},
    {"L1", 1, "読み込み(&L)", TForm1::kL1, Shortcut{true, 'L'}},
    {"A1", 1, "ファイルから追加(&A)", TForm1::kA1, Shortcut{true, 'D'}, false},
    {"Save1", 1, "保存(&S)", TForm1::kSave1, Shortcut{true, 'S'}, false},
    {"MenuNewSave", 1, "別名で保存", TForm1::kMenuNewSave, Shortcut{}, false},
    {"N1", 1, "-"},
    {"Exit1", 1, "終了(&Q)", TForm1::kExit1},
    {"MenuEnv", 0, "環境(&E)"},
    {"E1", 1, "単語設定(&E)", TForm1::kE1, Shortcut{true, 'E'}},
    {"MenuOnlyNews", 1, "ニュースのみ表示", TForm1::kMenuOnlyNews, Shortcut{true, 'N'}},
    {"N3", 1, "フォントの変更", TForm1::kN3, Shortcut{true, 'F'}},
    {"MenuZenmen", 1, "常に前面に表示", TForm1::kMenuZenmen},
    {"N4", 1, "-"},
    {"MenuSetClr", 1, "標準設定のクリア", TForm1::kMenuSetClr},
    {"N6", 1, "スクリーンセーバーとして登録", TForm1::kN6},
    {"MenuAddStartMenu", 1, "スタートメニューに登録", TForm1::kMenuAddStartMenu},
    {"Help1", 0, "ヘルプ(&H)"},
    {"Contents1", 1, "目次(&C)", TForm1::kContents1, Shortcut{false, VK_F1}},
    {"N2", 1, "-"},
    {"About1", 1, "バージョン情報(&A)", TForm1::kAbout1},
};

constexpr char kHelpManual[] = "kawaban.html";
constexpr char kNoHelpText[] = "ヘルプファイル（kawaban.html）が見つかりません。";
constexpr char kHelpFailedText[] = "ヘルプファイル（kawaban.html）を開けませんでした。";

// The door on the close button, drawn in a 20 x 26 box at (x, y): frame, leaf, knob.
void DrawDoor(HDC dc, int x, int y, bool enabled) {
    const COLORREF frame = enabled ? RGB(96, 48, 16) : GetSysColor(COLOR_GRAYTEXT);
    const COLORREF leaf = enabled ? RGB(176, 104, 48) : GetSysColor(COLOR_BTNFACE);
    const COLORREF knob = enabled ? RGB(255, 208, 0) : GetSysColor(COLOR_GRAYTEXT);
    win::Brush frameBrush(CreateSolidBrush(frame));
    win::Brush leafBrush(CreateSolidBrush(leaf));
    win::Brush knobBrush(CreateSolidBrush(knob));
    const RECT outer = {x, y, x + 20, y + 26};
    FillRect(dc, &outer, frameBrush.Get());
    const RECT inner = {x + 2, y + 2, x + 18, y + 26};
    FillRect(dc, &inner, leafBrush.Get());
    // Two sunken panels on the leaf.
    const RECT upper = {x + 5, y + 5, x + 15, y + 12};
    const RECT lower = {x + 5, y + 15, x + 15, y + 23};
    FrameRect(dc, &upper, frameBrush.Get());
    FrameRect(dc, &lower, frameBrush.Get());
    const RECT knobRect = {x + 14, y + 13, x + 17, y + 16};
    FillRect(dc, &knobRect, knobBrush.Get());
}

}  // namespace

TForm1::TForm1(KawabanApp& app)
    : app_(app),
      ticker_(app.Words, app.Random),
      commands_(app.Words, app.Dialogs, *this, app.Title) {
    // Construction: the ticker's start values come with the engine; seed from the clock.
    app_.Random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

bool TForm1::Create() {
    SetMainForm(true);
    if (!CreateForm(kDesign, kControls, kMenu))
        return false;
    HWND track = Control("TrackBar1");
    SendMessageA(track, TBM_SETRANGE, FALSE, MAKELPARAM(1, 100));
    SendMessageA(track, TBM_SETLINESIZE, 0, 5);
    SendMessageA(track, TBM_SETPAGESIZE, 0, 2);
    SendMessageA(track, TBM_SETTICFREQ, 1, 0);
    SendMessageA(track, TBM_SETPOS, TRUE, 50);
    FormCreate();
    return true;
}

void TForm1::FormCreate() {
    timer1_.SetInterval(0);
    app_.Random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    ClearWordData(app_.Words);
    app_.Words.FilePath.clear();

    runMode_ = ParseRunMode(app_.Args);
    if (runMode_.badHandle) {
        // The conversion error as the platform reports it; the run goes on as a saver run.
        app_.Dialogs.ShowMessage(
            {app_.Title, BadHandleMessage(runMode_.badHandleText), MessageButtons::Ok, MessageIcon::Error});
    } else if (runMode_.preview) {
        HWND parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(runMode_.PreviewParent));
        if (!IsWindow(parent)) {
            // A handle that names no window (a preview box already gone): nothing to show in.
            app_.EndProcess(0);
            return;
        }
        ShowWindow(parent, SW_SHOW);
        GetWindowRect(parent, &previewRect_);
        app_.FirstPanel = std::make_unique<TForm4>(app_);
        if (!app_.FirstPanel->Create())
            app_.FirstPanel.reset();  // the panel in which the news runs is made later all the same
    }
}

void TForm1::OnShow() {
    app_.Form4->SizeNewsPanel();
    ShowCursor(TRUE);
}

void TForm1::OnTimer(UINT_PTR id) {
    if (id == kTimer1)
        Timer1Timer();
    else if (id == kTimer2)
        Timer2Timer();
}

void TForm1::Timer2Timer() {
    timer2_.SetInterval(0);
    ReadSettings();
}

int ScreenPixelsPerInch() {
    win::WindowDC screen(nullptr);
    const int ppi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return ppi > 0 ? ppi : 96;
}

std::string TForm1::SettingsFilePath() const {
    return kawaban::SettingsPath(app_.ExePath);
}

int TForm1::TrackBarPosition() const {
    return static_cast<int>(SendMessageA(Control("TrackBar1"), TBM_GETPOS, 0, 0));
}

Settings TForm1::CurrentSettings() const {
    Settings s;
    s.AlwaysOnTop = AlwaysOnTop();
    s.Speed = TrackBarPosition();
    s.Font = app_.Form4->PanelFont();
    RECT panel;
    GetWindowRect(app_.Form4->Handle(), &panel);
    s.PanelLeft = panel.left;
    s.PanelTop = panel.top;
    return s;
}

void TForm1::ReadSettings() {
    timer2_.SetInterval(0);
    std::string text;
    bool moreFollows = false;
    // An empty file holds no settings (a write that an older program broke off): it is
    // treated as missing.
    const bool readable = ReadSettingsFile(SettingsFilePath(), text, moreFollows) && !text.empty();
    const bool openPanel = readable ? ApplySettings(text, moreFollows) : ApplyDefaultSettings();
    if (openPanel)
        ShowNewsPanelAlone();
}

void TForm1::WriteDefaultSettings() {
    if (ApplyDefaultSettings())
        ShowNewsPanelAlone();
}

bool TForm1::ApplyDefaultSettings() {
    timer1_.SetEnabled(false);
    std::string text;
    bool moreFollows = false;
    // When the defaults cannot be written they apply from memory: the old file is never
    // read again, so its word file cannot replace the words in use.
    if (!WriteSettingsFile(SettingsFilePath(), kDefaultSettingsText) ||
        !ReadSettingsFile(SettingsFilePath(), text, moreFollows)) {
        text = kDefaultSettingsText;
        moreFollows = false;
    }
    const bool openPanel = ApplySettings(text, moreFollows);
    timer1_.SetEnabled(true);
    return openPanel;
}

bool TForm1::ApplySettings(const std::string& text, bool moreFollows) {
    const int ppi = ScreenPixelsPerInch();
    Settings s = CurrentSettings();
    ApplySettingsText(text, moreFollows, ppi, s);
    SetAlwaysOnTop(s.AlwaysOnTop);
    const int oldPosition = TrackBarPosition();
    SendMessageA(Control("TrackBar1"), TBM_SETPOS, TRUE, s.Speed);
    if (TrackBarPosition() != oldPosition)
        TrackBar1Change();
    TForm4& panel = *app_.Form4;
    panel.SetPanelFont(s.Font);
    panel.SizeNewsPanel();
    SetWindowPos(panel.Handle(), nullptr, s.PanelLeft, s.PanelTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A place that no screen shows any more (a monitor since removed) would leave the panel
    // out of sight: it goes to its default place instead.
    RECT placed;
    GetWindowRect(panel.Handle(), &placed);
    if (!runMode_.preview && !MonitorFromRect(&placed, MONITOR_DEFAULTTONULL)) {
        const Settings defaults;
        SetWindowPos(panel.Handle(), nullptr, defaults.PanelLeft, defaults.PanelTop, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // An empty 13th line names no file: nothing to load, nothing to complain about.
    if (s.WordDataPath && !s.WordDataPath->empty()) {
        commands_.LoadWordData(LoadMode::Named, *s.WordDataPath);
        SetTickerSpeed();
    }
    if (runMode_.preview)
        panel.HalvePanelFontSize(ppi);
    return s.StartInPanel || runMode_.saver;
}

void TForm1::WriteSettings(int startInPanel) {
    const std::string text =
        FormatSettings(CurrentSettings(), startInPanel != 0, app_.Words.FilePath, ScreenPixelsPerInch());
    WriteSettingsFile(SettingsFilePath(), text);  // a failure leaves the old file; the caller goes on
}

void TForm1::ShowNewsPanelAlone() {
    Hide();
    app_.Form4->ShowModal();
    // Back from the panel: this window takes the keyboard (the panel's activation hold may
    // have kept it from doing so while the panel was still shown).
    if (Visible())
        SetForegroundWindow(Handle());
}

void TForm1::SetAlwaysOnTop(bool on) {
    SetMenuChecked(kMenuZenmen, on);
    app_.Form4->SetMenuChecked(TForm4::kMenuZenmen, on);
}

void TForm1::Timer1Timer() {
    switch (ticker_.TickerStep()) {
        case TickerStepResult::Cut:
            break;
        case TickerStepResult::Appended:
            timer1_.Restart();  // the next step comes one full interval after the append
            break;
        case TickerStepResult::Stopped:
            timer1_.SetInterval(0);  // a list is empty: wait for a usable load
            break;
    }
    DrawTicker();
}

void TForm1::DrawTicker() {
    win::SetPanelCaption(Control("Panel1"), ticker_.TickerText);
    app_.Form4->DrawTicker(ticker_.TickerText);
}

void TForm1::SetTickerSpeed() {
    if (!app_.Words.AllListsNonEmpty())
        return;
    const auto position = static_cast<int>(SendMessageA(Control("TrackBar1"), TBM_GETPOS, 0, 0));
    timer1_.SetInterval(5 * position);
}

void TForm1::TrackBar1Change() {
    SetTickerSpeed();
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == Control("TrackBar1")) {
        TrackBar1Change();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TForm1::OnCommand(int id, int code) {
    switch (id) {
        case kL1:
        case kBtnLoad:
            commands_.LoadWordData(LoadMode::Open);
            SetTickerSpeed();
            break;
        case kA1:
        case kBtnAdd:
            commands_.LoadWordData(LoadMode::AddFromFile);
            break;
        case kSave1:
            commands_.SaveWordData();
            break;
        case kMenuNewSave:
            commands_.SaveWordDataAs();
            break;
        case kExit1:
        case kBitBtn1:
            QuitCommand();
            break;
        case kMenuOnlyNews:
            ShowNewsPanelAlone();
            break;
        case kN3:
        case kButton1:
            app_.Form4->ChangePanelFont();
            break;
        case kMenuZenmen:
            MenuZenmenClick();
            break;
        case kMenuSetClr:
            WriteDefaultSettings();
            break;
        case kContents1:
            Contents1Click();
            break;
        case kN6:
            RegisterAsScreenSaver(app_.Registry, app_.Dialogs, app_.Title, app_.ExePath);
            break;
        case kMenuAddStartMenu:
            app_.Shell.AddToStartMenu();
            break;
        case kAbout1:
            app_.Form2->ShowModal();
            break;
        case kPanel1:
            if (code == win::kPanelDoubleClick)  // Panel1DblClick
                ShowNewsPanelAlone();
            break;
        default:
            // E1/BtnEdit run the word editor, bound with it.
            break;
    }
}

void TForm1::QuitCommand() {
    if (!runMode_.saver)
        WriteSettings(0);
    Close();
}

bool TForm1::CloseQuery() {
    return commands_.ConfirmSaveWordData();
}

void TForm1::MenuZenmenClick() {
    SetAlwaysOnTop(!AlwaysOnTop());
}

void TForm1::Contents1Click() {
    // WinHelp first, as the help file is named; modern Windows has no WinHelp viewer, so
    // without one the HTML manual beside the program opens instead.
    const std::string folder(FolderPart(app_.ExePath));
    const std::string helpFile = JoinPath(folder, app_.HelpFile);
    if (app_.Shell.FileExists(helpFile) && app_.Shell.ShowHelpContents(helpFile))
        return;
    const std::string manual = JoinPath(folder, kHelpManual);
    if (!app_.Shell.FileExists(manual)) {
        app_.Dialogs.ShowMessage({app_.Title, kNoHelpText, MessageButtons::Ok, MessageIcon::Error});
        return;
    }
    if (!app_.Shell.OpenDocument(manual))
        app_.Dialogs.ShowMessage({app_.Title, kHelpFailedText, MessageButtons::Ok, MessageIcon::Error});
}

void TForm1::WordsLoaded() {
    ticker_.ResetTickerText(runMode_.saver);
}

void TForm1::FlagsChanged() {
    SetMenuEnabled(kSave1, app_.Words.Modified);
    SetMenuEnabled(kMenuNewSave, app_.Words.Modified);
    SetMenuEnabled(kA1, app_.Words.CanAddFromFile);
    EnableWindow(Control("BtnAdd"), app_.Words.CanAddFromFile);
}

void TForm1::EditorCaptionChanged(const std::string& caption) {
    if (app_.Form3)
        SetWindowTextA(app_.Form3->Handle(), caption.c_str());
}

void TForm1::DrawPicture(const win::ControlDesign& control, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool enabled = !(item.itemState & ODS_DISABLED);
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    const int width = r.right - r.left;
    DrawDoor(dc, r.left + (width - 20) / 2 + shift, r.top + 8 + shift, enabled);

    win::ScopedSelect font(dc, FormFont());
    SetBkMode(dc, TRANSPARENT);
    RECT text = {r.left + shift, r.top + 38 + shift, r.right + shift, r.bottom - 4 + shift};
    const std::string caption = control.caption;
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE);
    } else {
        // The engraved look of disabled text.
        RECT light = text;
        OffsetRect(&light, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption.c_str(), -1, &light, DT_CENTER | DT_TOP | DT_SINGLELINE);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace kawaban
