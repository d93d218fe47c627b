// The word data commands with their dialogs; see word_commands.h.
#include "words/word_commands.h"

#include <utility>

namespace kawaban {

WordCommands::WordCommands(WordData& words, DialogService& dialogs, WordDataView& view, std::string appTitle,
                           const CaseKey& key)
    : words_(words), dialogs_(dialogs), view_(view), appTitle_(std::move(appTitle)), key_(key) {}

bool WordCommands::LoadWordData(LoadMode mode, const std::string& path) {
    if (mode == LoadMode::Named) {
        openFileName_ = path;
    } else {
        FileDialogRequest request;
        request.title = kLoadDialogTitle;
        request.filter = kWordFileFilter;
        request.defaultExtension = kWordFileExtension;
        request.initialFolder = ".";
        request.fileName = openFileName_;
        std::string chosen;
        if (!dialogs_.ShowFileDialog(request, chosen))
            return false;
        openFileName_ = chosen;
    }

    const bool merge = mode == LoadMode::AddFromFile;
    if (!ReadWordFile(words_, openFileName_, merge, key_)) {
        dialogs_.ShowMessage({kLoadErrorCaption, kLoadErrorText, MessageButtons::Ok, MessageIcon::None});
        openFileName_.clear();
        return false;
    }

    view_.WordsLoaded();
    words_.CanAddFromFile = true;
    if (merge) {
        words_.FilePath.clear();
        SetModified(true);
        view_.EditorCaptionChanged(kEditorCaption);
    } else {
        words_.FilePath = openFileName_;
        SetModified(false);
        view_.EditorCaptionChanged(std::string(kEditorCaption) + " [" + words_.FilePath + "]");
    }
    return true;
}

WordCommands::SaveOutcome WordCommands::Save(bool askName) {
    if (askName || words_.FilePath.empty()) {
        FileDialogRequest request;
        request.save = true;
        request.title = kSaveDialogTitle;
        request.filter = kWordFileFilter;
        request.defaultExtension = kWordFileExtension;
        request.fileName = saveFileName_;
        std::string chosen;
        if (!dialogs_.ShowFileDialog(request, chosen))
            return SaveOutcome::Cancelled;
        saveFileName_ = chosen;
        words_.FilePath = chosen;
    }
    if (!WriteWordFile(words_, words_.FilePath)) {
        // The old file is untouched and Modified stays set; say so rather than let the user
        // believe the words are safe.
        dialogs_.ShowMessage({appTitle_, kSaveErrorText, MessageButtons::Ok, MessageIcon::Error});
        return SaveOutcome::Failed;
    }
    SetModified(false);
    return SaveOutcome::Written;
}

bool WordCommands::SaveWordData() {
    return Save(false) == SaveOutcome::Written;
}

bool WordCommands::SaveWordDataAs() {
    return Save(true) == SaveOutcome::Written;
}

bool WordCommands::ConfirmSaveWordData() {
    if (!words_.Modified)
        return true;
    switch (dialogs_.ShowMessage({kConfirmCaption, kConfirmSaveText, MessageButtons::YesNoCancel,
                                  MessageIcon::Question})) {
        case MessageAnswer::Yes:
            // A cancelled save dialog goes on as いいえ would; a save that failed keeps the
            // caller where it is, so the words are not lost.
            return Save(false) != SaveOutcome::Failed;
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void WordCommands::SetModified(bool modified) {
    words_.Modified = modified;
    view_.FlagsChanged();
}

}  // namespace kawaban
