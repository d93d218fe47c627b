// Small helpers shared by the core tests: a scratch folder and file access.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#include "text/file_io.h"

namespace kawaban::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0;; ++attempt) {
            path_ = base / ("kawaban-test-" + std::to_string(std::rand()) + "-" + std::to_string(counter++));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    // A path inside the folder, as the byte string the program uses.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string Slurp(const std::string& path) {
    std::string out;
    EXPECT_TRUE(ReadWholeFile(path, out)) << path;
    return out;
}

inline void Spit(const std::string& path, const std::string& content) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    ASSERT_EQ(std::fwrite(content.data(), 1, content.size(), f), content.size());
    ASSERT_EQ(std::fclose(f), 0);
}

}  // namespace kawaban::test
