#include "RegistryValue.h"

namespace tarnwick::testing {

RegistryValue::RegistryValue(HKEY root, std::wstring key, std::wstring name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    for (std::size_t end = 0; end != std::wstring::npos && madeKey_.empty();) {
        end = key_.find(L'\\', end + 1);
        const std::wstring part = key_.substr(0, end);
        HKEY opened = nullptr;
        if (RegOpenKeyExW(root_, part.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS)
            RegCloseKey(opened);
        else
            madeKey_ = part;
    }
    if (!madeKey_.empty()) return;
    // Read raw, as it was written: a string without its terminator stays so.
    HKEY opened = nullptr;
    RegOpenKeyExW(root_, key_.c_str(), 0, KEY_QUERY_VALUE, &opened);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(opened, name_.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS) {
        std::string data(bytes, '\0');
        RegQueryValueExW(opened, name_.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &bytes);
        data.resize(bytes);
        earlier_.emplace(type, std::move(data));
    }
    RegCloseKey(opened);
}

RegistryValue::~RegistryValue() {
    if (!madeKey_.empty()) {
        RegDeleteTreeW(root_, madeKey_.c_str());
    } else if (earlier_) {
        RegSetKeyValueW(root_, key_.c_str(), name_.c_str(), earlier_->first,
                        earlier_->second.data(), static_cast<DWORD>(earlier_->second.size()));
    } else {
        RegDeleteKeyValueW(root_, key_.c_str(), name_.c_str());
    }
}

void RegistryValue::Set(DWORD type, const void* data, DWORD bytes) const {
    HKEY key = nullptr;
    RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, name_.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

} // namespace tarnwick::testing
