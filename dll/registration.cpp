// Carries out the registration table on the registry.
#include "dll/registration.h"

#include <string>

#include "addin/korvanta.h"
#include "dll/registration_table.h"
#include "maker.h"
#include "support/hresult.h"
#include "support/module.h"
#include "support/reg_key.h"

namespace registration {
namespace {

std::wstring guidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

HKEY rootKey(Root root) noexcept {
    switch (root) {
    case Root::ClassesRoot: return HKEY_CLASSES_ROOT;
    case Root::CurrentUser: return HKEY_CURRENT_USER;
    case Root::LocalMachine: break;
    }
    return HKEY_LOCAL_MACHINE;
}

ServerIdentity thisServer() { return serverIdentity(module::path()); }

HRESULT write(const RegistryValue& value) noexcept {
    RegKey key;
    RETURN_IF_WIN32_ERROR(RegCreateKeyExW(rootKey(value.root), value.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_SET_VALUE, nullptr, key.put(), nullptr));
    const wchar_t* name = value.name.empty() ? nullptr : value.name.c_str();
    if (value.isNumber) {
        const DWORD number = value.number;
        RETURN_IF_WIN32_ERROR(
            RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number));
    } else {
        const auto bytes = static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t));
        RETURN_IF_WIN32_ERROR(
            RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.c_str()), bytes));
    }
    return S_OK;
}

// Deletes a key with everything below it. Written out rather than RegDeleteTree,
// which Windows XP lacks.
LONG deleteTree(HKEY parent, const std::wstring& name) noexcept {
    RegKey key;
    LONG status = RegOpenKeyExW(parent, name.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | DELETE, key.put());
    if (status != ERROR_SUCCESS) return status;
    wchar_t child[256];
    for (;;) {
        DWORD length = 256;
        status = RegEnumKeyExW(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) return status;
        status = deleteTree(key.get(), child);
        if (status != ERROR_SUCCESS) return status;
    }
    key.reset();
    return RegDeleteKeyW(parent, name.c_str());
}

bool isGone(LONG status) noexcept { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

}  // namespace

ServerIdentity serverIdentity(const std::wstring& dllPath) {
    ServerIdentity identity;
    identity.classId = guidText(CLSID_Connect);
    identity.libraryId = guidText(LIBID_Korvanta);
    identity.interfaceId = guidText(IID__Connect);
    identity.marshalerClassId = guidText(CLSID_AutomationMarshaler);
    identity.dllPath = dllPath;
    identity.dllFolder = dllPath.substr(0, dllPath.find_last_of(L'\\') + 1);
    identity.typeLibraryHelp = L"" KORVANTA_TYPELIB_HELPSTRING;
    identity.addinDescription = L"" KORVANTA_ADDIN_DESCRIPTION;
#ifdef _WIN64
    identity.win64 = true;
#endif
    return identity;
}

HRESULT registerServer() {
    const ServerIdentity identity = thisServer();
    RETURN_HR_IF(E_FAIL, identity.dllPath.empty());
    for (const RegistryValue& value : registrationValues(identity)) {
        RETURN_IF_FAILED(write(value));
    }
    return S_OK;
}

HRESULT unregisterServer() {
    const ServerIdentity identity = thisServer();
    HRESULT result = S_OK;
    // Every key is tried even after a failure, so that one stuck key does not
    // leave the others behind; the first failure is reported.
    for (const RegistryKey& key : registrationKeys(identity)) {
        const LONG status = deleteTree(rootKey(key.root), key.key);
        if (!isGone(status) && SUCCEEDED(result)) result = HRESULT_FROM_WIN32(static_cast<DWORD>(status));
    }
    for (const RegistryKey& key : keysRemovedWhenEmpty(identity)) {
        // Fails harmlessly while another version of the library is registered.
        RegDeleteKeyW(rootKey(key.root), key.key.c_str());
    }
    return result;
}

}  // namespace registration
