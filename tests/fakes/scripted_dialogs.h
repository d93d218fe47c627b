// A dialog service that answers from a script and records what it was asked, for tests of
// the word commands and of the windows that use them.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "words/word_commands.h"

namespace kawaban::test {

class ScriptedDialogs : public DialogService {
public:
    // The next file dialog returns this path; std::nullopt means the user cancels.
    void NextFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void NextAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    MessageAnswer ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        if (onMessage)
            onMessage(request);
        if (answers_.empty())
            return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    bool ShowFileDialog(const FileDialogRequest& request, std::string& fileName) override {
        fileDialogs.push_back(request);
        if (files_.empty() || !files_.front()) {
            if (!files_.empty())
                files_.pop_front();
            return false;
        }
        fileName = *files_.front();
        files_.pop_front();
        return true;
    }

    // The next font dialog is closed with OK and this font; std::nullopt means Cancel.
    void NextFont(std::optional<FontChoice> font) { fonts_.push_back(std::move(font)); }

    bool ShowFontDialog(FontChoice& font) override {
        fontDialogs.push_back(font);
        std::optional<FontChoice> answer;
        if (!fonts_.empty()) {
            answer = fonts_.front();
            fonts_.pop_front();
        }
        if (!answer)
            return false;
        font = *answer;
        return true;
    }

    bool ScriptUsedUp() const { return files_.empty() && answers_.empty() && fonts_.empty(); }

    // Runs while a message box would be showing, to look at the program's state then.
    std::function<void(const MessageRequest&)> onMessage;
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<FontChoice> fontDialogs;  // the font each dialog opened with

private:
    std::deque<std::optional<std::string>> files_;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<FontChoice>> fonts_;
};

}  // namespace kawaban::test
