// A font as the program keeps it: face name (Shift-JIS), height in pixels (negative: the
// character height without internal leading), colour 0x00BBGGRR and the four style flags.
// The news panel's font, the font dialog's choice and the settings file share it.
#pragma once

#include <cstdint>
#include <string>

namespace kawaban {

struct FontChoice {
    std::string name;
    int height = 0;
    std::uint32_t color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontChoice&) const = default;
};

}  // namespace kawaban
