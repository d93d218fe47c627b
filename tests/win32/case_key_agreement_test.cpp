// The portable key against the platform's (the locale's sort key with NORM_IGNORECASE) over
// every character of code page 932: both must group the characters the same way, apart from
// a few equalities that only the platform's sort tables make.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "words/case_key.h"

namespace kawaban {
namespace {

std::vector<std::string> AllCp932Characters() {
    std::vector<std::string> chars;
    auto add = [&](const std::string& c) {
        WCHAR w[2];
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, c.data(), static_cast<int>(c.size()), w, 2) == 1)
            chars.push_back(c);
    };
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b == 0x7F)
            continue;
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
            for (int t = 0x40; t <= 0xFC; ++t) {
                if (t != 0x7F)
                    add(std::string{static_cast<char>(b), static_cast<char>(t)});
            }
        } else {
            add(std::string(1, static_cast<char>(b)));
        }
    }
    return chars;
}

std::string Hex(const std::string& c) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : c) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TEST(CaseKeyAgreement, PortableAndPlatformKeysGroupEveryCharacterAlike) {
    ASSERT_EQ(GetACP(), 932u) << "the tests must run with code page 932 (LANG=ja_JP.UTF-8)";
    const std::vector<std::string> chars = AllCp932Characters();
    ASSERT_GT(chars.size(), 9000u);

    const Cp932CaseKey portable;
    const CaseKey& platform = PlatformCaseKey();
    std::map<std::string, std::set<std::string>> portableGroups, platformGroups;
    std::map<std::string, std::string> platformKeyOf;
    std::string scratch;
    for (const std::string& c : chars) {
        portableGroups[std::string(portable.Key(c, scratch))].insert(Hex(c));
        const std::string platformKey(platform.Key(c, scratch));
        platformGroups[platformKey].insert(Hex(c));
        platformKeyOf[Hex(c)] = platformKey;
    }

    // Whatever the portable key calls equal (the case pairs, both copies of a character),
    // the platform calls equal too.
    int caseGroups = 0;
    for (const auto& [k, group] : portableGroups) {
        std::set<std::string> platformKeys;
        for (const std::string& c : group)
            platformKeys.insert(platformKeyOf[c]);
        EXPECT_EQ(platformKeys.size(), 1u) << "portable group starting " << *group.begin();
        caseGroups += group.size() > 1;
    }
    EXPECT_GT(caseGroups, 400);  // 26 + 26 + 24 + 33 + 10 case groups, and the copies

    // What the platform alone calls equal: Wine's sort tables weigh the full- and half-width
    // sound marks alike, and give the repeat and length marks no weight of their own.
    const std::set<std::set<std::string>> platformOnly = {
        {"814A", "DE"},
        {"814B", "DF"},
        {"8152", "8153", "8154", "8155", "8158", "815B", "815C", "B0"},
    };
    std::set<std::set<std::string>> found;
    for (const auto& [k, group] : platformGroups) {
        std::set<std::string> portableKeys;
        for (const std::string& c : group) {
            std::string bytes;
            for (std::size_t i = 0; i < c.size(); i += 2)
                bytes += static_cast<char>(std::stoi(c.substr(i, 2), nullptr, 16));
            portableKeys.insert(std::string(portable.Key(bytes, scratch)));
        }
        if (portableKeys.size() > 1)
            found.insert(group);
    }
    EXPECT_EQ(found, platformOnly);
}

}  // namespace
}  // namespace kawaban
