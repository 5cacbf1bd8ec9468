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

}  // namespace registration
