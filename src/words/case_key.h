// The key under which words are compared ignoring case. Two words are duplicates in one list
// exactly when their keys are equal, so reading can drop duplicates with a hash set in one
// pass instead of comparing each word with the whole list.
#pragma once

#include <string>
#include <string_view>

namespace kawaban {

class CaseKey {
public:
    virtual ~CaseKey() = default;
    // The key of word: word itself when it needs no change, otherwise scratch, filled in.
    virtual std::string_view Key(std::string_view word, std::string& scratch) const = 0;
};

// The portable key: folds the letter-case pairs of code page 932 (ASCII, full-width Latin,
// Greek, Cyrillic, Roman numerals) and maps the characters that code page 932 holds twice
// (the NEC and IBM copies of the same character) to one of their codes. Width and kana type
// are kept: Ａ and A, あ and ア stay different. Trail bytes are never folded.
class Cp932CaseKey final : public CaseKey {
public:
    std::string_view Key(std::string_view word, std::string& scratch) const override;
};

// The key of the platform the program runs on: on Windows the locale's sort key with
// NORM_IGNORECASE (equal exactly when CompareString says equal), elsewhere Cp932CaseKey.
const CaseKey& PlatformCaseKey();

}  // namespace kawaban
