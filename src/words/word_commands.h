// The word data commands with their dialogs: load (replace, add from file, or a named file
// at start-up), save, save under another name, and the question asked before unsaved words
// would be lost. The dialogs and message boxes come through a DialogService, so the
// commands run the same with the platform's dialogs and with a scripted one in tests.
#pragma once

#include <string>

#include "text/font_choice.h"
#include "words/word_data.h"

namespace kawaban {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Question, Error };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One message box: the caption, text, buttons and icon are shown exactly as given.
struct MessageRequest {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// One open or save dialog for word data files.
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;            // "description|pattern"
    std::string defaultExtension;  // appended to a name typed without one
    std::string initialFolder;     // empty: the dialog's own choice
    std::string fileName;          // the name the dialog shows when it opens
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    // True with the chosen path in fileName; false when the user cancels.
    virtual bool ShowFileDialog(const FileDialogRequest& request, std::string& fileName) = 0;
    // The font dialog for the news panel: fixed-pitch fonts that can show Japanese text only,
    // with colour, underline and strike-out offered. True with the choice in font after OK; font is unchanged otherwise.
    virtual bool ShowFontDialog(FontChoice& font) = 0;
};

// What the windows show of the word data, told after each change.
class WordDataView {
public:
    virtual ~WordDataView() = default;
    // A load succeeded: the ticker starts over and the editor shows the new lists.
    virtual void WordsLoaded() = 0;
    // Modified or CanAddFromFile changed: the commands follow them (enabled exactly when set).
    virtual void FlagsChanged() = 0;
    // The word editor's caption: "単語設定" or "単語設定 [path]".
    virtual void EditorCaptionChanged(const std::string& caption) = 0;
};

enum class LoadMode { Open, AddFromFile, Named };

constexpr char kWordFileFilter[] = "データファイル(*.dat)|*.dat";
constexpr char kWordFileExtension[] = "dat";
constexpr char kLoadDialogTitle[] = "単語データの読み込み";
constexpr char kSaveDialogTitle[] = "単語データの保存";
constexpr char kLoadErrorCaption[] = "読み込みエラー";
constexpr char kLoadErrorText[] = "ファイルがありません！";
constexpr char kConfirmCaption[] = "確認";
constexpr char kConfirmSaveText[] = "単語データを保存しますか？";
constexpr char kSaveErrorText[] = "単語データを保存できませんでした。\n保存先のフォルダや空き容量を確かめてください。";
constexpr char kEditorCaption[] = "単語設定";

class WordCommands {
public:
    // appTitle captions the plain boxes (a failed save). key must outlive the commands.
    WordCommands(WordData& words, DialogService& dialogs, WordDataView& view, std::string appTitle,
                 const CaseKey& key = PlatformCaseKey());

    // Reads a word data file chosen in the open dialog (Open, AddFromFile) or given (Named).
    // True when a file was read.
    bool LoadWordData(LoadMode mode, const std::string& path = {});
    // Writes to FilePath, asking for a name first when there is none. True when written.
    bool SaveWordData();
    // Asks for a name and writes there. True when written.
    bool SaveWordDataAs();
    // Asks "単語データを保存しますか？" when there are unsaved changes; true when the caller
    // may go on (はい after a save that did not fail, いいえ, or nothing to ask).
    bool ConfirmSaveWordData();
    void SetModified(bool modified);

    // The names the two dialogs show when they open next.
    const std::string& OpenFileName() const { return openFileName_; }
    const std::string& SaveFileName() const { return saveFileName_; }

    WordData& Words() { return words_; }

private:
    enum class SaveOutcome { Written, Cancelled, Failed };
    SaveOutcome Save(bool askName);

    WordData& words_;
    DialogService& dialogs_;
    WordDataView& view_;
    std::string appTitle_;
    const CaseKey& key_;
    std::string openFileName_;
    std::string saveFileName_;
};

}  // namespace kawaban
