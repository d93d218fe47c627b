// The platform's message boxes and file dialogs; see dialogs.h.
#include "win/dialogs.h"

#include <commdlg.h>

#include <vector>

#include "text/sjis.h"
#include "win/gdi.h"

namespace kawaban::win {
namespace {

// Sets the button captions of a message box as it is about to show (it is the first window
// this thread activates after the hook is set).
LRESULT CALLBACK MessageBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof(className));
        if (std::string(className) == "#32770") {
            const struct {
                int id;
                const char* caption;
            } buttons[] = {{IDOK, "OK"}, {IDYES, "はい(&Y)"}, {IDNO, "いいえ(&N)"}, {IDCANCEL, "キャンセル"}};
            for (const auto& button : buttons)
                if (HWND item = GetDlgItem(box, button.id))
                    SetWindowTextA(item, button.caption);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND DialogOwner() {
    HWND active = GetActiveWindow();
    return active && IsWindowVisible(active) ? active : nullptr;
}

}  // namespace

MessageAnswer Win32DialogService::ShowMessage(const MessageRequest& request) {
    UINT type = request.buttons == MessageButtons::YesNoCancel ? MB_YESNOCANCEL : MB_OK;
    if (request.icon == MessageIcon::Question)
        type |= MB_ICONQUESTION;
    else if (request.icon == MessageIcon::Error)
        type |= MB_ICONERROR;
    HWND owner = DialogOwner();
    if (!owner)
        type |= MB_TASKMODAL;
    HHOOK hook = SetWindowsHookExA(WH_CBT, MessageBoxHook, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), type);
    if (hook)
        UnhookWindowsHookEx(hook);
    switch (answer) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDOK:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
    }
}

bool Win32DialogService::ShowFileDialog(const FileDialogRequest& request, std::string& fileName) {
    // "description|pattern" becomes the dialog's pairs of NUL-terminated texts. Only a '|'
    // that starts a character separates: 0x7C is also a second byte (ポ is 83 7C).
    std::string filter = request.filter;
    for (std::size_t i = 0; i < filter.size(); i += CharLength(filter, i))
        if (filter[i] == '|')
            filter[i] = '\0';
    filter.append(2, '\0');
    // Long enough for any path the dialog can return; a longer remembered name is cut.
    std::vector<char> buffer(32768, '\0');
    request.fileName.copy(buffer.data(), buffer.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = DialogOwner();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (request.save)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL chosen = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen)
        return false;
    fileName = buffer.data();
    return true;
}

bool Win32DialogService::ShowFontDialog(FontChoice& font) {
    LOGFONTA logFont = LogFontOf(font);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = DialogOwner();
    cf.lpLogFont = &logFont;
    // Only fonts with the Japanese character set are offered: the news is Shift-JIS text, and
    // a font without it would draw it as other characters.
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT | CF_SELECTSCRIPT;
    cf.rgbColors = font.color;
    if (!ChooseFontA(&cf))
        return false;
    font.name = logFont.lfFaceName;
    font.height = logFont.lfHeight;
    font.color = cf.rgbColors;
    font.bold = logFont.lfWeight >= FW_BOLD;
    font.italic = logFont.lfItalic != 0;
    font.underline = logFont.lfUnderline != 0;
    font.strikeOut = logFont.lfStrikeOut != 0;
    return true;
}

}  // namespace kawaban::win
