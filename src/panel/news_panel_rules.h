// The news panel's decisions without a window: its size in each run mode, and what each
// input does in each run mode.
#pragma once

#include "app/run_mode.h"

namespace kawaban {

// A rectangle in screen pixels, as the preview box's window rectangle is given.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct NewsPanelSize {
    bool moves = false;  // Saver and Preview place the window at left, top
    int left = 0, top = 0;
    int width = 0, height = 0;  // outer size, the 2-pixel border included
    int tickerWidth = 0;        // full-width cells across the panel
};

// Windowed: |fontHeight| + 38 high and eight cells wide, where it is. Saver: the primary
// screen at 0, 0. Preview: the preview box's size at 0, 0 in it. The ticker width is the
// width divided by the cell (the width of "・" in the panel font). A cell narrower than one
// pixel counts as one, so a font that draws "・" with no width neither divides by zero nor
// makes a window too narrow to see.
NewsPanelSize SizeNewsPanel(RunMode mode, int fontHeight, int cell, int screenWidth, int screenHeight,
                            const ScreenRect& previewRect);

// What reaches the news panel window.
enum class PanelEvent {
    LeftPress,         // left button down (not a double-click)
    LeftDoubleClick,   // the second press of a left double-click
    CharacterKey,      // a key that yields a character (Tab never arrives)
    KeyDown,           // any key going down, except TabKey
    TabKey,            // Tab going down without Ctrl and Alt: the focus key of a form
    RightPress,        // right button down or double-clicked
    MiddlePress,       // middle button down or double-clicked
    PointerMove,       // the pointer moved over the window
    Closed,            // the window closes, by any means
};

enum class PanelAction {
    None,
    StartDrag,     // the system's move loop, as if the title bar were pressed
    GoBack,        // the main window shows again and the panel closes
    EndProcess,    // exit status 0 at once, nothing written
    GoBackAndEnd,  // GoBack, then the second press ends the process (a saver's double-click)
    CheckPointer,  // end the process when the pointer has left the start square
};

PanelAction PanelInput(RunMode mode, PanelEvent event);

// A key going down: TabKey for Tab without Ctrl and Alt (Shift does not matter), else KeyDown.
PanelEvent KeyDownEvent(bool isTab, bool ctrlDown, bool altDown);

// A point in signed 32-bit pixels.
struct PixelPoint {
    int x = 0, y = 0;
};

// The saver's movement test: the pointer position a move reports (client coordinates of the
// full-screen panel) against the start point (screen coordinates), per axis; a difference of
// more than 30 pixels on either axis ends the saver, exactly 30 does not. The client area
// starts inside the 2-pixel border, so on the screen the saver keeps positions from 28
// pixels before the start point to 32 after it.
constexpr int kSaverSquare = 30;
bool LeavesSaverSquare(PixelPoint client, PixelPoint start);

}  // namespace kawaban
