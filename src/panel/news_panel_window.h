// The news panel window: the board alone, borderless and black. For now the window itself,
// hidden; sizing, drawing and input come with the panel.
#pragma once

#include "win/form.h"

namespace kawaban {

class TForm4 : public win::Form {
public:
    bool Create();
};

}  // namespace kawaban
