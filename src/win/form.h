// The window toolkit's form: a top-level window built from a design (caption, client size,
// place, border, colour, font), its controls and menu from design tables, and a modal loop.
// A derived form supplies the tables and answers events in a short HandleMessage/OnCommand.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "win/gdi.h"

namespace kawaban::win {

struct FormDesign {
    const char* className;
    const char* caption;
    int left, top;
    int clientWidth, clientHeight;
    DWORD style;
    DWORD exStyle = 0;
    COLORREF color = CLR_INVALID;  // CLR_INVALID: the button face colour
    FontSpec font{};
    bool dialogKeys = true;  // Tab, arrows, Enter, Esc and mnemonics move between controls
};

enum class ControlKind {
    Panel,          // a coloured area that shows its caption in its own font and colour
    Label,          // static text, sized to fit it
    Button,         // push button
    PictureButton,  // push button drawn by the form (picture and caption)
    TrackBar,       // horizontal track bar, ticks below
    Frame,          // a sunken frame around other controls
    Picture,        // an icon
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char* caption = "";
    const char* hint = nullptr;       // shown as a tooltip
    int id = 0;                       // WM_COMMAND / notification id
    const FontSpec* font = nullptr;   // nullptr: the form's font
    COLORREF textColor = CLR_INVALID; // labels and panels
    COLORREF color = CLR_INVALID;     // panels: background
    bool enabled = true;
    bool tabStop = false;
};

// A keyboard shortcut of a menu item: Ctrl (or none) plus a virtual key.
struct Shortcut {
    bool control = false;
    WORD key = 0;  // 0: none
};

// level 0 opens a menu on the menu bar; level 1 is an item of the menu above it.
// The caption "-" makes a separator.
struct MenuItemDesign {
    const char* name;
    int level;
    const char* caption;
    int id = 0;
    Shortcut shortcut{};
    bool enabled = true;
    bool checked = false;
};

// The text of a shortcut as menus show it: "Ctrl+L", "F1".
std::string ShortcutText(const Shortcut& shortcut);

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window hidden, then its controls and menu. False when a window cannot be made.
    bool CreateForm(const FormDesign& design, std::span<const ControlDesign> controls,
                    std::span<const MenuItemDesign> menu = {}, HWND owner = nullptr, DWORD extraStyle = 0);

    HWND Handle() const { return hwnd_; }
    HWND Control(const char* name) const;
    const ControlDesign* ControlDesignOf(HWND control) const;
    HFONT FormFont() const { return font_.Get(); }

    void SetMenuEnabled(int id, bool enabled);
    bool MenuEnabled(int id) const;
    void SetMenuChecked(int id, bool checked);
    bool MenuChecked(int id) const;
    // Sends a menu item's command as choosing it or its shortcut does (nothing happens while
    // the item is greyed).
    void Click(int id) { SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    HMENU Menu() const { return menu_; }
    // A popup menu that a right click on the form (or the menu key) shows; its items are
    // given as level 1. Enabled and checked states are set by id as for the menu bar.
    bool CreatePopup(std::span<const MenuItemDesign> items);
    HMENU Popup() const { return popup_; }
    HACCEL Accelerators() const { return accelerators_; }

    void Show();
    void Hide();
    // The control that gets the keyboard whenever the form is activated.
    void SetActiveControl(HWND control);
    bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    // Shows the form and runs a nested message loop, with the other windows of this thread
    // disabled, until the form closes. Timers keep firing inside it.
    void ShowModal();
    bool Modal() const { return modal_; }
    // Closes as the close box does: asks CloseQuery, then hides (ends a modal loop), or for
    // the main form destroys the window and ends the message loop.
    void Close();

    // The main form's closing ends the application's message loop.
    void SetMainForm(bool main) { mainForm_ = main; }

    // The application's message loop calls this first for every message; true when the
    // message was used (a menu shortcut or a dialog key).
    static bool PreTranslate(MSG& msg);
    // Runs the message loop until WM_QUIT; returns its exit code.
    static int RunMessageLoop();

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A menu item, button or notification: the id from the design tables.
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    // True when the form may close (FormClose); false keeps it open.
    virtual bool CloseQuery() { return true; }
    virtual void OnShow() {}
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // Draws a PictureButton.
    virtual void DrawPicture(const ControlDesign& /*control*/, const DRAWITEMSTRUCT& /*item*/) {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls(std::span<const ControlDesign> controls);
    bool CreateMenu(std::span<const MenuItemDesign> items);
    static bool AppendItem(HMENU menu, const MenuItemDesign& item, std::vector<ACCEL>& accelerators);
    HBRUSH ControlColor(HDC dc, HWND control);
    UINT MenuState(int id) const;  // (UINT)-1 when there is no such item

    HWND hwnd_ = nullptr;
    FormDesign design_{};
    Font font_;
    Brush background_;
    HWND tooltip_ = nullptr;
    HMENU menu_ = nullptr;
    HMENU popup_ = nullptr;
    HACCEL accelerators_ = nullptr;
    struct PlacedControl {
        ControlDesign design;
        HWND hwnd;
        Font font;  // its own font, when the design gives one
    };
    std::vector<PlacedControl> controls_;
    HWND activeControl_ = nullptr;
    bool modal_ = false;
    bool modalDone_ = false;
    bool mainForm_ = false;
};

// A window timer owned by a form. An interval of 0 stops it; a new non-zero interval starts
// a full interval from now, the same interval again changes nothing; Restart starts a full
// interval from now. Disabled, it keeps its interval and does not fire; enabling it again
// starts a full interval.
class Timer {
public:
    Timer(const Form& owner, UINT_PTR id) : owner_(owner), id_(id) {}
    ~Timer() { Stop(); }
    void SetInterval(int milliseconds);
    int Interval() const { return interval_; }
    void Restart();
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    UINT_PTR Id() const { return id_; }

private:
    void Start();
    void Stop();
    const Form& owner_;
    UINT_PTR id_;
    int interval_ = 0;
    bool enabled_ = true;
    bool running_ = false;
};

// Registers the panel window class (once per process; a second call does nothing).
bool RegisterPanelClass(HINSTANCE instance);
// Sets a panel's caption and redraws it.
void SetPanelCaption(HWND panel, const std::string& text);
// A panel's notification code for a double-click (WM_COMMAND, HIWORD of wParam).
constexpr int kPanelDoubleClick = 1;

}  // namespace kawaban::win
