// The user's registry through the Win32 registry functions.
#pragma once

#include "panel/screen_saver_registration.h"

namespace kawaban {

class Win32UserRegistry : public UserRegistry {
public:
    WriteResult WriteString(const std::string& key, const std::string& name, const std::string& value) override;
};

}  // namespace kawaban
