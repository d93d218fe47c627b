// The news panel window: the board alone, borderless and black, eight cells wide, in the
// panel font the settings keep. A left press drags it, a double-click or a character key
// goes back to the main window, a right click opens its menu (戻る, 常に前面に表示, 終了する).
// The ticker draws on it on every tick, shown or not.
// As a screen saver it covers the screen with the pointer hidden and ends the process on the
// first input; as a preview it is a child window of the preview box and ends the process
// when it closes or the box goes away.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "panel/news_panel_rules.h"
#include "text/font_choice.h"
#include "win/form.h"

namespace kawaban {

class KawabanApp;

class TForm4 : public win::Form {
public:
    enum Id : int {
        kPanel1 = 400,
        kPopBack = 410,
        kMenuZenmen,
        kPopClose,
    };

    explicit TForm4(KawabanApp& app);
    ~TForm4() override;

    // Builds the window from its design and runs FormCreate (the topmost band). In a preview
    // run it is a child window of the preview box instead of a top-level one.
    bool Create();

    // The panel font: the ticker draws in it, SizeNewsPanel measures it, the settings keep it.
    const FontChoice& PanelFont() const { return font_; }
    // Sets the panel font, and the same font for the hidden panel.
    void SetPanelFont(const FontChoice& font);
    // Preview runs draw at half the point size; the hidden panel keeps its font.
    void HalvePanelFontSize(int pixelsPerInch);
    // The width of "・" in the panel font.
    int Cell() const;

    // Sizes the window for the run mode and sets the ticker's width from the cell.
    void SizeNewsPanel();
    // The font dialog for the panel font, then SizeNewsPanel (also after Cancel).
    void ChangePanelFont();
    // Draws the text at the left, vertically centred on the cell, opaque on black.
    void DrawTicker(const std::string& text);
    // Shows the main window again and closes this one.
    void GoBack();
    // "終了する": the save question when words are unsaved, the settings with StartInPanel 1,
    // then the process ends with exit status 0.
    void PopCloseClick();
    void MenuZenmenClick();

    // Where the pointer was when the saver showed (screen coordinates).
    PixelPoint SaverStartPoint() const { return saverStartPoint_; }
    // The screen rectangles of the monitors besides the primary one, which the saver covers
    // with plain black windows while it shows; input there counts as input to the saver.
    std::function<std::vector<RECT>()> OtherMonitorsSource;
    const std::vector<HWND>& Covers() const { return covers_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    bool CloseQuery() override;  // FormClose
    void OnShow() override;      // FormShow

private:
    // What the input table says for this run mode.
    PanelAction ActionFor(PanelEvent event) const;
    void Act(PanelAction action);
    void PaintBorder();
    RunMode Mode() const;
    bool IsPreviewChild() const;
    // The saver's inputs, from this window or from a cover.
    void KeyDown(WPARAM key);
    void PointerMovedTo(POINT client);
    void CoverMonitors(const std::vector<RECT>& monitors);
    void RemoveCovers();
    static LRESULT CALLBACK CoverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    KawabanApp& app_;
    FontChoice font_;
    win::Font gdiFont_;
    win::Font hiddenPanelFont_;
    PixelPoint saverStartPoint_;
    bool pointerHidden_ = false;
    std::vector<HWND> covers_;
};

// The screen rectangles of every monitor except the primary one.
std::vector<RECT> OtherMonitors();

}  // namespace kawaban
