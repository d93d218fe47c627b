// The platform's message boxes, file dialogs and font dialog behind the word commands' DialogService.
#pragma once

#include <windows.h>

#include "words/word_commands.h"

namespace kawaban::win {

class Win32DialogService : public DialogService {
public:
    // Message boxes show the buttons "OK", "はい(&Y)", "いいえ(&N)", "キャンセル" whatever
    // the system's language; they and the file dialogs belong to the active window.
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    bool ShowFileDialog(const FileDialogRequest& request, std::string& fileName) override;
    bool ShowFontDialog(FontChoice& font) override;
};

}  // namespace kawaban::win
