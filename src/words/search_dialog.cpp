// The word search dialog; see search_dialog.h.
#include "words/search_dialog.h"

namespace kawaban {

bool TFormSearch::Create(HWND owner) {
    static const win::FormDesign design{
        "KawabanSearch", "検索", 195, 107, 305, 83,
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    };
    return CreateForm(design, {}, {}, owner);
}

}  // namespace kawaban
