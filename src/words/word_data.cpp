// Word lists and the word data file; see word_data.h.
#include "words/word_data.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

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

// The keys of one list's words, for dropping duplicates in one pass: the keys in the order
// they came, and an open-addressing table of small slots (the key's number and bits of its
// hash) over them. A key equal to its word points into the text being read; a key that
// differs (folded letters, the platform's sort key, the words already in a list being merged
// into) is copied into blocks of its own. Reading a large file so makes no allocation per
// word for its keys, and the table stays small enough for large lists.
class KeySet {
public:
    explicit KeySet(std::size_t expected) {
        std::size_t capacity = 16;
        while (capacity < expected * 2)
            capacity *= 2;
        slots_.assign(capacity, Slot{});
        keys_.reserve(expected);
    }

    // A multiply-and-shift hash over eight bytes at a time: words are short, and this is
    // cheaper than the library's byte-wise hash while mixing as well for the table.
    static std::size_t Hash(std::string_view key) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ key.size();
        const char* p = key.data();
        std::size_t left = key.size();
        for (; left >= 8; p += 8, left -= 8) {
            std::uint64_t v;
            std::memcpy(&v, p, 8);
            h = (h ^ v) * 0xBF58476D1CE4E5B9ull;
            h ^= h >> 31;
        }
        std::uint64_t v = 0;
        std::memcpy(&v, p, left);
        h = (h ^ v) * 0x94D049BB133111EBull;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        return static_cast<std::size_t>(h ^ (h >> 32));
    }

    // Asks the processor to fetch the slot where a key of this hash starts its search.
    void Prefetch(std::size_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

    // Adds key (hash = Hash(key)); false when an equal key is there already. Unless copy is
    // set, the key's bytes must stay valid as long as the set.
    bool Insert(std::string_view key, std::size_t hash, bool copy) {
        const auto tag = static_cast<std::uint32_t>(hash);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.index == kEmpty) {
                slot = {static_cast<std::uint32_t>(keys_.size()), tag};
                keys_.push_back(copy ? Copy(key) : key);
                if (keys_.size() * 2 > slots_.size())
                    Grow();
                return true;
            }
            if (slot.tag == tag && keys_[slot.index] == key)
                return false;
        }
    }

private:
    static constexpr std::uint32_t kEmpty = std::numeric_limits<std::uint32_t>::max();
    struct Slot {
        std::uint32_t index = kEmpty;  // the key's number in keys_
        std::uint32_t tag = 0;         // low bits of the hash, to skip most comparisons
    };
    static constexpr std::size_t kBlockSize = 1 << 16;

    std::string_view Copy(std::string_view key) {
        if (blocks_.empty() || blockUsed_ + key.size() > blockSize_) {
            blockSize_ = std::max(kBlockSize, key.size());
            blocks_.push_back(std::make_unique<char[]>(blockSize_));
            blockUsed_ = 0;
        }
        char* at = blocks_.back().get() + blockUsed_;
        std::memcpy(at, key.data(), key.size());
        blockUsed_ += key.size();
        return {at, key.size()};
    }

    void Grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.index == kEmpty)
                continue;
            std::size_t i = Hash(keys_[slot.index]) & mask;
            while (slots_[i].index != kEmpty)
                i = (i + 1) & mask;
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::string_view> keys_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t blockSize_ = 0;
    std::size_t blockUsed_ = 0;
};

constexpr int kBatch = 16;

struct PendingWord {
    std::string_view token;
    std::string_view key;  // token itself, or scratch
    std::string scratch;
    std::size_t hash = 0;
};

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

namespace {

void ReadSections(WordData& words, std::string_view text, const CaseKey& key, WordFileReport* report) {
    WordFileReport unused;
    WordFileReport& found = report ? *report : unused;
    found = WordFileReport();

    WordTokenizer tokens(text);
    std::string_view token;
    std::string scratch;
    std::array<PendingWord, kBatch> batch;
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
        // Room for the words to come. The count may be anything in a hand-made file, so the
        // room is bounded by what the rest of the text can hold (a word and a line break take
        // three bytes at least) and by a fixed cap; the lists grow past it as needed.
        constexpr std::int64_t kLargestReservation = 1 << 20;
        const auto expected = static_cast<std::size_t>(std::min<std::int64_t>(
            {section.count, static_cast<std::int64_t>(tokens.Remaining() / 3 + 1), kLargestReservation}));
        KeySet seen(list.size() + expected);
        list.reserve(list.size() + expected);
        for (const std::string& existing : list) {
            const std::string_view existingKey = key.Key(existing, scratch);
            seen.Insert(existingKey, KeySet::Hash(existingKey), true);
        }
        // Keys are made for a batch of words first and their table slots fetched ahead, so
        // that a large list does not wait on memory for one word after another.
        std::int64_t remaining = section.count;
        while (remaining > 0 && !ended) {
            int n = 0;
            for (; n < kBatch && remaining > 0; ++n, --remaining) {
                PendingWord& pending = batch[n];
                if (!tokens.Next(pending.token)) {
                    section.endOfFile = true;
                    ended = true;
                    break;
                }
                if (pending.token.size() > kMaxReadWordBytes)
                    continue;  // skipped below; no key needed
                pending.key = key.Key(pending.token, pending.scratch);
                pending.hash = KeySet::Hash(pending.key);
                seen.Prefetch(pending.hash);
            }
            section.wordsRead += n;
            for (int j = 0; j < n; ++j) {
                const PendingWord& pending = batch[j];
                if (pending.token.size() > kMaxReadWordBytes) {
                    if (report)
                        section.skipped.emplace_back(pending.token);
                    continue;
                }
                // A key that is the word itself lives in the text as long as the set does.
                const bool keyIsToken = pending.key.data() == pending.token.data();
                const bool added = seen.Insert(pending.key, pending.hash, !keyIsToken);
                if (!added) {
                    ++section.duplicates;
                    continue;
                }
                list.emplace_back(pending.token);
                if (report) {
                    if (!IsFullWidthText(pending.token))
                        section.notFullWidth.emplace_back(pending.token);
                    if (pending.token.size() > kMaxWordBytes)
                        section.tooLong.emplace_back(pending.token);
                }
            }
        }
    }
    if (report && !ended) {
        while (tokens.Next(token))
            ++found.trailingTokens;
    }
}

}  // namespace

bool ReadWordText(WordData& words, std::string_view text, bool merge, const CaseKey& key, WordFileReport* report) {
    // Reading only appends to the lists (after emptying them when replacing), so a read that
    // runs out of memory puts back what was there: the old lists, or their old lengths.
    std::array<WordList, kWordCategoryCount> replaced;
    std::array<std::size_t, kWordCategoryCount> lengths{};
    if (merge) {
        for (int c = 0; c < kWordCategoryCount; ++c)
            lengths[c] = words.Lists[c].size();
    } else {
        replaced.swap(words.Lists);
    }
    try {
        ReadSections(words, text, key, report);
        return true;
    } catch (const std::bad_alloc&) {
        if (merge) {
            for (int c = 0; c < kWordCategoryCount; ++c)
                words.Lists[c].resize(lengths[c]);
        } else {
            replaced.swap(words.Lists);
        }
        return false;
    }
}

bool ReadWordFile(WordData& words, const std::string& path, bool merge, const CaseKey& key, WordFileReport* report) {
    std::string text;
    if (!ReadWholeFile(path, text, kMaxWordFileBytes))
        return false;
    return ReadWordText(words, text, merge, key, report);
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
