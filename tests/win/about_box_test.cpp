// The About box in process under Wine: its design, and what closes it.
#include <windows.h>

#include <functional>

#include "app/about_box.h"
#include "form_test_support.h"

namespace kawaban {
namespace {

using test::AppFixture;

TEST(AboutBox, IsAsDesigned) {
    AppFixture fx;
    ASSERT_TRUE(fx.created);
    TForm2& box = *fx.app.Form2;
    RECT window, client;
    GetWindowRect(box.Handle(), &window);
    GetClientRect(box.Handle(), &client);
    EXPECT_EQ(win::WindowText(box.Handle()), "バージョン情報");
    EXPECT_EQ(window.left, 409);
    EXPECT_EQ(window.top, 252);
    EXPECT_EQ(client.right, 310);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_FALSE(GetWindowLongA(box.Handle(), GWL_STYLE) & WS_THICKFRAME);
    const struct {
        const char* name;
        int left, top;
        const char* text;
    } controls[] = {{"Label2", 16, 16, "暇つぶしソフト"}, {"Label1", 24, 32, "でたらめ瓦版"},
                    {"Image1", 16, 80, ""},                {"Bevel1", 59, 75, ""},
                    {"Label3", 88, 86, "バージョン"},      {"Label5", 176, 85, "3.0.0"},
                    {"Label4", 99, 116, "作成日"},         {"Label6", 171, 115, "2002/02/28"},
                    {"Button1", 119, 172, "OK!"}};
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        HWND control = box.Control(c.name);
        ASSERT_NE(control, nullptr);
        const RECT r = test::ClientRectIn(control, box.Handle());
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(win::WindowText(control), c.text);
    }
    EXPECT_EQ(test::FontOf(box.Control("Label1")).lfHeight, -40);
    EXPECT_TRUE(GetWindowLongA(box.Control("Button1"), GWL_STYLE) & WS_TABSTOP);
}

// Timer callbacks that play the user while the box runs its modal loop.
struct ModalInput {
    // Presses the key held in the box's "key" property on the control that has the focus.
    static void CALLBACK PressKey(HWND box, UINT, UINT_PTR id, DWORD) {
        KillTimer(box, id);
        const auto key = reinterpret_cast<WPARAM>(GetPropA(box, "key"));
        HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, key, 0);
        PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    }
    // Ends a modal loop that the key did not end, so a failing test cannot hang.
    static void CALLBACK GiveUp(HWND box, UINT, UINT_PTR id, DWORD) {
        KillTimer(box, id);
        PostMessageA(box, WM_CLOSE, 0, 0);
    }
};

TEST(AboutBox, ClosesOnItsButtonABackgroundClickOrEnterButNotOnALabel) {
    AppFixture fx;
    ASSERT_TRUE(fx.created);
    TForm2& box = *fx.app.Form2;

    // What a click reaches is decided by the system's hit test: the label takes it.
    box.Show();
    test::PumpMessages(100);
    POINT onLabel = {24 + 20, 32 + 20};
    ClientToScreen(box.Handle(), &onLabel);
    EXPECT_EQ(WindowFromPoint(onLabel), box.Control("Label1"));
    POINT onBackground = {290, 10};
    ClientToScreen(box.Handle(), &onBackground);
    EXPECT_EQ(WindowFromPoint(onBackground), box.Handle());
    POINT inFrame = {70, 150};
    ClientToScreen(box.Handle(), &inFrame);
    EXPECT_EQ(WindowFromPoint(inFrame), box.Control("Bevel1"));

    SendMessageA(box.Control("Label1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    test::PumpMessages(100);
    EXPECT_TRUE(box.Visible());
    SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(290, 10));
    EXPECT_FALSE(box.Visible());
    test::PumpMessages(200);  // Wine hands the foreground to its desktop meanwhile

    // Modal, as the menu shows it: the focus is on the button, and Enter or Space presses it.
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_SPACE)}) {
        SCOPED_TRACE(key);
        SetPropA(box.Handle(), "key", reinterpret_cast<HANDLE>(key));
        SetTimer(box.Handle(), 1, 200, ModalInput::PressKey);
        SetTimer(box.Handle(), 2, 3000, ModalInput::GiveUp);
        const DWORD start = GetTickCount();
        box.ShowModal();
        KillTimer(box.Handle(), 2);
        EXPECT_LT(GetTickCount() - start, 2000u);
        EXPECT_FALSE(box.Visible());
        RemovePropA(box.Handle(), "key");
    }
    test::PumpMessages();
}

}  // namespace
}  // namespace kawaban
