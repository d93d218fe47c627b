// The news panel's decisions; see news_panel_rules.h.
#include "panel/news_panel_rules.h"

#include <cstdint>
#include <limits>

namespace kawaban {
namespace {

int ClampToInt(std::int64_t value) {
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

NewsPanelSize SizeNewsPanel(RunMode mode, int fontHeight, int cell, int screenWidth, int screenHeight,
                            const ScreenRect& previewRect) {
    NewsPanelSize size;
    cell = cell > 0 ? cell : 1;
    switch (mode) {
        case RunMode::Windowed: {
            const std::int64_t height = fontHeight < 0 ? -static_cast<std::int64_t>(fontHeight) : fontHeight;
            size.height = ClampToInt(height + 38);
            size.width = ClampToInt(8 * static_cast<std::int64_t>(cell));
            break;
        }
        case RunMode::Saver:
            size.moves = true;
            size.width = screenWidth;
            size.height = screenHeight;
            break;
        case RunMode::Preview:
            size.moves = true;
            size.width = ClampToInt(static_cast<std::int64_t>(previewRect.right) - previewRect.left);
            size.height = ClampToInt(static_cast<std::int64_t>(previewRect.bottom) - previewRect.top);
            break;
    }
    size.tickerWidth = size.width / cell;
    return size;
}

PanelAction PanelInput(RunMode mode, PanelEvent event) {
    switch (event) {
        case PanelEvent::LeftPress:
            return PanelAction::StartDrag;
        case PanelEvent::LeftDoubleClick:
            // In a saver run the second press of the double-click is a press like any other.
            return mode == RunMode::Saver ? PanelAction::GoBackAndEnd : PanelAction::GoBack;
        case PanelEvent::CharacterKey:
            return PanelAction::GoBack;
        case PanelEvent::TabKey:
            return PanelAction::None;
        case PanelEvent::KeyDown:
        case PanelEvent::RightPress:
        case PanelEvent::MiddlePress:
            return mode == RunMode::Saver ? PanelAction::EndProcess : PanelAction::None;
        case PanelEvent::PointerMove:
            return mode == RunMode::Saver ? PanelAction::CheckPointer : PanelAction::None;
        case PanelEvent::Closed:
            return mode == RunMode::Preview ? PanelAction::EndProcess : PanelAction::None;
    }
    return PanelAction::None;
}

PanelEvent KeyDownEvent(bool isTab, bool ctrlDown, bool altDown) {
    return isTab && !ctrlDown && !altDown ? PanelEvent::TabKey : PanelEvent::KeyDown;
}

bool LeavesSaverSquare(PixelPoint client, PixelPoint start) {
    const auto far = [](int a, int b) {
        const std::int64_t d = static_cast<std::int64_t>(a) - b;
        return d > kSaverSquare || d < -kSaverSquare;
    };
    return far(client.x, start.x) || far(client.y, start.y);
}

}  // namespace kawaban
