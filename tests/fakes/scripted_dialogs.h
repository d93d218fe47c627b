// A dialog service that answers from a script and records what it was asked, for tests of
// the word commands and of the windows that use them.
#pragma once

#include <deque>
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

    bool ScriptUsedUp() const { return files_.empty() && answers_.empty(); }

    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> fileDialogs;

private:
    std::deque<std::optional<std::string>> files_;
    std::deque<MessageAnswer> answers_;
};

}  // namespace kawaban::test
