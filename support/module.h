// The DLL's lifetime: live objects and server locks decide DllCanUnloadNow.
#pragma once
#include <windows.h>

#include <string>

namespace module {

void setInstance(HINSTANCE instance) noexcept;
HINSTANCE instance() noexcept;
// The full path of the DLL; empty if it cannot be had.
std::wstring path();

void objectCreated() noexcept;
void objectDestroyed() noexcept;
void lockServer(bool lock) noexcept;
// True when no object of the DLL is alive and no client holds a server lock.
bool canUnload() noexcept;

}  // namespace module
