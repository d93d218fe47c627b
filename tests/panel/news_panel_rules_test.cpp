// The news panel's size in each run mode and the input table.
#include "panel/news_panel_rules.h"

#include <gtest/gtest.h>

namespace kawaban {
namespace {

TEST(SizeNewsPanel, EachRunMode) {
    const ScreenRect preview{300, 200, 452, 312};  // 152 x 112
    const struct {
        RunMode mode;
        int fontHeight, cell;
        NewsPanelSize size;
        const char* what;
    } cases[] = {
        {RunMode::Windowed, -60, 60, {false, 0, 0, 480, 98, 8}, "the defaults"},
        {RunMode::Windowed, -30, 30, {false, 0, 0, 240, 68, 8}, "height -30 gives 68"},
        {RunMode::Windowed, 80, 41, {false, 0, 0, 328, 118, 8}, "a positive height"},
        {RunMode::Windowed, -60, 0, {false, 0, 0, 8, 98, 8}, "a cell of 0 counts as 1"},
        {RunMode::Windowed, -2147483647 - 1, 60, {false, 0, 0, 480, 2147483647, 8}, "no overflow"},
        {RunMode::Saver, -60, 60, {true, 0, 0, 1024, 768, 17}, "full screen"},
        {RunMode::Saver, -60, 0, {true, 0, 0, 1024, 768, 1024}, "full screen, cell 0"},
        {RunMode::Preview, -60, 60, {true, 0, 0, 152, 112, 2}, "the preview box"},
    };
    for (const auto& c : cases) {
        const NewsPanelSize s = SizeNewsPanel(c.mode, c.fontHeight, c.cell, 1024, 768, preview);
        EXPECT_EQ(s.moves, c.size.moves) << c.what;
        EXPECT_EQ(s.left, c.size.left) << c.what;
        EXPECT_EQ(s.top, c.size.top) << c.what;
        EXPECT_EQ(s.width, c.size.width) << c.what;
        EXPECT_EQ(s.height, c.size.height) << c.what;
        EXPECT_EQ(s.tickerWidth, c.size.tickerWidth) << c.what;
    }
}

TEST(PanelInput, TheTable) {
    using enum PanelEvent;
    using A = PanelAction;
    const struct {
        PanelEvent event;
        A windowed, saver, preview;
    } cases[] = {
        {LeftPress, A::StartDrag, A::StartDrag, A::StartDrag},
        {LeftDoubleClick, A::GoBack, A::GoBackAndEnd, A::GoBack},
        {CharacterKey, A::GoBack, A::GoBack, A::GoBack},
        {KeyDown, A::None, A::EndProcess, A::None},
        {TabKey, A::None, A::None, A::None},
        {RightPress, A::None, A::EndProcess, A::None},
        {MiddlePress, A::None, A::EndProcess, A::None},
        {PointerMove, A::None, A::CheckPointer, A::None},
        {Closed, A::None, A::None, A::EndProcess},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PanelInput(RunMode::Windowed, c.event), c.windowed) << static_cast<int>(c.event);
        EXPECT_EQ(PanelInput(RunMode::Saver, c.event), c.saver) << static_cast<int>(c.event);
        EXPECT_EQ(PanelInput(RunMode::Preview, c.event), c.preview) << static_cast<int>(c.event);
    }
}

TEST(KeyDownEvent, OnlyTabWithoutCtrlAndAltIsTheFocusKey) {
    const struct {
        bool tab, ctrl, alt;
        PanelEvent event;
    } cases[] = {
        {true, false, false, PanelEvent::TabKey},  {true, true, false, PanelEvent::KeyDown},
        {true, false, true, PanelEvent::KeyDown},  {true, true, true, PanelEvent::KeyDown},
        {false, false, false, PanelEvent::KeyDown}, {false, true, false, PanelEvent::KeyDown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyDownEvent(c.tab, c.ctrl, c.alt), c.event) << c.tab << c.ctrl << c.alt;
}

// The saver's panel lies at 0, 0 with a 2-pixel border: a pointer at screen point p is at
// client point p - 2.
TEST(LeavesSaverSquare, PerAxisAndMeasuredInClientCoordinates) {
    const PixelPoint start{500, 400};
    const struct {
        int dx, dy;  // screen pixels from the start point
        bool ends;
        const char* what;
    } cases[] = {
        {0, 0, false, "no move: 2 pixels in client coordinates"},
        {30, 0, false, "30 right"},
        {32, 0, false, "32 right is 30 in the client"},
        {33, 0, true, "33 right"},
        {-28, 0, false, "28 left is 30 in the client"},
        {-29, 0, true, "29 left"},
        {0, 32, false, "32 down"},
        {0, -29, true, "29 up"},
        {25, 25, false, "25 diagonally: per axis, not by distance"},
        {31, -29, true, "either axis is enough"},
    };
    for (const auto& c : cases) {
        const PixelPoint client{start.x + c.dx - 2, start.y + c.dy - 2};
        EXPECT_EQ(LeavesSaverSquare(client, start), c.ends) << c.what;
    }
    // Far-apart points do not overflow.
    EXPECT_TRUE(LeavesSaverSquare({2147483647, 0}, {-2147483647 - 1, 0}));
    EXPECT_TRUE(LeavesSaverSquare({0, -2147483647 - 1}, {0, 2147483647}));
}

}  // namespace
}  // namespace kawaban
