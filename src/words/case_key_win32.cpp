// The Windows key: the user locale's sort key with NORM_IGNORECASE. Two strings have equal
// sort keys exactly when CompareString with the same flags calls them equal.
#include <windows.h>

#include <vector>

#include "words/case_key.h"

namespace kawaban {
namespace {

class LocaleCaseKey final : public CaseKey {
public:
    std::string_view Key(std::string_view word, std::string& out) const override {
        constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
        const int length = static_cast<int>(word.size());
        char small[512];
        int n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, word.data(), length, small, sizeof small);
        if (n > 0) {
            out.assign(small, n);
            return out;
        }
        n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, word.data(), length, nullptr, 0);
        if (n > 0) {
            std::vector<char> large(n);
            n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, word.data(), length, large.data(), n);
            if (n > 0) {
                out.assign(large.data(), n);
                return out;
            }
        }
        // No sort key could be made: fall back to the exact bytes, marked to keep them apart
        // from real sort keys.
        out.assign("\xFF\xFF");
        out.append(word);
        return out;
    }
};

}  // namespace

const CaseKey& PlatformCaseKey() {
    static const LocaleCaseKey key;
    return key;
}

}  // namespace kawaban
