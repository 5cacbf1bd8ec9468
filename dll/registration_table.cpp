// The registration table.
#include "dll/registration_table.h"

namespace registration {
namespace {

constexpr wchar_t kProgId[] = L"Korvanta.Connect";
constexpr wchar_t kInterfaceName[] = L"_Connect";
constexpr wchar_t kLibraryVersion[] = L"1.0";
// Excel reads its COM add-ins from one sub-key per ProgID, per user.
constexpr wchar_t kExcelAddinsKey[] = L"Software\\Microsoft\\Office\\Excel\\Addins\\";
constexpr unsigned long kLoadAtStartup = 3;

RegistryValue text(Root root, std::wstring key, std::wstring name, std::wstring value) {
    return {root, std::move(key), std::move(name), false, std::move(value), 0};
}

std::wstring libraryVersionKey(const ServerIdentity& identity) {
    return L"TypeLib\\" + identity.libraryId + L"\\" + kLibraryVersion;
}

}  // namespace

std::vector<RegistryValue> registrationValues(const ServerIdentity& id) {
    const Root hkcr = Root::ClassesRoot;
    const std::wstring library = libraryVersionKey(id);
    const std::wstring iface = L"Interface\\" + id.interfaceId;
    const std::wstring clsid = L"CLSID\\" + id.classId;
    const std::wstring addin = std::wstring(kExcelAddinsKey) + kProgId;
    return {
        // The type library, locale neutral, and _Connect for automation
        // marshalling: written here rather than by RegisterTypeLib, which would
        // also claim the Office interfaces the library lists.
        text(hkcr, library, L"", id.typeLibraryHelp),
        text(hkcr, library + L"\\FLAGS", L"", L"0"),
        text(hkcr, library + L"\\HELPDIR", L"", id.dllFolder),
        text(hkcr, library + L"\\0\\" + (id.win64 ? L"win64" : L"win32"), L"", id.dllPath),
        text(hkcr, iface, L"", kInterfaceName),
        text(hkcr, iface + L"\\ProxyStubClsid", L"", id.marshalerClassId),
        text(hkcr, iface + L"\\ProxyStubClsid32", L"", id.marshalerClassId),
        text(hkcr, iface + L"\\TypeLib", L"", id.libraryId),
        text(hkcr, iface + L"\\TypeLib", L"Version", kLibraryVersion),
        // The class and its ProgID.
        text(hkcr, clsid + L"\\InprocServer32", L"", id.dllPath),
        text(hkcr, clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"),
        text(hkcr, clsid + L"\\ProgID", L"", kProgId),
        text(hkcr, clsid + L"\\TypeLib", L"", id.libraryId),
        text(hkcr, std::wstring(kProgId) + L"\\Clsid", L"", id.classId),
        // The Excel add-in, loaded at every start for this user.
        text(Root::CurrentUser, addin, L"FriendlyName", L"Korvanta"),
        text(Root::CurrentUser, addin, L"Description", id.addinDescription),
        {Root::CurrentUser, addin, L"LoadBehavior", true, L"", kLoadAtStartup},
    };
}

std::vector<RegistryKey> registrationKeys(const ServerIdentity& id) {
    return {
        {Root::CurrentUser, std::wstring(kExcelAddinsKey) + kProgId},
        {Root::ClassesRoot, kProgId},
        {Root::ClassesRoot, L"CLSID\\" + id.classId},
        {Root::ClassesRoot, L"Interface\\" + id.interfaceId},
        {Root::ClassesRoot, libraryVersionKey(id)},
    };
}

std::vector<RegistryKey> keysRemovedWhenEmpty(const ServerIdentity& id) {
    return {{Root::ClassesRoot, L"TypeLib\\" + id.libraryId}};
}

namespace {

constexpr wchar_t kClassesKey[] = L"Software\\Classes\\";

bool startsWith(const std::wstring& text, const std::wstring& start) { return text.compare(0, start.size(), start) == 0; }

template <class Entry>
Entry installed(Entry entry, InstallScope scope) {
    const Root hive = scope == InstallScope::PerUser ? Root::CurrentUser : Root::LocalMachine;
    if (entry.root == Root::ClassesRoot) entry.key = kClassesKey + entry.key;
    entry.root = hive;
    return entry;
}

}  // namespace

std::vector<RegistryValue> installedValues(const ServerIdentity& identity, InstallScope scope) {
    std::vector<RegistryValue> values = registrationValues(identity);
    for (RegistryValue& value : values) value = installed(value, scope);
    return values;
}

std::vector<RegistryKey> installedKeys(const ServerIdentity& identity, InstallScope scope) {
    std::vector<RegistryKey> keys = registrationKeys(identity);
    for (RegistryKey& key : keys) key = installed(key, scope);
    return keys;
}

bool inViewSharedByPlatforms(Root root, const std::wstring& key) {
    std::wstring classes;
    if (root == Root::ClassesRoot) {
        classes = key;
    } else if (startsWith(key, kClassesKey)) {
        classes = key.substr(std::wstring(kClassesKey).size());
    } else {
        return root == Root::CurrentUser;
    }
    return !startsWith(classes, L"CLSID\\") && !startsWith(classes, L"Interface\\");
}

namespace {

bool writtenByBothPlatforms(const RegistryValue& value) {
    // The type library's platform subkeys (win32, win64) differ by name.
    const std::wstring platform = value.key.size() >= 6 ? value.key.substr(value.key.size() - 6) : L"";
    return inViewSharedByPlatforms(value.root, value.key) && platform != L"\\win32" && platform != L"\\win64";
}

bool namesOwnFiles(const RegistryValue& value, const ServerIdentity& identity) {
    const auto names = [&](const std::wstring& part) { return !part.empty() && value.text.find(part) != std::wstring::npos; };
    return !value.isNumber && (names(identity.dllPath) || names(identity.dllFolder));
}

}  // namespace

bool sameForBothPlatforms(const RegistryValue& installed, const ServerIdentity& identity) {
    return writtenByBothPlatforms(installed) && !namesOwnFiles(installed, identity);
}

bool contestedByPlatforms(const RegistryValue& installed, const ServerIdentity& identity) {
    return writtenByBothPlatforms(installed) && namesOwnFiles(installed, identity);
}

}  // namespace registration
