// The window toolkit's form; see form.h.
#include "win/form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cctype>
#include <cstring>
#include <exception>
#include <new>

namespace kawaban::win {
namespace {

constexpr char kPanelClass[] = "KawabanPanel";

Form* FormOf(HWND hwnd) {
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

COLORREF FaceColor() {
    return GetSysColor(COLOR_BTNFACE);
}

// The panel: fills itself with the colour its parent gives for WM_CTLCOLORSTATIC and shows
// its caption left-aligned and vertically centred, drawn off screen so a fast ticker does
// not flicker.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam))
                InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrA(hwnd, GWLP_USERDATA);
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT ps{};
            HDC target = message == WM_PAINT ? BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(wParam);
            RECT client;
            GetClientRect(hwnd, &client);
            {
                MemoryDC memory(target, client.right, client.bottom);
                HDC dc = memory.Get();
                auto brush = reinterpret_cast<HBRUSH>(
                    SendMessageA(GetParent(hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(hwnd)));
                FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
                SetBkMode(dc, TRANSPARENT);
                ScopedSelect font(dc, reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
                const std::string text = WindowText(hwnd);
                RECT area = client;
                DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area,
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
                BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
            }
            if (message == WM_PAINT)
                EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            SendMessageA(GetParent(hwnd), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(hwnd), kPanelDoubleClick), reinterpret_cast<LPARAM>(hwnd));
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// True when Alt+key opens one of the menu bar's menus ("ファイル(&F)" for F): the menu bar
// then takes the key before any button with the same mnemonic.
bool MenuBarTakes(HMENU menu, WPARAM key) {
    if (!menu)
        return false;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        const char* amp = std::strchr(text, '&');
        // Mnemonics are ASCII letters; WM_SYSKEYDOWN carries 'F', WM_SYSCHAR 'f'.
        if (amp && std::toupper(static_cast<unsigned char>(amp[1])) == std::toupper(static_cast<int>(key & 0xFF)))
            return true;
    }
    return false;
}

// A label takes the size of its text in its font, so no font draws it clipped or wrapped.
void FitToText(HWND label, HFONT font) {
    const std::string text = WindowText(label);
    WindowDC dc(label);
    ScopedSelect select(dc.Get(), font);
    RECT size = {0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(label, nullptr, 0, 0, size.right, size.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CALLBACK CollectEnabledWindows(HWND hwnd, LPARAM lParam) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(lParam);
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        windows->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::string ShortcutText(const Shortcut& shortcut) {
    if (shortcut.key == 0)
        return {};
    std::string text = shortcut.control ? "Ctrl+" : "";
    if (shortcut.key >= VK_F1 && shortcut.key <= VK_F24)
        text += "F" + std::to_string(shortcut.key - VK_F1 + 1);
    else
        text += static_cast<char>(shortcut.key);
    return text;
}

bool RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kPanelClass, &existing))
        return true;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    return RegisterClassA(&wc) != 0;
}

void SetPanelCaption(HWND panel, const std::string& text) {
    SetWindowTextA(panel, text.c_str());
    InvalidateRect(panel, nullptr, FALSE);
}

Form::~Form() {
    if (popup_)
        DestroyMenu(popup_);
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Form::CreateForm(const FormDesign& design, std::span<const ControlDesign> controls,
                      std::span<const MenuItemDesign> menu, HWND owner, DWORD extraStyle) {
    design_ = design;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterPanelClass(instance))
        return false;
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, design.className, &existing)) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = design.className;
        if (!RegisterClassA(&wc))
            return false;
    }
    background_.Reset(CreateSolidBrush(design.color == CLR_INVALID ? FaceColor() : design.color));
    font_ = CreateFontFrom(design.font);

    if (!menu.empty() && !CreateMenu(menu))
        return false;
    const DWORD style = design.style | extraStyle;
    RECT frame = {0, 0, design.clientWidth, design.clientHeight};
    AdjustWindowRectEx(&frame, style, menu_ != nullptr, design.exStyle);
    hwnd_ = CreateWindowExA(design.exStyle, design.className, design.caption, style, design.left, design.top,
                            frame.right - frame.left, frame.bottom - frame.top, owner, menu_, instance, this);
    if (!hwnd_)
        return false;
    // The menu bar's height is known only now; make the client area exactly the design's.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.right != design.clientWidth || client.bottom != design.clientHeight) {
        RECT window;
        GetWindowRect(hwnd_, &window);
        SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + design.clientWidth - client.right,
                     window.bottom - window.top + design.clientHeight - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CreateControls(controls);
}

bool Form::CreateControls(std::span<const ControlDesign> controls) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!controls.empty()) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   instance, nullptr);
    }
    controls_.reserve(controls.size());
    for (const ControlDesign& c : controls) {
        const char* windowClass = "STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        // SS_NOTIFY: a click on a label or picture is the label's, not the form background's.
        switch (c.kind) {
            case ControlKind::Panel:
                windowClass = kPanelClass;
                break;
            case ControlKind::Label:
                style |= SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
                break;
            case ControlKind::Button:
                windowClass = "BUTTON";
                style |= BS_PUSHBUTTON;
                break;
            case ControlKind::PictureButton:
                windowClass = "BUTTON";
                style |= BS_OWNERDRAW;
                break;
            case ControlKind::TrackBar:
                windowClass = TRACKBAR_CLASSA;
                style |= TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS;
                break;
            case ControlKind::Frame:
                style |= SS_SUNKEN | SS_NOTIFY;
                break;
            case ControlKind::Picture:
                style |= SS_ICON | SS_NOTIFY | SS_REALSIZEIMAGE;
                break;
        }
        if (c.tabStop)
            style |= WS_TABSTOP;
        if (!c.enabled)
            style |= WS_DISABLED;
        HWND control = CreateWindowExA(0, windowClass, c.caption, style, c.left, c.top, c.width, c.height, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!control)
            return false;
        PlacedControl placed{c, control, Font()};
        if (c.font)
            placed.font = CreateFontFrom(*c.font);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(placed.font ? placed.font.Get() : font_.Get()),
                     FALSE);
        if (c.kind == ControlKind::Label && *c.caption)
            FitToText(control, placed.font ? placed.font.Get() : font_.Get());
        if (c.kind == ControlKind::Picture)
            SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(1))), 0);
        if (c.hint && tooltip_) {
            TTTOOLINFOA tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = const_cast<char*>(c.hint);
            SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
        controls_.push_back(std::move(placed));
    }
    return true;
}

bool Form::AppendItem(HMENU menu, const MenuItemDesign& item, std::vector<ACCEL>& accelerators) {
    if (std::string(item.caption) == "-")
        return AppendMenuA(menu, MF_SEPARATOR, 0, nullptr) != 0;
    std::string caption = item.caption;
    const std::string shortcut = ShortcutText(item.shortcut);
    if (!shortcut.empty())
        caption += "\t" + shortcut;
    UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED) | (item.checked ? MF_CHECKED : MF_UNCHECKED);
    if (!AppendMenuA(menu, flags, item.id, caption.c_str()))
        return false;
    if (item.shortcut.key) {
        ACCEL accel{};
        accel.fVirt = FVIRTKEY | (item.shortcut.control ? FCONTROL : 0);
        accel.key = item.shortcut.key;
        accel.cmd = static_cast<WORD>(item.id);
        accelerators.push_back(accel);
    }
    return true;
}

bool Form::CreateMenu(std::span<const MenuItemDesign> items) {
    menu_ = ::CreateMenu();
    if (!menu_)
        return false;
    std::vector<ACCEL> accelerators;
    HMENU current = nullptr;
    for (const MenuItemDesign& item : items) {
        if (item.level == 0) {
            current = CreatePopupMenu();
            if (!current || !AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(current), item.caption))
                return false;
            continue;
        }
        if (!current || !AppendItem(current, item, accelerators))
            return false;
    }
    if (!accelerators.empty()) {
        accelerators_ = CreateAcceleratorTableA(accelerators.data(), static_cast<int>(accelerators.size()));
        if (!accelerators_)
            return false;
    }
    return true;
}

bool Form::CreatePopup(std::span<const MenuItemDesign> items) {
    popup_ = CreatePopupMenu();
    if (!popup_)
        return false;
    std::vector<ACCEL> unused;  // popup items have no shortcuts
    for (const MenuItemDesign& item : items)
        if (!AppendItem(popup_, item, unused))
            return false;
    return true;
}

HWND Form::Control(const char* name) const {
    for (const PlacedControl& c : controls_)
        if (std::string(c.design.name) == name)
            return c.hwnd;
    return nullptr;
}

const ControlDesign* Form::ControlDesignOf(HWND control) const {
    for (const PlacedControl& c : controls_)
        if (c.hwnd == control)
            return &c.design;
    return nullptr;
}

void Form::SetMenuEnabled(int id, bool enabled) {
    for (HMENU menu : {menu_, popup_})
        if (menu)
            EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

UINT Form::MenuState(int id) const {
    for (HMENU menu : {menu_, popup_}) {
        const UINT state = menu ? GetMenuState(menu, id, MF_BYCOMMAND) : static_cast<UINT>(-1);
        if (state != static_cast<UINT>(-1))
            return state;
    }
    return static_cast<UINT>(-1);
}

bool Form::MenuEnabled(int id) const {
    const UINT state = MenuState(id);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void Form::SetMenuChecked(int id, bool checked) {
    for (HMENU menu : {menu_, popup_})
        if (menu)
            CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Form::MenuChecked(int id) const {
    const UINT state = MenuState(id);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void Form::Show() {
    if (!hwnd_)
        return;
    const bool wasVisible = IsWindowVisible(hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    // A child window (in another program's window) is shown, never brought to the foreground.
    if (!(GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD))
        SetForegroundWindow(hwnd_);
    if (!wasVisible)
        OnShow();
}

void Form::SetActiveControl(HWND control) {
    activeControl_ = control;
    if (GetActiveWindow() == hwnd_)
        SetFocus(control);
}

void Form::Hide() {
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

void Form::ShowModal() {
    if (!hwnd_ || modal_)
        return;
    HWND previous = GetActiveWindow();
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindows, reinterpret_cast<LPARAM>(&others));
    for (HWND other : others)
        if (other != hwnd_)
            EnableWindow(other, FALSE);
    modal_ = true;
    modalDone_ = false;
    Show();
    MSG msg;
    while (!modalDone_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);  // let the outer loop end too
            break;
        }
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // Enable the others before hiding, so the activation goes back to them.
    for (HWND other : others)
        if (other != hwnd_ && IsWindow(other))
            EnableWindow(other, TRUE);
    modal_ = false;
    Hide();
    // The window that was active before gets the keyboard back (the system may hand the
    // activation elsewhere when the form hides).
    if (previous && previous != hwnd_ && IsWindow(previous) && IsWindowVisible(previous))
        SetForegroundWindow(previous);
}

void Form::Close() {
    if (hwnd_)
        SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

bool Form::PreTranslate(MSG& msg) {
    if (!msg.hwnd)
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || GetWindowLongPtrA(root, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(WindowProc))
        return false;
    Form* form = FormOf(root);
    if (!form)
        return false;
    if (form->accelerators_ && TranslateAcceleratorA(root, form->accelerators_, &msg))
        return true;
    if ((msg.message == WM_SYSCHAR || msg.message == WM_SYSKEYDOWN) && MenuBarTakes(form->menu_, msg.wParam))
        return false;
    return form->design_.dialogKeys && IsDialogMessageA(root, &msg);
}

int Form::RunMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 0;
}

LRESULT Form::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

HBRUSH Form::ControlColor(HDC dc, HWND control) {
    const ControlDesign* design = ControlDesignOf(control);
    SetBkMode(dc, TRANSPARENT);
    if (design && design->textColor != CLR_INVALID)
        SetTextColor(dc, design->textColor);
    else
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (design && design->color != CLR_INVALID) {
        // Panels ask for their own colour: the stock DC brush takes any colour.
        SetDCBrushColor(dc, design->color);
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    return background_.Get();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            // A shortcut of a greyed menu item does nothing.
            if (lParam == 0 && MenuState(id) != static_cast<UINT>(-1) && !MenuEnabled(id))
                return 0;
            OnCommand(id, code);
            return 0;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_ACTIVATE:
            // As a dialog does: the control that had the keyboard gets it back, or else the
            // first one that takes it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus))
                    activeControl_ = focus;
            } else if (!HIWORD(wParam)) {  // not while minimised
                HWND target = activeControl_ && IsWindow(activeControl_) && IsWindowEnabled(activeControl_)
                                  ? activeControl_
                                  : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
                SetFocus(target ? target : hwnd_);  // a form without controls takes the keys itself
            }
            return 0;
        case DM_GETDEFID: {
            // Enter presses the push button that has the focus, as in a dialog box.
            HWND focus = GetFocus();
            if (focus && GetParent(focus) == hwnd_) {
                char className[16] = {};
                GetClassNameA(focus, className, sizeof(className));
                const LONG type = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
                if (lstrcmpiA(className, "Button") == 0 &&
                    (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW))
                    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
            }
            return 0;
        }
        case WM_CONTEXTMENU:
            if (popup_) {
                POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (lParam == -1) {  // the menu key: at the window's corner
                    RECT r;
                    GetWindowRect(hwnd_, &r);
                    at = {r.left, r.top};
                }
                TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (const ControlDesign* design = ControlDesignOf(item->hwndItem))
                DrawPicture(*design, *item);
            return TRUE;
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
            return 1;
        }
        case WM_CLOSE:
            if (!CloseQuery())
                return 0;
            if (modal_) {
                modalDone_ = true;  // ShowModal enables the others, then hides the form
            } else if (mainForm_) {
                DestroyWindow(hwnd_);
            } else {
                Hide();
            }
            return 0;
        case WM_DESTROY:
            modalDone_ = true;  // a modal loop ends with its window
            if (mainForm_)
                PostQuitMessage(0);
            return 0;
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* form = static_cast<Form*>(create->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    Form* form = FormOf(hwnd);
    if (!form)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    // No exception may cross the system's call back into our window procedure: show it as
    // the platform's default exception box would and go on.
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        MessageBoxA(hwnd, "メモリが足りません。", nullptr, MB_OK | MB_ICONERROR);
    } catch (const std::exception& e) {
        MessageBoxA(hwnd, e.what(), nullptr, MB_OK | MB_ICONERROR);
    }
    return 0;
}

void Timer::SetInterval(int milliseconds) {
    milliseconds = milliseconds > 0 ? milliseconds : 0;
    // The same interval again changes nothing: a running countdown goes on.
    if (milliseconds == interval_ && (running_ || interval_ == 0))
        return;
    interval_ = milliseconds;
    Start();
}

void Timer::Restart() {
    Stop();
    Start();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Start() {
    if (interval_ == 0 || !enabled_) {
        Stop();
        return;
    }
    if (owner_.Handle())
        running_ = SetTimer(owner_.Handle(), id_, static_cast<UINT>(interval_), nullptr) != 0;
}

void Timer::Stop() {
    if (running_ && owner_.Handle())
        KillTimer(owner_.Handle(), id_);
    running_ = false;
}

}  // namespace kawaban::win
