// The process as a whole: the application title, the shared word data and random generator,
// the five windows created once in a fixed order, and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ms_random.h"
#include "panel/screen_saver_registration.h"
#include "words/word_commands.h"
#include "words/word_data.h"

namespace kawaban {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TFormSearch;

// What the program asks of the desktop shell besides dialogs: help, documents, the Start menu.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens a WinHelp file at its contents page; false when no help viewer takes it.
    virtual bool ShowHelpContents(const std::string& helpFile) = 0;
    // Opens a document (the HTML manual) in its usual program; false when that fails.
    virtual bool OpenDocument(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Adds the program's folder with its two shortcuts to the user's Start menu; silent.
    virtual void AddToStartMenu() = 0;
};

class KawabanApp {
public:
    // args: the command line's arguments after the program name; exePath: the running file.
    KawabanApp(DialogService& dialogs, ShellService& shell, UserRegistry& registry, std::vector<std::string> args,
               std::string exePath);
    ~KawabanApp();

    // Creates Form1, Form2, Form3, Form4 and FormSearch, all hidden. False when one fails.
    bool CreateForms();
    // Shows the main window, in a preview run the first news panel instead, and arms the
    // one-shot start-up timer, which fires once the message loop runs.
    void Start();
    // Start, then the message loop until the application ends.
    int Run();

    const std::string Title = "でたらめ瓦版";
    const std::string HelpFile = "Kawaban.hlp";
    DialogService& Dialogs;
    ShellService& Shell;
    UserRegistry& Registry;
    const std::vector<std::string> Args;
    const std::string ExePath;
    WordData Words;
    MsRandom Random;
    // Ends the process at once with this exit status, no window closed first (the news
    // panel's quit command). Tests put a recorder here.
    std::function<void(int)> EndProcess;

    // A preview run makes a first news panel in the preview box while the main window is
    // being created; it takes the main window's place at start and stays empty and black.
    // Form4 is the second one, in which the ticker runs.
    std::unique_ptr<TForm4> FirstPanel;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TFormSearch> FormSearch;
};

}  // namespace kawaban
