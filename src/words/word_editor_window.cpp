// The word editor window; see word_editor_window.h.
#include "words/word_editor_window.h"

namespace kawaban {
namespace {

const win::FormDesign kDesign{
    "KawabanWordEditor", "単語設定", 396, 115, 525, 363, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
};

}  // namespace

bool TForm3::Create(HWND owner) {
    return CreateForm(kDesign, {}, {}, owner);
}

}  // namespace kawaban
