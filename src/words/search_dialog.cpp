// The word search dialog; see search_dialog.h.
#include "words/search_dialog.h"

namespace kawaban {
namespace {

const win::FormDesign kDesign{
    "KawabanSearch", "検索", 195, 107, 305, 83,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
};

}  // namespace

bool TFormSearch::Create(HWND owner) {
    return CreateForm(kDesign, {}, {}, owner);
}

}  // namespace kawaban
