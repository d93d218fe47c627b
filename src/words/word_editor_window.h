// The word editor window. For now the window itself, hidden, with its caption; the editor's
// controls come with the editor.
#pragma once

#include "win/form.h"

namespace kawaban {

class TForm3 : public win::Form {
public:
    bool Create(HWND owner);
};

}  // namespace kawaban
