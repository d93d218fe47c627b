// A user registry that records the writes it is asked for and answers with a set result.
#pragma once

#include <string>
#include <vector>

#include "panel/screen_saver_registration.h"

namespace kawaban::test {

struct RecordingRegistry : UserRegistry {
    WriteResult WriteString(const std::string& key, const std::string& name, const std::string& value) override {
        writes.push_back({key, name, value});
        return result;
    }
    struct Write {
        std::string key, name, value;
    };
    std::vector<Write> writes;
    WriteResult result = WriteResult::Written;
};

}  // namespace kawaban::test
