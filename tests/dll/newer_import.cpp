// A DLL importing a function that Windows XP lacks, for tests/check_dll.sh to
// catch: its check of Korvanta.dll's imports is itself tested on this.
#include <windows.h>

extern "C" __declspec(dllimport) UINT WINAPI GetDpiForWindow(HWND window);

extern "C" __declspec(dllexport) UINT dpiOf(HWND window) { return GetDpiForWindow(window); }
