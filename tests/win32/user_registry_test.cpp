// The Win32 user registry against the real registry (Wine's, in the test prefix), in a
// scratch key of its own below Software.
#include "panel/user_registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace kawaban {
namespace {

constexpr char kScratch[] = "Software\\KawabanRegistryTest";

struct RegistryTest : ::testing::Test {
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch); }

    // The value's type and raw bytes.
    static bool Read(const std::string& key, const char* name, DWORD& type, std::string& bytes) {
        HKEY opened;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
            return false;
        char buffer[1024];
        DWORD size = sizeof(buffer);
        const LONG result = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(opened);
        bytes.assign(buffer, size);
        return result == ERROR_SUCCESS;
    }
};

TEST_F(RegistryTest, CreatesAMissingKeyAndWritesAStringWithItsNul) {
    const std::string key = std::string(kScratch) + "\\Control Panel\\Desktop";
    const std::string path = "Z:\\tmp\\ソフト\\Kawaban.scr";
    Win32UserRegistry registry;
    // Twice: the second write finds the key and writes the same value again.
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(registry.WriteString(key, "SCRNSAVE.EXE", path), UserRegistry::WriteResult::Written);
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(Read(key, "SCRNSAVE.EXE", type, bytes));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(bytes, path + std::string(1, '\0'));
    }
}

TEST_F(RegistryTest, AKeyThatCannotBeMadeIsReportedAsSuch) {
    // Key names are limited to 255 characters.
    const std::string key = std::string(kScratch) + "\\" + std::string(300, 'k');
    Win32UserRegistry registry;
    EXPECT_EQ(registry.WriteString(key, "SCRNSAVE.EXE", "x"), UserRegistry::WriteResult::NoKey);
}

}  // namespace
}  // namespace kawaban
