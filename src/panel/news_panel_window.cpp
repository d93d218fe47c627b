// The news panel window; see news_panel_window.h.
#include "panel/news_panel_window.h"

namespace kawaban {
namespace {

// A 2-pixel black border around a 474 x 94 client area, no title bar.
const win::FormDesign kDesign{
    "KawabanNewsPanel", "でたらめ瓦版", 299, 144, 478, 98, WS_POPUP, 0, RGB(0, 0, 0),
};

}  // namespace

bool TForm4::Create() {
    return CreateForm(kDesign, {});
}

}  // namespace kawaban
