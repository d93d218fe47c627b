// The run mode from the command line. Only the second character of the first argument
// counts, lower-cased: "s" runs the full-screen saver, "p" the preview in the window whose
// handle (decimal) is the second argument, anything else (also none) the ordinary program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kawaban {

enum class RunMode { Windowed, Saver, Preview };

struct RunModeChoice {
    RunMode mode = RunMode::Windowed;
    bool saver = false;    // true in Saver and Preview
    bool preview = false;  // true only in Preview
    std::int64_t PreviewParent = 0;
    // "p" with a second argument that is no integer, or none: the run goes on as Saver and
    // the window code shows BadHandleMessage(badHandleText).
    bool badHandle = false;
    std::string badHandleText;
};

// args are the arguments after the program name, as Shift-JIS byte strings.
RunModeChoice ParseRunMode(const std::vector<std::string>& args);

// Parses a window handle given in decimal: optional sign, digits, nothing else; it must fit
// in 32 bits (Windows hands handles to savers as unsigned or signed 32-bit decimals).
bool ParseWindowHandle(const std::string& text, std::int64_t& handle);

// "'%s' は整数ではありません" with text in place of %s.
std::string BadHandleMessage(const std::string& text);

}  // namespace kawaban
