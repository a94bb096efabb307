// A registry value set for one test, in the prefix that every test shares:
// the value it had, or the absence of the keys made for it, comes back at
// the end of the scope, so that later tests still meet a machine without
// store installs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarnwick::testing {

class RegistryValue {
  public:
    RegistryValue(HKEY root, std::wstring key, std::wstring name);
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;
    ~RegistryValue();

    // The value's bytes as given: no terminator is added.
    void Set(DWORD type, const void* data, DWORD bytes) const;
    // A string with its terminator.
    void Set(const std::wstring& text) const {
        Set(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

  private:
    HKEY root_;
    std::wstring key_;
    std::wstring name_;
    std::wstring madeKey_; // the outermost key that did not exist before, if any
    std::optional<std::pair<DWORD, std::string>> earlier_;
};

} // namespace tarnwick::testing
