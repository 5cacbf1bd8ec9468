// Looking at the registry from a check: plain functions with no test framework
// behind them, shared by the test programs and the package checker that runs
// inside each Wine prefix.
#pragma once
#include <windows.h>

#include <string>

namespace korvanta_test {

// `view`: 0 for the caller's own view of the registry, or KEY_WOW64_32KEY /
// KEY_WOW64_64KEY for the other platform's.
bool keyExists(HKEY root, const std::wstring& key, REGSAM view = 0);
// The number of values of a key; 0 when it cannot be opened.
DWORD valueCount(HKEY root, const std::wstring& key, REGSAM view = 0);

}  // namespace korvanta_test
