// The word search dialog. For now the window itself, hidden, with its caption; its field and
// buttons come with the search.
#pragma once

#include "win/form.h"

namespace kawaban {

class TFormSearch : public win::Form {
public:
    bool Create(HWND owner);
};

}  // namespace kawaban
