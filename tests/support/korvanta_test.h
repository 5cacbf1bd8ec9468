// What the tests share: Korvanta.dll as a host meets it (registered, created by
// its ProgID), registry helpers, and a fixture that fails a test when a fake
// saw a call it did not expect.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "addin/korvanta.h"
#include "support/com_ptr.h"
#include "tests/support/registry_probe.h"

namespace korvanta_test {

// A Unix path of the build as Wine shows it, on drive Z:.
std::wstring winePath(const char* unixPath);

// The thread's error object, as a vtable caller reads it after a failure.
struct ThreadError {
    GUID iid = GUID_NULL;
    std::wstring source;
    std::wstring description;
};
std::optional<ThreadError> takeThreadError();

// Korvanta.dll of this build, loaded and registered once per test program.
HMODULE korvantaDll();
HRESULT dllRegisterServer();
HRESULT dllUnregisterServer();
HRESULT dllCanUnloadNow();
std::wstring korvantaDllPath();

// A new add-in object, created by ProgID as Excel creates it.
ComPtr<IDispatch> createAddin();

// Registry access for checks: strings and numbers as the wide functions see them.
std::optional<std::wstring> readString(HKEY root, const std::wstring& key, const wchar_t* name);
std::optional<DWORD> readDword(HKEY root, const std::wstring& key, const wchar_t* name);
// The type and bytes of a value exactly as stored (strings are UTF-16 there).
std::optional<std::pair<DWORD, std::string>> readRaw(HKEY root, const std::wstring& key, const wchar_t* name);
// A text as the registry stores it, with or without its terminating NUL.
std::string utf16Bytes(const std::wstring& text, bool withNul);
void writeRaw(HKEY root, const std::wstring& key, const wchar_t* name, DWORD type, const std::string& bytes);
void deleteTree(HKEY root, const std::wstring& key);

inline const std::wstring kSettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel";
// Where Group Policy sets them, below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
inline const std::wstring kPolicyKey = L"Software\\Policies\\Korvanta\\Excel";

// A DWORD as the registry stores it.
std::string dwordBytes(DWORD value);

// Base fixture: the settings key and both policy keys start absent, and no
// fake may have seen an unexpected call by the end of the test.
class KorvantaTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Reads an object's reference count the only way COM allows from outside.
template <class Object>
ULONG referencesOf(Object* object) {
    object->AddRef();
    return object->Release();
}

}  // namespace korvanta_test
