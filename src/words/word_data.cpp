// Word lists and the word data file; see word_data.h.
#include "words/word_data.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "text/file_io.h"
#include "text/sjis.h"

namespace kawaban {
namespace {

constexpr bool IsWordSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A count: optional sign, then decimal digits only. Values beyond 64 bits saturate; they
// can only mean "more words than the file holds" anyway.
bool ParseCount(std::string_view token, std::int64_t& value) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    bool negative = false;
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        negative = token[0] == '-';
        token.remove_prefix(1);
    }
    if (token.empty())
        return false;
    std::int64_t magnitude = 0;
    for (const char ch : token) {
        if (ch < '0' || ch > '9')
            return false;
        const int digit = ch - '0';
        magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

bool WordData::AllListsNonEmpty() const {
    for (const WordList& list : Lists) {
        if (list.empty())
            return false;
    }
    return true;
}

bool WordTokenizer::Next(std::string_view& token) {
    const std::size_t size = data_.size();
    while (pos_ < size && IsWordSpace(data_[pos_]))
        ++pos_;
    if (pos_ == size)
        return false;
    const std::size_t start = pos_;
    while (pos_ < size && !IsWordSpace(data_[pos_]))
        ++pos_;
    token = data_.substr(start, pos_ - start);
    return true;
}

void ReadWordText(WordData& words, std::string_view text, bool merge, const CaseKey& key, WordFileReport* report) {
    if (!merge)
        ClearWordData(words);
    WordFileReport scratch;
    WordFileReport& found = report ? *report : scratch;
    found = WordFileReport();

    WordTokenizer tokens(text);
    std::string_view token;
    std::string wordKey;
    bool ended = false;
    for (int c = 0; c < kWordCategoryCount && !ended; ++c) {
        WordSectionReport& section = found.sections[c];
        if (!tokens.Next(token)) {
            section.countMissing = true;
            ended = true;
            break;
        }
        if (!ParseCount(token, section.count)) {
            section.countInvalid = true;
            section.count = 0;
        }
        if (section.count <= 0)
            continue;

        WordList& list = words.Lists[c];
        std::unordered_set<std::string> seen;
        // The count may be anything in a hand-made file; the text bounds the words it can hold.
        const auto expected = static_cast<std::size_t>(
            std::min<std::int64_t>(section.count, static_cast<std::int64_t>(text.size() / 2 + 1)));
        seen.reserve(list.size() + expected);
        list.reserve(list.size() + expected);
        for (const std::string& existing : list) {
            key.Key(existing, wordKey);
            seen.insert(wordKey);
        }
        for (std::int64_t i = 0; i < section.count; ++i) {
            if (!tokens.Next(token)) {
                section.endOfFile = true;
                ended = true;
                break;
            }
            ++section.wordsRead;
            key.Key(token, wordKey);
            if (!seen.insert(wordKey).second) {
                ++section.duplicates;
                continue;
            }
            list.emplace_back(token);
            if (report) {
                if (!IsFullWidthText(token))
                    section.notFullWidth.emplace_back(token);
                if (token.size() > kMaxWordBytes)
                    section.tooLong.emplace_back(token);
            }
        }
    }
    if (report && !ended) {
        while (tokens.Next(token))
            ++found.trailingTokens;
    }
}

bool ReadWordFile(WordData& words, const std::string& path, bool merge, const CaseKey& key, WordFileReport* report) {
    std::string text;
    if (!ReadWholeFile(path, text))
        return false;
    ReadWordText(words, text, merge, key, report);
    return true;
}

std::string FormatWordFile(const WordData& words) {
    std::size_t size = 0;
    for (const WordList& list : words.Lists) {
        for (const std::string& word : list)
            size += word.size() + 2;
        size += 24;
    }
    std::string out;
    out.reserve(size);
    for (int c = 0; c < kWordCategoryCount; ++c) {
        if (c > 0)
            out += "\r\n";
        const WordList& list = words.Lists[c];
        out += std::to_string(list.size());
        out += "\r\n";
        for (const std::string& word : list) {
            out += word;
            out += "\r\n";
        }
    }
    return out;
}

bool WriteWordFile(const WordData& words, const std::string& path) {
    return WriteFileAtomically(path, FormatWordFile(words));
}

void ClearWordData(WordData& words) {
    for (WordList& list : words.Lists)
        list.clear();
}

}  // namespace kawaban
