// Double-byte code page 932 characters through Windows' own table.
#include <windows.h>

#include "text/cp932_text.h"

namespace kawaban {

bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t& codePoint) {
    const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    WCHAR out[2];
    if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in, 2, out, 2) != 1)
        return false;
    codePoint = out[0];
    return true;
}

bool EncodeCp932DoubleByte(char32_t codePoint, unsigned char& lead, unsigned char& trail) {
    if (codePoint > 0xFFFF)
        return false;  // code page 932 holds nothing outside the basic plane
    const WCHAR in[1] = {static_cast<WCHAR>(codePoint)};
    char out[4];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, in, 1, out, sizeof out, nullptr, &usedDefault);
    if (n != 2 || usedDefault)
        return false;
    lead = static_cast<unsigned char>(out[0]);
    trail = static_cast<unsigned char>(out[1]);
    return true;
}

}  // namespace kawaban
