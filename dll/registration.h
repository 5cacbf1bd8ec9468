// DllRegisterServer and DllUnregisterServer.
#pragma once
#include <windows.h>

#include <string>

#include "dll/registration_table.h"

namespace registration {

// The identity of this build's server, with its DLL at `dllPath`.
ServerIdentity serverIdentity(const std::wstring& dllPath);

// Writes every entry of the registration table; the first failing write ends
// registration with its error.
HRESULT registerServer();
// Removes what registration wrote and nothing else; keys already gone are fine.
HRESULT unregisterServer();

}  // namespace registration
