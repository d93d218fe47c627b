// The settings file kawaban.cfg beside the executable: twelve lines, or thirteen when a word
// data file is remembered, each ending in CR LF.
//
//   1 StartInPanel + 2 x AlwaysOnTop   5 font height (px)      9 underline
//   2 speed (track bar, 1..100)        6 colour, unsigned      10 strike-out
//   3 font name                        7 bold                  11 panel left
//   4 font size (points)               8 italic                12 panel top
//                                                              13 word data file (optional)
//
// The reader keeps the old program's way of reading so that every file it wrote, or a user
// edited, reads the same: each line goes through a 256-byte buffer (255 bytes with its line
// break; the rest of a longer line is read as the next line), a number is the decimal integer
// at the start of its line (blanks and a sign allowed, wrapping to 32 bits, no digits = 0), a
// name line loses its last character, a style is set only by exactly 1. Lines missing at the
// end of a short file keep the values already in force.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/font_choice.h"

namespace kawaban {

struct Settings {
    bool StartInPanel = false;
    bool AlwaysOnTop = false;
    int Speed = 50;
    FontChoice Font{"ＭＳ ゴシック", -60, 65535};
    int PanelLeft = 500;
    int PanelTop = 125;
    // Only what a file names; the writer takes the current word data file instead.
    std::optional<std::string> WordDataPath;
};

constexpr char kSettingsFileName[] = "kawaban.cfg";
// What "標準設定のクリア" writes, and a missing file is replaced with.
constexpr char kDefaultSettingsText[] =
    "0\r\n50\r\nＭＳ ゴシック\r\n45\r\n-60\r\n65535\r\n0\r\n0\r\n0\r\n0\r\n500\r\n125\r\n";
// The reader looks at 13 lines of at most 255 bytes (CR LF counting as one): anything past
// this many bytes of a file is never read.
constexpr std::size_t kSettingsReadLimit = 16384;

// The decimal integer at the start of text: leading blanks, an optional sign, then digits up
// to the first non-digit; overflow wraps modulo 2^32; no digits give 0.
std::int32_t ParseSettingsNumber(std::string_view text);

// Windows' MulDiv: a * b / c rounded half away from zero; -1 when c is 0 or the result
// does not fit in 32 bits.
int MulDiv32(int a, int b, int c);
// A font's size in points and its height in pixels at the screen's pixels per inch, the
// one derived from the other as the platform's font object does.
int FontSizeFromHeight(int height, int pixelsPerInch);
int FontHeightFromSize(int size, int pixelsPerInch);

// The path of the settings file for the executable at exePath.
std::string SettingsPath(std::string_view exePath);

// Applies the settings text to settings, line by line as described above. moreFollows: the
// text is only the start of a longer file (the 13th line then never meets the end of file).
// WordDataPath is set only from a 13th line that ends in a line break.
void ApplySettingsText(std::string_view text, bool moreFollows, int pixelsPerInch, Settings& settings);

// The file's text for these settings; line 1 is startInPanel plus 2 for AlwaysOnTop, line 13
// is wordDataPath when it is not empty.
std::string FormatSettings(const Settings& settings, bool startInPanel, const std::string& wordDataPath,
                           int pixelsPerInch);

// Reads the start of the settings file (kSettingsReadLimit bytes). False when it cannot be
// opened or read.
bool ReadSettingsFile(const std::string& path, std::string& text, bool& moreFollows);
// Replaces the settings file with text, only once text is completely written; false (and
// the old file untouched) when that fails.
bool WriteSettingsFile(const std::string& path, std::string_view text);

}  // namespace kawaban
