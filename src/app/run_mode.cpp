// Run mode from the command line; see run_mode.h.
#include "app/run_mode.h"

#include "text/sjis.h"

namespace kawaban {

bool ParseWindowHandle(const std::string& text, std::int64_t& handle) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL)
            return false;
    }
    if (negative) {
        if (value > 0x80000000LL)
            return false;
        value = -value;
    }
    handle = value;
    return true;
}

std::string BadHandleMessage(const std::string& text) {
    return "'" + text + "' は整数ではありません";
}

RunModeChoice ParseRunMode(const std::vector<std::string>& args) {
    RunModeChoice choice;
    if (args.empty())
        return choice;
    // The second character: it starts after the first character, which may be double-byte.
    const std::string& first = args[0];
    if (first.empty())
        return choice;
    const std::size_t second = CharLength(first, 0);
    if (second >= first.size() || CharLength(first, second) != 1)
        return choice;
    char c = first[second];
    if (c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    if (c == 's') {
        choice.mode = RunMode::Saver;
        choice.saver = true;
    } else if (c == 'p') {
        choice.saver = true;
        const std::string handleText = args.size() > 1 ? args[1] : std::string();
        if (args.size() > 1 && ParseWindowHandle(handleText, choice.PreviewParent)) {
            choice.mode = RunMode::Preview;
            choice.preview = true;
        } else {
            choice.mode = RunMode::Saver;
            choice.badHandle = true;
            choice.badHandleText = handleText;
        }
    }
    return choice;
}

}  // namespace kawaban
