// The word data commands: which dialogs they show, and what they do to the lists, the file
// name and the two flags for each answer.
#include "words/word_commands.h"

#include <gtest/gtest.h>

#include "fakes/scripted_dialogs.h"
#include "test_support.h"

namespace kawaban {
namespace {

using test::ScriptedDialogs;

constexpr char kWords[] = "2\r\n太郎\r\n花子\r\n\r\n1\r\n駅前\r\n\r\n1\r\n踊った\r\n";
constexpr char kMoreWords[] = "1 次郎 1 駅前 1 歌った";

class RecordingView : public WordDataView {
public:
    void WordsLoaded() override { ++loads; }
    void FlagsChanged() override { ++flagChanges; }
    void EditorCaptionChanged(const std::string& caption) override { editorCaption = caption; }
    int loads = 0;
    int flagChanges = 0;
    std::string editorCaption = kEditorCaption;
};

class WordCommandsTest : public ::testing::Test {
protected:
    WordCommandsTest() {
        test::Spit(words1, kWords);
        test::Spit(words2, kMoreWords);
    }
    test::TempDir dir;
    const std::string words1 = dir.File("words1.dat");
    const std::string words2 = dir.File("words2.dat");
    WordData data;
    ScriptedDialogs dialogs;
    RecordingView view;
    Cp932CaseKey key;
    WordCommands commands{data, dialogs, view, "でたらめ瓦版", key};
};

TEST_F(WordCommandsTest, OpenShowsTheWordFileDialogAndReplacesTheLists) {
    data.List(WordCategory::Who) = {"古い"};
    dialogs.NextFile(words1);
    EXPECT_TRUE(commands.LoadWordData(LoadMode::Open));

    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    const FileDialogRequest& request = dialogs.fileDialogs[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "単語データの読み込み");
    EXPECT_EQ(request.filter, "データファイル(*.dat)|*.dat");
    EXPECT_EQ(request.defaultExtension, "dat");
    EXPECT_EQ(request.initialFolder, ".");
    EXPECT_EQ(request.fileName, "");

    EXPECT_EQ(data.List(WordCategory::Who), (WordList{"太郎", "花子"}));
    EXPECT_EQ(data.FilePath, words1);
    EXPECT_FALSE(data.Modified);
    EXPECT_TRUE(data.CanAddFromFile);
    EXPECT_EQ(view.loads, 1);
    EXPECT_GE(view.flagChanges, 1);
    EXPECT_EQ(view.editorCaption, "単語設定 [" + words1 + "]");
    EXPECT_TRUE(dialogs.messages.empty());

    // The dialog opens on the name chosen last.
    dialogs.NextFile(std::nullopt);
    EXPECT_FALSE(commands.LoadWordData(LoadMode::Open));
    EXPECT_EQ(dialogs.fileDialogs[1].fileName, words1);
}

TEST_F(WordCommandsTest, AFileThatCannotBeReadChangesNothingButTheRememberedName) {
    dialogs.NextFile(words1);
    ASSERT_TRUE(commands.LoadWordData(LoadMode::Open));
    const WordData before = data;

    for (LoadMode mode : {LoadMode::Open, LoadMode::AddFromFile, LoadMode::Named}) {
        SCOPED_TRACE(static_cast<int>(mode));
        dialogs.messages.clear();
        if (mode != LoadMode::Named)
            dialogs.NextFile(dir.File("missing.dat"));
        EXPECT_FALSE(commands.LoadWordData(mode, dir.File("missing.dat")));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].caption, "読み込みエラー");
        EXPECT_EQ(dialogs.messages[0].text, "ファイルがありません！");
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(data.Lists, before.Lists);
        EXPECT_EQ(data.FilePath, before.FilePath);
        EXPECT_EQ(data.Modified, before.Modified);
        EXPECT_EQ(data.CanAddFromFile, before.CanAddFromFile);
        EXPECT_EQ(commands.OpenFileName(), "");
    }
    EXPECT_EQ(view.loads, 1);
}

TEST_F(WordCommandsTest, ACancelledOpenDialogChangesNothing) {
    dialogs.NextFile(std::nullopt);
    EXPECT_FALSE(commands.LoadWordData(LoadMode::AddFromFile));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(view.loads, 0);
    EXPECT_EQ(view.flagChanges, 0);
    EXPECT_FALSE(data.CanAddFromFile);
}

TEST_F(WordCommandsTest, AddingMarksTheListsChangedAndForgetsTheFileSoSavingAsksForAName) {
    dialogs.NextFile(words1);
    ASSERT_TRUE(commands.LoadWordData(LoadMode::Open));
    dialogs.NextFile(words2);
    EXPECT_TRUE(commands.LoadWordData(LoadMode::AddFromFile));

    EXPECT_EQ(data.List(WordCategory::Who), (WordList{"太郎", "花子", "次郎"}));
    EXPECT_EQ(data.List(WordCategory::Where), (WordList{"駅前"}));
    EXPECT_TRUE(data.Modified);
    EXPECT_TRUE(data.FilePath.empty());
    EXPECT_EQ(view.editorCaption, "単語設定");

    const std::string saved = dir.File("saved.dat");
    dialogs.NextFile(saved);
    EXPECT_TRUE(commands.SaveWordData());
    ASSERT_EQ(dialogs.fileDialogs.size(), 3u);
    EXPECT_TRUE(dialogs.fileDialogs[2].save);
    EXPECT_EQ(dialogs.fileDialogs[2].title, "単語データの保存");
    EXPECT_EQ(dialogs.fileDialogs[2].defaultExtension, "dat");
    EXPECT_EQ(test::Slurp(saved), FormatWordFile(data));
    EXPECT_EQ(data.FilePath, saved);
    EXPECT_FALSE(data.Modified);
    // Saving leaves the editor's caption on the file loaded last.
    EXPECT_EQ(view.editorCaption, "単語設定");
}

TEST_F(WordCommandsTest, NamedLoadShowsNoDialogAndRemembersThePathForTheOpenDialog) {
    EXPECT_TRUE(commands.LoadWordData(LoadMode::Named, words1));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_EQ(data.FilePath, words1);
    EXPECT_EQ(commands.OpenFileName(), words1);
}

TEST_F(WordCommandsTest, SaveWritesTheCurrentFileWithoutAskingAndSaveAsCancelledWritesNothing) {
    ASSERT_TRUE(commands.LoadWordData(LoadMode::Named, words1));
    data.List(WordCategory::DidWhat).push_back("走った");
    commands.SetModified(true);

    dialogs.NextFile(std::nullopt);
    EXPECT_FALSE(commands.SaveWordDataAs());
    EXPECT_EQ(test::Slurp(words1), kWords);
    EXPECT_EQ(data.FilePath, words1);
    EXPECT_TRUE(data.Modified);

    EXPECT_TRUE(commands.SaveWordData());
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(test::Slurp(words1), FormatWordFile(data));
    EXPECT_FALSE(data.Modified);
}

TEST_F(WordCommandsTest, AFailedWriteIsReportedAndKeepsTheChangesMarked) {
    data.List(WordCategory::Who) = {"太郎"};
    commands.SetModified(true);
    const std::string unwritable = dir.File("no-such-folder/words.dat");
    dialogs.NextFile(unwritable);
    EXPECT_FALSE(commands.SaveWordDataAs());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "でたらめ瓦版");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(data.Modified);
    EXPECT_EQ(data.FilePath, unwritable);
}

TEST_F(WordCommandsTest, TheSaveQuestionForEachAnswer) {
    struct Case {
        const char* name;
        bool modified;
        std::optional<MessageAnswer> answer;     // none: no question is asked
        std::optional<std::string> dialogFile;   // the save dialog's answer when it shows
        bool haveFilePath;
        bool mayGoOn;
        bool written;
    };
    const std::string unwritable = dir.File("no-such-folder/words.dat");
    const Case cases[] = {
        {"nothing to save", false, std::nullopt, std::nullopt, false, true, false},
        {"はい with a file", true, MessageAnswer::Yes, std::nullopt, true, true, true},
        {"はい asks for a name", true, MessageAnswer::Yes, dir.File("new.dat"), false, true, true},
        {"はい, name dialog cancelled", true, MessageAnswer::Yes, std::nullopt, false, true, false},
        {"はい, the write fails", true, MessageAnswer::Yes, unwritable, false, false, false},
        {"いいえ", true, MessageAnswer::No, std::nullopt, true, true, false},
        {"キャンセル", true, MessageAnswer::Cancel, std::nullopt, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs script;
        RecordingView v;
        WordData d;
        d.List(WordCategory::Who) = {"太郎"};
        d.Modified = c.modified;
        const std::string target = dir.File("target.dat");
        test::Spit(target, "old");
        if (c.haveFilePath)
            d.FilePath = target;
        if (c.answer)
            script.NextAnswer(*c.answer);
        if (!c.haveFilePath && c.answer == MessageAnswer::Yes)
            script.NextFile(c.dialogFile);
        Cp932CaseKey key;
        WordCommands cmd{d, script, v, "でたらめ瓦版", key};

        EXPECT_EQ(cmd.ConfirmSaveWordData(), c.mayGoOn);
        EXPECT_TRUE(script.ScriptUsedUp());
        if (c.answer) {
            ASSERT_GE(script.messages.size(), 1u);
            EXPECT_EQ(script.messages[0].caption, "確認");
            EXPECT_EQ(script.messages[0].text, "単語データを保存しますか？");
            EXPECT_EQ(script.messages[0].buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(script.messages[0].icon, MessageIcon::Question);
        } else {
            EXPECT_TRUE(script.messages.empty());
        }
        EXPECT_EQ(d.Modified, c.modified && !c.written);
        if (c.written)
            EXPECT_EQ(test::Slurp(d.FilePath), FormatWordFile(d));
        else
            EXPECT_EQ(test::Slurp(target), "old");
    }
}

}  // namespace
}  // namespace kawaban
