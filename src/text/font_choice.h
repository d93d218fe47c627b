// A font as the program keeps it: face name (Shift-JIS), height in pixels (negative: the
// character height without internal leading), colour 0x00BBGGRR, the four style flags and
// the character set. The news panel's font, the font dialog's choice and the settings file
// share it; the settings file does not keep the character set, which stays as it is in force.
#pragma once

#include <cstdint>
#include <string>

namespace kawaban {

// The platform's number for the Shift-JIS character set (SHIFTJIS_CHARSET).
constexpr int kShiftJisCharSet = 128;

struct FontChoice {
    std::string name;
    int height = 0;
    std::uint32_t color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = kShiftJisCharSet;

    bool operator==(const FontChoice&) const = default;
};

}  // namespace kawaban
