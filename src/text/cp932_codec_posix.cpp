// Double-byte code page 932 characters through iconv's CP932 table.
#include <iconv.h>

#include <cstring>

#include "text/cp932_text.h"

namespace kawaban {
namespace {

// Converts in (whole) with a fresh conversion; false unless it all converts.
bool Convert(const char* to, const char* from, const char* in, std::size_t inSize, char* out, std::size_t& outSize) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    std::size_t outLeft = outSize;
    const bool ok = iconv(cd, &inPtr, &inSize, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inSize == 0;
    iconv_close(cd);
    outSize -= outLeft;
    return ok;
}

}  // namespace

bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t& codePoint) {
    const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char out[8];
    std::size_t size = sizeof out;
    if (!Convert("UTF-32LE", "CP932", in, 2, reinterpret_cast<char*>(out), size) || size != 4)
        return false;
    codePoint = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
    return true;
}

bool EncodeCp932DoubleByte(char32_t codePoint, unsigned char& lead, unsigned char& trail) {
    const unsigned char in[4] = {static_cast<unsigned char>(codePoint), static_cast<unsigned char>(codePoint >> 8),
                                 static_cast<unsigned char>(codePoint >> 16),
                                 static_cast<unsigned char>(codePoint >> 24)};
    char out[8];
    std::size_t size = sizeof out;
    if (!Convert("CP932", "UTF-32LE", reinterpret_cast<const char*>(in), 4, out, size) || size != 2)
        return false;
    lead = static_cast<unsigned char>(out[0]);
    trail = static_cast<unsigned char>(out[1]);
    return true;
}

}  // namespace kawaban
