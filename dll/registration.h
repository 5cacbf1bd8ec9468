// DllRegisterServer and DllUnregisterServer.
#pragma once
#include <windows.h>

namespace registration {

// Writes every entry of the registration table; the first failing write ends
// registration with its error.
HRESULT registerServer();
// Removes what registration wrote and nothing else; keys already gone are fine.
HRESULT unregisterServer();

}  // namespace registration
