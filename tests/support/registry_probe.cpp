// Registry probes for checks.
#include "tests/support/registry_probe.h"

#include "support/reg_key.h"

namespace korvanta_test {

bool keyExists(HKEY root, const std::wstring& key, REGSAM view) {
    RegKey opened;
    return RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.put()) == ERROR_SUCCESS;
}

DWORD valueCount(HKEY root, const std::wstring& key, REGSAM view) {
    RegKey opened;
    DWORD count = 0;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.put()) == ERROR_SUCCESS) {
        RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr);
    }
    return count;
}

}  // namespace korvanta_test
