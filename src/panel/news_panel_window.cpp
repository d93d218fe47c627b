// The news panel window; see news_panel_window.h.
#include "panel/news_panel_window.h"

namespace kawaban {

bool TForm4::Create() {
    // A 2-pixel black border around a 474 x 94 client area, no title bar.
    static const win::FormDesign design{
        "KawabanNewsPanel", "でたらめ瓦版", 299, 144, 478, 98, WS_POPUP, 0, RGB(0, 0, 0),
    };
    return CreateForm(design, {});
}

}  // namespace kawaban
