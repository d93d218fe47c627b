// The Win32 user registry; see user_registry_win32.h.
#include "panel/user_registry_win32.h"

#include <windows.h>

#include <climits>

namespace kawaban {

UserRegistry::WriteResult Win32UserRegistry::WriteString(const std::string& key, const std::string& name,
                                                         const std::string& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return WriteResult::NoKey;
    // The data is the string with its terminating NUL.
    const bool fits = value.size() < static_cast<std::size_t>(INT_MAX);
    const bool written =
        fits && RegSetValueExA(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(opened);
    return written ? WriteResult::Written : WriteResult::WriteFailed;
}

}  // namespace kawaban
