// Generated word files for the benchmarks: N distinct words per list, written once into the
// system's temporary folder and removed at exit.
#pragma once

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "words/word_data.h"

namespace kawaban::bench {

// A word of 4 to 8 full-width characters that is unique for its index.
inline std::string GeneratedWord(int category, long index) {
    static const char* const kStems[3][4] = {{"隣の", "宇宙", "課長", "ソフト"},
                                             {"駅前", "屋上", "表通り", "十字路"},
                                             {"踊った", "歌った", "予習した", "能を舞った"}};
    static const char* const kDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string word = kStems[category][index % 4];
    for (long v = index; v > 0 || word.size() < 8; v /= 10)
        word += kDigits[v % 10];
    return word;
}

inline WordData GeneratedWords(long perList) {
    WordData words;
    for (int c = 0; c < kWordCategoryCount; ++c) {
        words.Lists[c].reserve(perList);
        for (long i = 0; i < perList; ++i)
            words.Lists[c].push_back(GeneratedWord(c, i));
    }
    return words;
}

class GeneratedFiles {
public:
    ~GeneratedFiles() {
        for (const auto& [n, path] : paths_)
            std::remove(path.c_str());
    }
    const std::string& PathFor(long perList) {
        auto it = paths_.find(perList);
        if (it == paths_.end()) {
            const auto path = std::filesystem::temp_directory_path() /
                              ("kawaban-bench-" + std::to_string(perList) + ".dat");
            WriteWordFile(GeneratedWords(perList), path.string());
            it = paths_.emplace(perList, path.string()).first;
        }
        return it->second;
    }

private:
    std::map<long, std::string> paths_;
};

inline GeneratedFiles& Files() {
    static GeneratedFiles files;
    return files;
}

}  // namespace kawaban::bench
