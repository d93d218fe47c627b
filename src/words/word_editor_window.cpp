// The word editor window; see word_editor_window.h.
#include "words/word_editor_window.h"

namespace kawaban {

bool TForm3::Create(HWND owner) {
    static const win::FormDesign design{
        "KawabanWordEditor", "単語設定", 396, 115, 525, 363, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    };
    return CreateForm(design, {}, {}, owner);
}

}  // namespace kawaban
