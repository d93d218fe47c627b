// The main window: the black ticker board, the speed track bar, five buttons and the menus.
// It holds the ticker (engine and timer) and the saver flag; every command calls an
// operation of its own subsystem.
#pragma once

#include <windows.h>

#include <string>

#include "app/run_mode.h"
#include "app/settings.h"
#include "app/ticker.h"
#include "win/form.h"
#include "words/word_commands.h"

namespace kawaban {

class KawabanApp;

class TForm1 : public win::Form, private WordDataView {
public:
    // Control and menu ids.
    enum Id : int {
        kPanel1 = 100,
        kTrackBar1,
        kLabel1,
        kLabel2,
        kBtnLoad,
        kBtnEdit,
        kBtnAdd,
        kButton1,
        kBitBtn1,
        kL1 = 200,
        kA1,
        kSave1,
        kMenuNewSave,
        kExit1,
        kE1,
        kMenuOnlyNews,
        kN3,
        kMenuZenmen,
        kMenuSetClr,
        kN6,
        kMenuAddStartMenu,
        kContents1,
        kAbout1,
    };
    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT_PTR kTimer2 = 2;

    explicit TForm1(KawabanApp& app);

    // Builds the window from its design and runs FormCreate. False when the window cannot be made.
    bool Create();

    // The ticker.
    void Timer1Timer();
    void DrawTicker();
    void SetTickerSpeed();
    TickerEngine& Ticker() { return ticker_; }
    win::Timer& Timer1() { return timer1_; }
    win::Timer& Timer2() { return timer2_; }

    WordCommands& Commands() { return commands_; }
    bool Saver() const { return runMode_.saver; }
    const RunModeChoice& RunModeOf() const { return runMode_; }
    // The preview box's screen rectangle (preview runs).
    RECT PreviewRect() const { return previewRect_; }

    // The always-on-top option: the check mark of this window's MenuZenmen; setting it sets
    // the news panel's item too.
    bool AlwaysOnTop() const { return MenuChecked(kMenuZenmen); }
    void SetAlwaysOnTop(bool on);

    // The settings file beside the executable.
    std::string SettingsFilePath() const;
    // Reads and applies the settings (defaults written first when the file is missing),
    // loads the remembered word data, and shows the news panel alone when they say so.
    void ReadSettings();
    // Writes the settings; startInPanel 1 makes the next start show the news panel alone.
    // A file that cannot be written is left as it was.
    void WriteSettings(int startInPanel);
    // "標準設定のクリア": the twelve default lines, read back.
    void WriteDefaultSettings();
    // Hides this window and shows the news panel modally.
    void ShowNewsPanelAlone();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    bool CloseQuery() override;  // FormClose
    void OnShow() override;      // FormShow
    void OnTimer(UINT_PTR id) override;
    void DrawPicture(const win::ControlDesign& control, const DRAWITEMSTRUCT& item) override;

private:
    void FormCreate();
    void Timer2Timer();
    void QuitCommand();  // Exit1Click, BitBtn1Click
    void MenuZenmenClick();
    // Applies a settings text over the values in force; true when the news panel is to be
    // shown alone.
    bool ApplySettings(const std::string& text, bool moreFollows);
    // Writes the defaults and applies what the file then holds (the defaults from memory when
    // it cannot be read either).
    bool ApplyDefaultSettings();
    Settings CurrentSettings() const;
    int TrackBarPosition() const;
    void Contents1Click();
    void TrackBar1Change();

    // WordDataView
    void WordsLoaded() override;
    void FlagsChanged() override;
    void EditorCaptionChanged(const std::string& caption) override;

    KawabanApp& app_;
    TickerEngine ticker_;
    WordCommands commands_;
    win::Timer timer1_{*this, kTimer1};
    win::Timer timer2_{*this, kTimer2};
    RunModeChoice runMode_;
    RECT previewRect_{};
};

// The screen's pixels per inch, which relates a font's size and height.
int ScreenPixelsPerInch();

}  // namespace kawaban
