// The three word lists (who / where / what they did) and the word data file they are read
// from and written to.
//
// The file is Shift-JIS text: a count, that many who-words, a count, that many where-words,
// a count, that many did-what words. Reading takes white-space-separated tokens, so line
// layout carries no meaning; writing uses one fixed layout with CR LF line ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "words/case_key.h"

namespace kawaban {

enum class WordCategory { Who = 0, Where = 1, DidWhat = 2 };
constexpr int kWordCategoryCount = 3;
constexpr WordCategory kWordCategories[kWordCategoryCount] = {WordCategory::Who, WordCategory::Where,
                                                               WordCategory::DidWhat};

// Longest word the editor accepts (50 full-width characters). Longer words read from a
// hand-made file are kept as they are, up to kMaxReadWordBytes; `kawaban-cli check` reports them.
constexpr std::size_t kMaxWordBytes = 100;
// Longer tokens are skipped when reading: no list a person writes holds them (they come from
// binary files), and the ticker would carry each one's length on every step.
constexpr std::size_t kMaxReadWordBytes = 1024;
// Larger files are refused as unreadable: a word file of this size is no word file, and
// reading it would take memory many times its size.
constexpr std::size_t kMaxWordFileBytes = std::size_t(128) << 20;

using WordList = std::vector<std::string>;

struct WordData {
    std::array<WordList, kWordCategoryCount> Lists;
    std::string FilePath;         // the file SaveWordData writes without asking; empty = none
    bool Modified = false;        // the lists hold changes not yet written
    bool CanAddFromFile = false;  // the add-from-file commands are enabled

    WordList& List(WordCategory c) { return Lists[static_cast<int>(c)]; }
    const WordList& List(WordCategory c) const { return Lists[static_cast<int>(c)]; }
    bool AllListsNonEmpty() const;
};

// What a read found in one section, for word-list authors (kawaban-cli check).
struct WordSectionReport {
    bool countMissing = false;   // the file ended where the count should stand
    bool countInvalid = false;   // the count token is no decimal number; read as 0
    std::int64_t count = 0;      // the count as read (0 when missing or invalid)
    std::size_t wordsRead = 0;   // tokens taken as words
    std::size_t duplicates = 0;  // of those, dropped as equal (ignoring case) to a word in the list
    bool endOfFile = false;      // the file ended before count words were read
    std::vector<std::string> notFullWidth;  // words the editor would refuse
    std::vector<std::string> tooLong;       // words over kMaxWordBytes, kept
    std::vector<std::string> skipped;       // tokens over kMaxReadWordBytes, not added
};

struct WordFileReport {
    std::array<WordSectionReport, kWordCategoryCount> sections;
    std::size_t trailingTokens = 0;  // tokens after the last counted word (ignored)
};

// Splits a file's bytes into tokens separated by ASCII white space (space, tab, CR, LF,
// vertical tab, form feed).
class WordTokenizer {
public:
    explicit WordTokenizer(std::string_view data) : data_(data) {}
    bool Next(std::string_view& token);
    std::size_t Remaining() const { return data_.size() - pos_; }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

// Reads path into words: unless merge is set, the lists are replaced, but only once the file
// has been read. Each word equal ignoring case (by key) to one already in its list is dropped.
// False when the file cannot be opened or read (or is larger than kMaxWordFileBytes, or than
// memory); words is then unchanged. Sets neither FilePath nor Modified. A count token that
// is no decimal number counts as 0.
bool ReadWordFile(WordData& words, const std::string& path, bool merge, const CaseKey& key = PlatformCaseKey(),
                  WordFileReport* report = nullptr);

// The same over bytes already in memory. False (words unchanged) only when memory runs out.
bool ReadWordText(WordData& words, std::string_view text, bool merge, const CaseKey& key = PlatformCaseKey(),
                  WordFileReport* report = nullptr);

// The file's bytes for the three lists, in the fixed layout with CR LF.
std::string FormatWordFile(const WordData& words);

// Writes the lists to path through a temporary file; the old file is replaced only once the
// new one is completely written. False (and the old file untouched) on any failure.
bool WriteWordFile(const WordData& words, const std::string& path);

void ClearWordData(WordData& words);

}  // namespace kawaban
