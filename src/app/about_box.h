// The About box: the program's name, a line on what it is, the version and the date.
// It closes on its button, a click on its background, or a key it receives itself.
#pragma once

#include "win/form.h"

namespace kawaban {

class TForm2 : public win::Form {
public:
    enum Id : int { kButton1 = 100, kLabel1, kLabel2, kLabel3, kLabel4, kLabel5, kLabel6, kLabel7, kLabel8,
                    kImage1, kBevel1 };
    bool Create(HWND owner);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    void OnShow() override;
};

}  // namespace kawaban
