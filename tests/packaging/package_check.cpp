// Checks an installed Korvanta package from inside the Wine prefix it was
// installed into, as the test of the packages (test_packages.sh) calls it
// between msiexec runs. Prints one line per check; exits 1 when any failed.
//   package_check installed user|machine   every value of the registration table
//                                          as the scope installs it, exactly, then
//                                          Excel's start-up sequence on the
//                                          installed DLL
//   package_check beside user|machine      the same while the other platform's
//                                          package of this scope is or was
//                                          installed too
//   package_check removed user|machine     nothing left but the user's settings
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "addin/korvanta.h"
#include "dll/registration.h"
#include "dll/registration_table.h"
#include "host/interfaces.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "hostsim/unexpected_calls.h"
#include "support/reg_key.h"
#include "support/text.h"
#include "tests/support/registry_probe.h"

using namespace hostsim;
using korvanta_test::keyExists;
using korvanta_test::valueCount;
using registration::InstallScope;
using registration::RegistryValue;
using registration::Root;

namespace {

const wchar_t kSettingsKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel";
int g_failures = 0;

void say(const std::wstring& text) {
    const std::string bytes = toUtf8(text + L"\n");
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

bool check(bool passed, const std::wstring& what) {
    say((passed ? L"  ok   " : L"  FAIL ") + what);
    if (!passed) ++g_failures;
    return passed;
}

std::wstring hex(HRESULT hr) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

HKEY hive(Root root) { return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
const wchar_t* hiveName(Root root) { return root == Root::LocalMachine ? L"HKLM" : L"HKCU"; }

// Where the package puts Korvanta.dll, as this process sees Windows' folders
// (a 32-bit process on 64-bit Windows gets "Program Files (x86)").
std::wstring installedDll(InstallScope scope) {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, scope == InstallScope::PerUser ? CSIDL_LOCAL_APPDATA : CSIDL_PROGRAM_FILES, nullptr, 0, folder);
    const wchar_t* name = scope == InstallScope::PerMachine ? L"\\Korvanta"
                          : sizeof(void*) == 8             ? L"\\Korvanta (64-bit)"
                                                           : L"\\Korvanta (32-bit)";
    return std::wstring(folder) + name + L"\\Korvanta.dll";
}

// The value as stored: its type and its data (a string without its NUL).
struct Stored {
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD number = 0;
};

bool read(HKEY root, const std::wstring& key, const std::wstring& name, Stored& stored, REGSAM view = 0) {
    RegKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.put()) != ERROR_SUCCESS) return false;
    BYTE data[2048] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegQueryValueExW(opened.get(), name.empty() ? nullptr : name.c_str(), nullptr, &stored.type, data, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    if (stored.type == REG_DWORD && size == sizeof(DWORD)) std::memcpy(&stored.number, data, sizeof(DWORD));
    if (stored.type == REG_SZ) {
        stored.text.assign(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t));
        while (!stored.text.empty() && stored.text.back() == L'\0') stored.text.pop_back();
    }
    return true;
}

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The view of the registry to find `key` in. Windows 7 and later show 32-bit
// and 64-bit programs one copy of the keys both platforms share (the ProgID's
// among them). Wine keeps a copy per view, and its installer writes the
// component that the x86 and x64 packages share, a 32-bit one, into the 32-bit
// copy alone: where that copy is the only one, a 64-bit check reads it there,
// as the one key that Windows has.
REGSAM viewOf(Root root, const std::wstring& key) {
    if (sizeof(void*) != 8 || !registration::inViewSharedByPlatforms(root, key) || keyExists(hive(root), key) ||
        !underWine()) {
        return 0;
    }
    return KEY_WOW64_32KEY;
}

// Every value of the table, with its type and data, and no other value in its
// key. `besideOther`: the values that both platforms' packages write with their
// own data hold the last installed package's, or went with a removed one.
void checkRegistry(const registration::ServerIdentity& identity, InstallScope scope, bool besideOther) {
    std::map<std::pair<Root, std::wstring>, DWORD> expectedCounts;
    for (const RegistryValue& value : registration::installedValues(identity, scope)) {
        const std::wstring where = std::wstring(hiveName(value.root)) + L"\\" + value.key + L" [" +
                                   (value.name.empty() ? L"(default)" : value.name) + L"]";
        if (besideOther && registration::contestedByPlatforms(value, identity)) {
            say(L"  --   " + where + L": written by both packages with their own data, not checked");
            continue;
        }
        ++expectedCounts[{value.root, value.key}];
        const REGSAM view = viewOf(value.root, value.key);
        if (view) say(L"  --   " + where + L": read from Wine's 32-bit copy of a key that Windows shares");
        Stored stored;
        if (!check(read(hive(value.root), value.key, value.name, stored, view), where + L" exists")) continue;
        if (value.isNumber) {
            check(stored.type == REG_DWORD && stored.number == value.number,
                  where + L" = REG_DWORD " + std::to_wstring(value.number) + L" (found type " +
                      std::to_wstring(stored.type) + L", " + std::to_wstring(stored.number) + L")");
        } else {
            check(stored.type == REG_SZ && stored.text == value.text,
                  where + L" = REG_SZ \"" + value.text + L"\" (found \"" + stored.text + L"\")");
        }
    }
    for (const auto& [key, count] : expectedCounts) {
        const DWORD found = valueCount(hive(key.first), key.second, viewOf(key.first, key.second));
        if (found != count) {
            check(false, std::wstring(hiveName(key.first)) + L"\\" + key.second + L" holds " + std::to_wstring(found) +
                             L" values, the table " + std::to_wstring(count));
        }
    }
}

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

// Windows merges HKCU\Software\Classes into HKCR; Wine does not (Wine bug
// 14771), so the per-user class is found the way the merged view finds it.
ComPtr<IDispatch> createPerUser(const std::wstring& dllPath, HMODULE& module) {
    Stored clsidText, server, threading;
    if (!check(read(HKEY_CURRENT_USER, L"Software\\Classes\\Korvanta.Connect\\Clsid", L"", clsidText),
               L"ProgID Korvanta.Connect -> CLSID, in HKCU\\Software\\Classes")) {
        return {};
    }
    CLSID clsid{};
    check(SUCCEEDED(CLSIDFromString(clsidText.text.c_str(), &clsid)) && IsEqualCLSID(clsid, CLSID_Connect),
          L"the ProgID names Connect's class");
    const std::wstring classKey = L"Software\\Classes\\CLSID\\" + clsidText.text + L"\\InprocServer32";
    read(HKEY_CURRENT_USER, classKey, L"", server);
    read(HKEY_CURRENT_USER, classKey, L"ThreadingModel", threading);
    check(server.text == dllPath, L"CLSID -> InprocServer32 " + server.text);
    check(threading.text == L"Apartment", L"ThreadingModel " + threading.text);
    module = LoadLibraryW(server.text.c_str());
    if (!check(module != nullptr, L"LoadLibrary of the installed DLL")) return {};
    const auto getClassObject =
        reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    ComPtr<IClassFactory> factory;
    HRESULT hr = getClassObject ? getClassObject(clsid, IID_IClassFactory, factory.putVoid()) : E_FAIL;
    if (!check(hr == S_OK, L"DllGetClassObject = " + hex(hr))) return {};
    ComPtr<IDispatch> addin;
    hr = factory->CreateInstance(nullptr, IID_IDispatch, addin.putVoid());
    check(hr == S_OK, L"IClassFactory::CreateInstance = " + hex(hr));
    return addin;
}

ComPtr<IDispatch> createPerMachine(const std::wstring& dllPath, HMODULE& module) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(L"Korvanta.Connect", &clsid);
    const std::wstring progIdKey = L"Software\\Classes\\Korvanta.Connect\\Clsid";
    if (FAILED(hr)) {
        Stored clsidText;
        if (const REGSAM view = viewOf(Root::LocalMachine, progIdKey);
            view && read(HKEY_LOCAL_MACHINE, progIdKey, L"", clsidText, view)) {
            say(L"  --   CLSIDFromProgID = " + hex(hr) + L": the ProgID is in Wine's 32-bit copy of its key alone; "
                L"the class it names is created");
            hr = CLSIDFromString(clsidText.text.c_str(), &clsid);
        }
    }
    if (!check(hr == S_OK && IsEqualCLSID(clsid, CLSID_Connect), L"CLSIDFromProgID(Korvanta.Connect) = " + hex(hr))) {
        return {};
    }
    ComPtr<IDispatch> addin;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, addin.putVoid());
    if (!check(hr == S_OK, L"CoCreateInstance = " + hex(hr))) return {};
    module = GetModuleHandleW(L"Korvanta.dll");
    wchar_t loaded[MAX_PATH] = {};
    if (module) GetModuleFileNameW(module, loaded, MAX_PATH);
    check(lstrcmpiW(loaded, dllPath.c_str()) == 0, std::wstring(L"COM loaded ") + loaded);
    module = nullptr;  // COM's to unload
    return addin;
}

// Excel 2007's start-up sequence on the installed add-in, then its disconnection.
void checkStartup(InstallScope scope, const std::wstring& dllPath) {
    HMODULE loadedByUs = nullptr;
    ComPtr<IDispatch> addin =
        scope == InstallScope::PerUser ? createPerUser(dllPath, loadedByUs) : createPerMachine(dllPath, loadedByUs);
    if (!addin) return;
    const HMODULE module = GetModuleHandleW(L"Korvanta.dll");
    const auto canUnloadNow =
        reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));

    ComPtr<FakeExcelApplication> excel;
    excel.attach(new FakeExcelApplication());
    excel->showMainWindow(excel->caption);
    ComPtr<FakeRibbonUI> ribbon;
    ribbon.attach(new FakeRibbonUI());
    const ULONG excelReferences = excel->AddRef() - 1;
    excel->Release();
    {
        ComPtr<_IDTExtensibility2> extensibility;
        ComPtr<IRibbonExtensibility> ribbonExtensibility;
        addin->QueryInterface(IID__IDTExtensibility2, extensibility.putVoid());
        addin->QueryInterface(IID_IRibbonExtensibility, ribbonExtensibility.putVoid());
        if (!check(extensibility && ribbonExtensibility, L"the object is an add-in and a ribbon extension")) return;
        HRESULT hr = extensibility->OnConnection(excel.get(), ext_cm_Startup, nullptr, nullptr);
        check(hr == S_OK && excel->hasSubscriber(), L"OnConnection = " + hex(hr) + L", subscribed to Excel's events");
        BSTR document = nullptr;
        hr = ribbonExtensibility->GetCustomUI(nullptr, &document);
        const std::wstring customUi = document ? std::wstring(document, SysStringLen(document)) : L"";
        SysFreeString(document);
        check(hr == S_OK && customUi.find(L"<customUI") != std::wstring::npos,
              L"GetCustomUI = " + hex(hr) + L", " + std::to_wstring(customUi.size()) + L" characters");
        hr = callCallback(addin.get(), L"rxcustomUI_onLoad", ribbon.get()).hr;
        check(hr == S_OK, L"rxcustomUI_onLoad = " + hex(hr));
        const CallbackResult menu = callCallback(addin.get(), L"rxKorvanta_get", makeControl(L"rxMenu_bianji", L"Edit").get());
        check(menu.hr == S_OK && menu.type == VT_BSTR && menu.text.rfind(L"<menu", 0) == 0,
              L"rxKorvanta_get(Edit) = " + hex(menu.hr) + L", " + std::to_wstring(menu.text.size()) + L" characters");
        hr = extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
        check(hr == S_OK, L"OnDisconnection = " + hex(hr));
    }
    addin.reset();
    const ULONG excelAfter = excel->AddRef() - 1;
    excel->Release();
    check(excelAfter == excelReferences && !excel->hasSubscriber(),
          L"Excel's references back to " + std::to_wstring(excelReferences) + L" (" + std::to_wstring(excelAfter) + L")");
    const ULONG ribbonAfter = ribbon->AddRef() - 1;
    ribbon->Release();
    check(ribbonAfter == 1, L"the ribbon object's references back to 1 (" + std::to_wstring(ribbonAfter) + L")");
    const HRESULT unload = canUnloadNow ? canUnloadNow() : E_FAIL;
    check(unload == S_OK, L"DllCanUnloadNow = " + hex(unload));
    for (const std::string& call : takeUnexpectedCalls()) check(false, L"unexpected call " + fromAnsi(call));
    if (loadedByUs) FreeLibrary(loadedByUs);
}

void checkRemoved(const registration::ServerIdentity& identity, InstallScope scope) {
    for (const registration::RegistryKey& key : registration::installedKeys(identity, scope)) {
        check(!keyExists(hive(key.root), key.key), std::wstring(hiveName(key.root)) + L"\\" + key.key + L" is gone");
    }
    for (const registration::RegistryKey& key : registration::keysRemovedWhenEmpty(identity)) {
        const std::wstring installed = L"Software\\Classes\\" + key.key;
        const Root root = scope == InstallScope::PerUser ? Root::CurrentUser : Root::LocalMachine;
        check(!keyExists(hive(root), installed), std::wstring(hiveName(root)) + L"\\" + installed + L" is gone");
    }
    check(!keyExists(HKEY_CLASSES_ROOT, L"Korvanta.Connect"), L"HKCR shows no Korvanta.Connect");
    check(GetFileAttributesW(identity.dllPath.c_str()) == INVALID_FILE_ATTRIBUTES, identity.dllPath + L" is gone");
    check(GetFileAttributesW(identity.dllFolder.c_str()) == INVALID_FILE_ATTRIBUTES, identity.dllFolder + L" is gone");
    check(valueCount(HKEY_CURRENT_USER, kSettingsKey) == 10,
          L"the user's ten settings stay in HKCU\\" + std::wstring(kSettingsKey));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || (wcscmp(argv[2], L"user") && wcscmp(argv[2], L"machine"))) {
        say(L"usage: package_check installed|beside|removed user|machine");
        return 2;
    }
    const std::wstring action = argv[1];
    const InstallScope scope = wcscmp(argv[2], L"user") == 0 ? InstallScope::PerUser : InstallScope::PerMachine;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring dllPath = installedDll(scope);
    const registration::ServerIdentity identity = registration::serverIdentity(dllPath);
    if (action == L"installed" || action == L"beside") {
        checkRegistry(identity, scope, action == L"beside");
        checkStartup(scope, dllPath);
    } else if (action == L"removed") {
        checkRemoved(identity, scope);
    } else {
        say(L"unknown action " + action);
        return 2;
    }
    CoUninitialize();
    return g_failures == 0 ? 0 : 1;
}
