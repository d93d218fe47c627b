// The news panel window; see news_panel_window.h.
#include "panel/news_panel_window.h"

#include <imm.h>
#include <windowsx.h>

#include "app/kawaban_app.h"
#include "app/main_window.h"
#include "app/settings.h"

namespace kawaban {
namespace {

using win::ControlDesign;
using win::ControlKind;
using win::FontSpec;
using win::MenuItemDesign;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kBorder = 2;  // black, between the window's edge and its client area
constexpr char kMiddleDot[] = "・";
constexpr FontSpec kHiddenPanelFont{"ＭＳ ゴシック", -60, true};
constexpr char kCoverClass[] = "KawabanSaverCover";

// No title bar, no frame: the 474 x 94 client area and its border make a 478 x 98 window.
const win::FormDesign kDesign{
    "KawabanNewsPanel", "でたらめ瓦版", 299, 144, 474, 94, WS_POPUP, 0, kBlack,
    FontSpec{"ＭＳ Ｐゴシック", -12},
    false,  // no dialog keys: Enter, Esc and the letters reach the window as characters
};

// The panel that fills the client area is hidden and disabled for the window's whole life.
const ControlDesign kControls[] = {
    {"Panel1", ControlKind::Panel, 0, 0, 474, 94, "", nullptr, TForm4::kPanel1, &kHiddenPanelFont, kYellow, kBlack,
     false},
};

const MenuItemDesign kPopupMenu1[] = {
    {"PopBack", 1, "戻る", TForm4::kPopBack},
    {"N1", 1, "-"},
    {"MenuZenmen", 1, "常に前面に表示", TForm4::kMenuZenmen},
    {"PopClose", 1, "終了する", TForm4::kPopClose},
};

}  // namespace

// Until the settings are read the panel font is the design's, drawn yellow like the board.
TForm4::TForm4(KawabanApp& app)
    : OtherMonitorsSource(OtherMonitors), app_(app), font_{"ＭＳ Ｐゴシック", -12, 65535} {}

// The covers point back at this window: they go first.
TForm4::~TForm4() {
    RemoveCovers();
}

bool TForm4::Create() {
    win::FormDesign design = kDesign;
    HWND parent = nullptr;
    const RunModeChoice& run = app_.Form1->RunModeOf();
    if (run.preview) {
        // Inside the preview box; clipped by its sibling (the first panel of a preview run).
        design.style = (design.style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
        parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(run.PreviewParent));
    }
    if (!CreateForm(design, kControls, {}, parent) || !CreatePopup(kPopupMenu1))
        return false;
    HWND panel = Control("Panel1");
    ShowWindow(panel, SW_HIDE);
    EnableWindow(panel, FALSE);
    gdiFont_ = win::CreateFontFrom(font_);
    // FormCreate: into the topmost band, whatever the always-on-top option says.
    if (!IsPreviewChild())
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return true;
}

RunMode TForm4::Mode() const {
    return app_.Form1->RunModeOf().mode;
}

bool TForm4::IsPreviewChild() const {
    return (GetWindowLongA(Handle(), GWL_STYLE) & WS_CHILD) != 0;
}

void TForm4::SetPanelFont(const FontChoice& font) {
    font_ = font;
    font_.height = win::UsableFontHeight(font.height);
    gdiFont_ = win::CreateFontFrom(font_);
    hiddenPanelFont_ = win::CreateFontFrom(font_);
    SendMessageA(Control("Panel1"), WM_SETFONT, reinterpret_cast<WPARAM>(hiddenPanelFont_.Get()), FALSE);
}

void TForm4::HalvePanelFontSize(int pixelsPerInch) {
    font_.height = FontHeightFromSize(FontSizeFromHeight(font_.height, pixelsPerInch) / 2, pixelsPerInch);
    gdiFont_ = win::CreateFontFrom(font_);
}

int TForm4::Cell() const {
    win::WindowDC dc(Handle());
    win::ScopedSelect select(dc.Get(), gdiFont_.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), kMiddleDot, 2, &size);
    return size.cx;
}

void TForm4::SizeNewsPanel() {
    const TForm1& main = *app_.Form1;
    const RECT preview = main.PreviewRect();
    const NewsPanelSize size =
        kawaban::SizeNewsPanel(main.RunModeOf().mode, font_.height, Cell(), GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), {preview.left, preview.top, preview.right, preview.bottom});
    SetWindowPos(Handle(), nullptr, size.left, size.top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (size.moves ? 0 : SWP_NOMOVE));
    app_.Form1->Ticker().TickerWidth = size.tickerWidth;
}

void TForm4::ChangePanelFont() {
    FontChoice chosen = font_;
    app_.Dialogs.ShowFontDialog(chosen);  // after Cancel it is the font it was given
    SetPanelFont(chosen);
    SizeNewsPanel();
}

void TForm4::DrawTicker(const std::string& text) {
    RECT window;
    GetWindowRect(Handle(), &window);
    const int height = window.bottom - window.top;
    const int y = height / 2 - Cell() / 2;
    win::WindowDC dc(Handle());
    win::ScopedSelect select(dc.Get(), gdiFont_.Get());
    SetBkMode(dc.Get(), OPAQUE);  // each cell's background covers the previous tick's text
    SetBkColor(dc.Get(), kBlack);
    SetTextColor(dc.Get(), font_.color);
    TextOutA(dc.Get(), 0, y, text.data(), static_cast<int>(text.size()));
}

void TForm4::GoBack() {
    app_.Form1->Show();
    Close();
}

void TForm4::PopCloseClick() {
    TForm1& main = *app_.Form1;
    if (app_.Words.Modified) {
        // The question must be able to come to the front: always-on-top is off while it shows
        // (only the main window's item, which is the one the activation hold looks at).
        const bool onTop = main.AlwaysOnTop();
        main.SetMenuChecked(TForm1::kMenuZenmen, false);
        const bool goOn = main.Commands().ConfirmSaveWordData();
        main.SetMenuChecked(TForm1::kMenuZenmen, onTop);
        if (!goOn)
            return;
    }
    if (!main.Saver())
        main.WriteSettings(1);
    app_.EndProcess(0);
}

void TForm4::MenuZenmenClick() {
    app_.Form1->SetAlwaysOnTop(!MenuChecked(kMenuZenmen));
}

PanelAction TForm4::ActionFor(PanelEvent event) const {
    return PanelInput(Mode(), event);
}

void TForm4::Act(PanelAction action) {
    switch (action) {
        case PanelAction::StartDrag:
            // The system's move loop, as if the title bar were pressed; it returns when the
            // button is released.
            SendMessageA(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
            break;
        case PanelAction::GoBack:
            GoBack();
            break;
        case PanelAction::EndProcess:
            app_.EndProcess(0);
            break;
        case PanelAction::GoBackAndEnd:
            GoBack();
            app_.EndProcess(0);
            break;
        case PanelAction::CheckPointer:  // see PointerMovedTo
        case PanelAction::None:
            break;
    }
}

void TForm4::KeyDown(WPARAM key) {
    Act(ActionFor(KeyDownEvent(key == VK_TAB, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0)));
}

void TForm4::PointerMovedTo(POINT client) {
    if (ActionFor(PanelEvent::PointerMove) == PanelAction::CheckPointer &&
        LeavesSaverSquare({client.x, client.y}, saverStartPoint_))
        app_.EndProcess(0);
}

void TForm4::OnShow() {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    const RunMode mode = Mode();
    if (mode == RunMode::Windowed)
        return;
    // The saver covers the screen from its origin, the preview its box; a preview's panel
    // goes above the first one in the box.
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (IsPreviewChild() ? 0 : SWP_NOZORDER));
    if (mode != RunMode::Saver)
        return;
    pointerHidden_ = true;
    SetCursor(nullptr);
    POINT start{};
    GetCursorPos(&start);
    saverStartPoint_ = {start.x, start.y};
    // Keys come straight to the window, never through an input method's composition.
    ImmAssociateContext(Handle(), nullptr);
    CoverMonitors(OtherMonitorsSource ? OtherMonitorsSource() : std::vector<RECT>{});
}

namespace {

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
        reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcMonitor);
    return TRUE;
}

}  // namespace

std::vector<RECT> OtherMonitors() {
    std::vector<RECT> others;
    EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&others));
    return others;
}

void TForm4::CoverMonitors(const std::vector<RECT>& monitors) {
    RemoveCovers();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, kCoverClass, &existing)) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = CoverProc;
        wc.hInstance = instance;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = kCoverClass;
        if (!RegisterClassA(&wc))
            return;
    }
    for (const RECT& r : monitors) {
        HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCoverClass, "", WS_POPUP, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, Handle(), nullptr, instance, nullptr);
        if (!cover)
            continue;
        SetWindowLongPtrA(cover, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(cover, SW_SHOWNOACTIVATE);
        covers_.push_back(cover);
    }
}

void TForm4::RemoveCovers() {
    for (HWND cover : covers_)
        if (IsWindow(cover))
            DestroyWindow(cover);
    covers_.clear();
}

LRESULT CALLBACK TForm4::CoverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* panel = reinterpret_cast<TForm4*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!panel)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(nullptr);
            return TRUE;
        case WM_MOUSEMOVE: {
            // Measured against the start point as over the panel itself.
            POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            MapWindowPoints(hwnd, panel->Handle(), &at, 1);
            panel->PointerMovedTo(at);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            // Nothing to drag or go back to here: any press ends the saver.
            panel->app_.EndProcess(0);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            panel->KeyDown(wParam);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_SCREENSAVE)
                return 1;
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool TForm4::CloseQuery() {
    const PanelAction action = ActionFor(PanelEvent::Closed);
    if (action == PanelAction::None && !app_.Form1->Visible()) {
        // Closed by other means than going back (Alt+F4): a program with no window left
        // could only be ended from the task manager, so the main window comes back.
        app_.Form1->Show();
    }
    Act(action);
    return true;
}

void TForm4::OnCommand(int id, int /*code*/) {
    switch (id) {
        case kPopBack:
            GoBack();
            break;
        case kMenuZenmen:
            MenuZenmenClick();
            break;
        case kPopClose:
            PopCloseClick();
            break;
        default:
            break;
    }
}

void TForm4::PaintBorder() {
    HDC dc = GetWindowDC(Handle());
    if (!dc)
        return;
    RECT r;
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    win::Brush black(CreateSolidBrush(kBlack));
    for (int i = 0; i < kBorder; ++i) {
        FrameRect(dc, &r, black.Get());
        InflateRect(&r, -1, -1);
    }
    ReleaseDC(Handle(), dc);
}

LRESULT TForm4::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE: {
            // The client area lies inside the 2-pixel border.
            auto* r = reinterpret_cast<RECT*>(lParam);
            InflateRect(r, -kBorder, -kBorder);
            return 0;
        }
        case WM_NCPAINT:
            PaintBorder();
            return 0;
        case WM_NCACTIVATE:
            // The activation hold: while the panel shows with always-on-top on, a deactivation
            // is refused, so the program stays active and the panel in front.
            if (Visible() && app_.Form1->AlwaysOnTop())
                return 0;
            break;
        case WM_ACTIVATEAPP:
            // The topmost band holds the panel while the program is active, and while another
            // program is active only with always-on-top on; a saver always stays in it.
            if (!IsPreviewChild() && Mode() != RunMode::Saver && (wParam || !app_.Form1->AlwaysOnTop()))
                SetWindowPos(Handle(), wParam ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                             SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_SCREENSAVE)
                return 1;  // no system screen saver over the panel
            break;
        case WM_LBUTTONDOWN:
            Act(ActionFor(PanelEvent::LeftPress));
            return 0;  // the press goes no further
        case WM_LBUTTONDBLCLK:
            Act(ActionFor(PanelEvent::LeftDoubleClick));
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            Act(ActionFor(PanelEvent::RightPress));
            break;  // the right button's release opens the popup menu
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            Act(ActionFor(PanelEvent::MiddlePress));
            break;
        case WM_MOUSEMOVE:
            PointerMovedTo({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            KeyDown(wParam);
            break;
        case WM_SHOWWINDOW:
            // Hidden (the saver closed from outside, or gone back): the covers and the hidden
            // pointer go with it.
            if (!wParam) {
                RemoveCovers();
                pointerHidden_ = false;
            }
            break;
        case WM_SETCURSOR:
            if (pointerHidden_) {
                SetCursor(nullptr);
                return TRUE;
            }
            break;
        case WM_DESTROY:
            // The window is destroyed while this form still stands, so not by the program
            // (which destroys it only when taking the form apart): in a preview run the
            // preview box has gone away, and the preview ends with it.
            if (Mode() == RunMode::Preview)
                app_.EndProcess(0);
            break;
        case WM_CHAR:
            // The Tab key moves the focus in a form; it is no character here (Ctrl+I, the
            // same character from another key, is one).
            if (wParam == '\t' && ((lParam >> 16) & 0xFF) == MapVirtualKeyA(VK_TAB, MAPVK_VK_TO_VSC))
                return 0;
            Act(ActionFor(PanelEvent::CharacterKey));
            return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace kawaban
