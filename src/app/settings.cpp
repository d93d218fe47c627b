// The settings file; see settings.h.
#include "app/settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "text/file_io.h"
#include "text/sjis.h"

namespace kawaban {
namespace {

// Reads lines as the C runtime's fgets does on a file opened as text with a 256-byte
// buffer: CR LF arrives as LF, a line stops after its LF or at 255 bytes.
class LineReader {
public:
    LineReader(std::string_view text, bool moreFollows) : text_(text), moreFollows_(moreFollows) {}

    // False when nothing is left. reachedEnd: the read ran into the end of the file.
    bool Next(std::string& line, bool& reachedEnd) {
        constexpr std::size_t kBuffer = 256;
        line.clear();
        reachedEnd = false;
        while (line.size() < kBuffer - 1) {
            if (pos_ >= text_.size()) {
                reachedEnd = !moreFollows_;
                break;
            }
            char c = text_[pos_++];
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
                c = text_[pos_++];
            line.push_back(c);
            if (c == '\n')
                break;
        }
        return !line.empty();
    }

private:
    std::string_view text_;
    bool moreFollows_;
    std::size_t pos_ = 0;
};

// The line as the C string it is in the buffer: up to a NUL byte, if any.
std::string_view AsCString(const std::string& line) {
    return std::string_view(line).substr(0, line.find('\0'));
}

// A name line without its last character (the line break, when the line has one).
std::string NameOf(const std::string& line) {
    std::string_view text = AsCString(line);
    if (!text.empty())
        text.remove_suffix(1);
    return std::string(text);
}

int Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::int32_t ParseSettingsNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

int MulDiv32(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    // Round half away from zero: compare twice the remainder with the divisor.
    const std::int64_t twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    if (twice >= divisor)
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<std::int32_t>::max() || quotient < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<int>(quotient);
}

int FontSizeFromHeight(int height, int pixelsPerInch) {
    return Wrap32(-static_cast<std::int64_t>(MulDiv32(height, 72, pixelsPerInch)));
}

int FontHeightFromSize(int size, int pixelsPerInch) {
    return Wrap32(-static_cast<std::int64_t>(MulDiv32(size, pixelsPerInch, 72)));
}

std::string SettingsPath(std::string_view exePath) {
    // The folder without a trailing separator (a root "C:\" keeps one otherwise).
    std::string_view folder = FolderPart(exePath);
    std::size_t last = 0;
    for (std::size_t i = 0; i < folder.size(); i += CharLength(folder, i))
        last = i;
    if (!folder.empty() && folder[last] == '\\' && last + 1 == folder.size())
        folder.remove_suffix(1);
    return JoinPath(folder, kSettingsFileName);
}

void ApplySettingsText(std::string_view text, bool moreFollows, int pixelsPerInch, Settings& settings) {
    LineReader reader(text, moreFollows);
    std::string line;
    bool reachedEnd = false;
    // Lines 1 to 12, each applied when it is there.
    for (int number = 1; number <= 12; ++number) {
        if (!reader.Next(line, reachedEnd))
            return;  // a short file: the rest stays as it is
        const std::int32_t value = ParseSettingsNumber(AsCString(line));
        switch (number) {
            case 1:
                settings.StartInPanel = (value & 1) != 0;
                settings.AlwaysOnTop = (value & 2) != 0;
                break;
            case 2:
                settings.Speed = std::clamp(value, 1, 100);  // the track bar's range
                break;
            case 3:
                if (std::string name = NameOf(line); !name.empty())
                    settings.Font.name = std::move(name);
                break;
            case 4:
                settings.Font.height = FontHeightFromSize(value, pixelsPerInch);
                break;
            case 5:
                settings.Font.height = value;
                break;
            case 6:
                settings.Font.color = static_cast<std::uint32_t>(value);
                break;
            case 7:
                settings.Font.bold = value == 1;
                break;
            case 8:
                settings.Font.italic = value == 1;
                break;
            case 9:
                settings.Font.underline = value == 1;
                break;
            case 10:
                settings.Font.strikeOut = value == 1;
                break;
            case 11:
                settings.PanelLeft = value;
                break;
            case 12:
                settings.PanelTop = value;
                break;
        }
    }
    // Line 13 counts only when it ends before the file does.
    if (reader.Next(line, reachedEnd) && !reachedEnd)
        settings.WordDataPath = NameOf(line);
}

std::string FormatSettings(const Settings& settings, bool startInPanel, const std::string& wordDataPath,
                           int pixelsPerInch) {
    const FontChoice& font = settings.Font;
    std::string text;
    const auto number = [&text](long long value) { text += std::to_string(value) + "\r\n"; };
    const auto flag = [&text](bool value) { text += value ? "1\r\n" : "0\r\n"; };
    number((startInPanel ? 1 : 0) + (settings.AlwaysOnTop ? 2 : 0));
    number(settings.Speed);
    text += font.name + "\r\n";
    number(FontSizeFromHeight(font.height, pixelsPerInch));
    number(font.height);
    number(font.color);
    flag(font.bold);
    flag(font.italic);
    flag(font.underline);
    flag(font.strikeOut);
    number(settings.PanelLeft);
    number(settings.PanelTop);
    if (!wordDataPath.empty())
        text += wordDataPath + "\r\n";
    return text;
}

bool ReadSettingsFile(const std::string& path, std::string& text, bool& moreFollows) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string data(kSettingsReadLimit + 1, '\0');
    const std::size_t got = std::fread(data.data(), 1, data.size(), file);
    const bool failed = std::ferror(file) != 0;  // a folder, or an I/O error
    std::fclose(file);
    if (failed)
        return false;
    moreFollows = got > kSettingsReadLimit;
    data.resize(std::min(got, kSettingsReadLimit));
    text = std::move(data);
    return true;
}

bool WriteSettingsFile(const std::string& path, std::string_view text) {
    return WriteFileAtomically(path, text);
}

}  // namespace kawaban
