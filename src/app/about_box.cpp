// The About box; see about_box.h.
#include "app/about_box.h"

namespace kawaban {
namespace {

using win::ControlDesign;
using win::ControlKind;

constexpr win::FontSpec kNameFont{"ＭＳ Ｐゴシック", -40};
constexpr COLORREF kLime = RGB(0, 255, 0);

const win::FormDesign kDesign{
    "KawabanAboutBox", "バージョン情報", 409, 252, 310, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_EX_DLGMODALFRAME,
};

// The labels come before the frame, so a click on one is the label's, not the frame's.
const ControlDesign kControls[] = {
    {"Button1", ControlKind::Button, 119, 172, 72, 25, "OK!", nullptr, TForm2::kButton1, nullptr, CLR_INVALID,
     CLR_INVALID, true, true},
    {"Label2", ControlKind::Label, 16, 16, 72, 12, "暇つぶしソフト", nullptr, TForm2::kLabel2},
    {"Label1", ControlKind::Label, 24, 32, 263, 40, "でたらめ瓦版", nullptr, TForm2::kLabel1, &kNameFont, kLime},
    {"Image1", ControlKind::Picture, 16, 80, 33, 33, "", nullptr, TForm2::kImage1},
    {"Label3", ControlKind::Label, 88, 86, 53, 12, "バージョン", nullptr, TForm2::kLabel3},
    {"Label5", ControlKind::Label, 176, 85, 30, 12, "3.0.0", nullptr, TForm2::kLabel5},
    {"Label4", ControlKind::Label, 99, 116, 36, 12, "作成日", nullptr, TForm2::kLabel4},
    {"Label6", ControlKind::Label, 171, 115, 60, 12, "2002/02/28", nullptr, TForm2::kLabel6},
    {"Label7", ControlKind::Label, 93, 139, 48, 12, "ニュース", nullptr, TForm2::kLabel7},
    {"Label8", ControlKind::Label, 160, 139, 80, 12, "すべて作り話", nullptr, TForm2::kLabel8},
    {"Bevel1", ControlKind::Frame, 59, 75, 198, 89, "", nullptr, TForm2::kBevel1},
};

}  // namespace

bool TForm2::Create(HWND owner) {
    return CreateForm(kDesign, kControls, {}, owner);
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:  // FormMouseDown: only the background reaches the form
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_KEYDOWN:  // FormKeyDown: only while the form itself has the keyboard
            Close();
            return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TForm2::OnCommand(int id, int /*code*/) {
    if (id == kButton1)
        Close();
}

void TForm2::OnShow() {
    SetActiveControl(Control("Button1"));
}

}  // namespace kawaban
