// The process as a whole; see kawaban_app.h.
#include "app/kawaban_app.h"

#include <windows.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "panel/news_panel_window.h"
#include "words/search_dialog.h"
#include "words/word_editor_window.h"

namespace kawaban {

KawabanApp::KawabanApp(DialogService& dialogs, ShellService& shell, UserRegistry& registry,
                       std::vector<std::string> args, std::string exePath)
    : Dialogs(dialogs),
      Shell(shell),
      Registry(registry),
      Args(std::move(args)),
      ExePath(std::move(exePath)),
      EndProcess([](int code) { ExitProcess(static_cast<UINT>(code)); }) {}

KawabanApp::~KawabanApp() {
    // The main window goes last: the others are its owned windows.
    FirstPanel.reset();
    FormSearch.reset();
    Form4.reset();
    Form3.reset();
    Form2.reset();
    Form1.reset();
}

bool KawabanApp::CreateForms() {
    Form1 = std::make_unique<TForm1>(*this);
    if (!Form1->Create())
        return false;
    Form2 = std::make_unique<TForm2>();
    if (!Form2->Create(Form1->Handle()))
        return false;
    Form3 = std::make_unique<TForm3>();
    if (!Form3->Create(Form1->Handle()))
        return false;
    Form4 = std::make_unique<TForm4>(*this);
    if (!Form4->Create())
        return false;
    FormSearch = std::make_unique<TFormSearch>();
    return FormSearch->Create(Form1->Handle());
}

void KawabanApp::Start() {
    if (!Form1->RunModeOf().preview)
        Form1->Show();
    else if (FirstPanel)
        FirstPanel->Show();
    Form1->Timer2().SetInterval(1);
}

int KawabanApp::Run() {
    Start();
    return win::Form::RunMessageLoop();
}

}  // namespace kawaban
