// Looking at the registry from a check: plain functions with no test framework
// behind them, shared by the test programs and the package checker that runs
// inside each Wine prefix.
#pragma once
#include <windows.h>

#include <string>

namespace korvanta_test {

bool keyExists(HKEY root, const std::wstring& key);
// The number of values of a key; 0 when it cannot be opened.
DWORD valueCount(HKEY root, const std::wstring& key);

}  // namespace korvanta_test
