// The host simulator's demo: Korvanta.dll registered in a private Wine prefix,
// created by its ProgID and connected to a simulated Excel exactly as Excel
// does it, then used the way a user would: the ribbon, every legacy menu, a
// recent file, the workbook events, both dialogs (with the windows that own
// them and those they keep from input), and finally a clean disconnection.
// Usage: korvanta-demo.exe [--installed | <path of Korvanta.dll>] [--excel 2007|365]
//                          [--language zh-CN|zh-TW|en|Office]
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <commctrl.h>

#include "addin/korvanta.h"
#include "host/interfaces.h"
#include "dialogs/layout.h"
#include "hostsim/dialog_user.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "hostsim/ribbon_view.h"
#include "hostsim/unexpected_calls.h"
#include "settings/settings_store.h"
#include "support/reg_key.h"
#include "support/text.h"

using namespace hostsim;

namespace {

void say(const std::wstring& text) {
    const std::string bytes = toUtf8(text);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
}

void heading(const std::wstring& text) { say(L"\n== " + text + L" ==\n"); }

std::wstring hex(unsigned long long value) {
    wchar_t text[24];
    swprintf(text, 24, L"0x%08llX", value);
    return text;
}

std::wstring registryText(HKEY root, const wchar_t* key, const wchar_t* name) {
    RegKey opened;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS) return L"(no key)";
    wchar_t data[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegQueryValueExW(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS) {
        return L"(no value)";
    }
    if (type == REG_DWORD) {
        DWORD number = 0;
        std::memcpy(&number, data, sizeof number);
        return L"REG_DWORD " + std::to_wstring(number);
    }
    if (type == REG_SZ) return L"REG_SZ \"" + std::wstring(data) + L"\"";
    return L"type " + std::to_wstring(type);
}

template <class Function>
Function entry(HMODULE dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

std::wstring result(HRESULT hr) { return hr == S_OK ? L"S_OK" : hr == S_FALSE ? L"S_FALSE" : hex(static_cast<unsigned long>(hr)); }

std::wstring checkMark(bool checked) { return checked ? L"[x]" : L"[ ]"; }

bool buttonChecked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A window as the user knows it: one of Excel's by its title.
std::wstring describe(HWND window) {
    if (classOf(window) == L"XLMAIN") return L"\u201C" + textOf(window) + L"\u201D (XLMAIN " + hex(reinterpret_cast<ULONG_PTR>(window)) + L")";
    if (!IsWindowVisible(window)) return L"no window of Excel (the dialog's own hidden window)";
    return L"\u201C" + textOf(window) + L"\u201D (" + classOf(window) + L")";
}

void listWindows(const FakeExcelApplication& excel) {
    say(L"Excel's windows:");
    for (HWND window : excel.windows()) say(L" " + describe(window) + (window == excel.activeWindow() ? L" active;" : L";"));
    say(L"\n");
}

BOOL CALLBACK collectTopLevel(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Which window owns the dialog, and which visible windows of Excel's thread
// take no input while it shows: read by the user, on their own thread.
std::wstring ownerAndDisabled(HWND dialog, DWORD excelThread) {
    std::wstring text = L"  owned by " + describe(GetWindow(dialog, GW_OWNER)) + L"\n  kept from input while it shows:";
    std::vector<HWND> windows;
    EnumThreadWindows(excelThread, collectTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (window != dialog && IsWindowVisible(window) && !IsWindowEnabled(window)) text += L" " + describe(window) + L";";
    }
    return text + L"\n";
}

// After a dialog: every window of Excel takes input again, and which is active.
void afterDialog(const FakeExcelApplication& excel) {
    bool allEnabled = true;
    for (HWND window : excel.windows()) allEnabled = allEnabled && IsWindowEnabled(window);
    say(std::wstring(L"After it closed: Excel's windows take input again: ") + (allEnabled ? L"yes" : L"NO") +
        L"; active: " + (GetActiveWindow() ? describe(GetActiveWindow()) : L"none") + L"\n");
}

// The label of the element with id `id` in a ribbon document.
std::wstring labelIn(const std::wstring& document, const std::wstring& id) {
    const std::size_t element = document.find(L"id=\"" + id + L"\"");
    const std::size_t start = document.find(L"label=\"", element) + 7;
    return element == std::wstring::npos ? id : document.substr(start, document.find(L'"', start) - start);
}

// What the customisation dialog shows, as the user reads it.
std::wstring readCustomiseDialog(HWND dialog) {
    namespace ids = dialogs::layout::customise;
    std::wstring text;
    text += L"  " + textOf(GetDlgItem(dialog, ids::kFrameShowCustom)) + L"\n";
    for (int id : {ids::kCheckAll, ids::kCheckRce}) {
        text += L"    " + checkMark(buttonChecked(dialog, id)) + textOf(GetDlgItem(dialog, id)) + L"\n";
    }
    text += L"  " + textOf(GetDlgItem(dialog, ids::kFrameBuiltinTabs)) + L"\n";
    const HWND list = GetDlgItem(dialog, ids::kListBuiltin);
    for (int entry = 0; entry < listCount(list); ++entry) {
        text += L"    " + checkMark(listChecked(list, entry)) + L" " + listText(list, entry) + L"\n";
    }
    const HWND languages = GetDlgItem(dialog, ids::kLanguageList);
    const int chosen = static_cast<int>(SendMessageW(languages, CB_GETCURSEL, 0, 0));
    text += L"  " + textOf(GetDlgItem(dialog, ids::kFrameLanguage)) + L": [" + comboText(languages, chosen) + L" \u25BE] of";
    for (int item = 0; item < SendMessageW(languages, CB_GETCOUNT, 0, 0); ++item) text += L" \u201C" + comboText(languages, item) + L"\u201D";
    text += L"\n    " + textOf(GetDlgItem(dialog, ids::kLanguageNote)) + L"\n";
    text += L"  buttons:";
    for (int id : {ids::kCommandCheckAll, ids::kCommandUnCheckAll, ids::kCommandOk, ids::kCommandCancel}) {
        text += L" [" + textOf(GetDlgItem(dialog, id)) + L"]";
    }
    return text + L"\n";
}

void setListCheck(HWND list, int entry, bool checked) {
    ListView_SetItemState(list, entry, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    // "--installed": Korvanta was installed by its per-machine package, which
    // registers it for every user; otherwise the DLL named registers itself.
    // "--excel 365": Excel 2013 to Microsoft 365 in place of Excel 2007.
    bool installed = false;
    std::wstring dllPath = L"Korvanta.dll";
    ExcelPersona persona = ExcelPersona::Excel2007;
    // "--language": the user's choice, stored before Excel starts; none by default.
    const wchar_t* language = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--installed") {
            installed = true;
        } else if (argument == L"--language" && i + 1 < argc && settings::choosesLanguage(argv[i + 1])) {
            language = argv[++i];
        } else if (argument == L"--excel" && i + 1 < argc && (argv[i + 1] == std::wstring(L"2007") || argv[i + 1] == std::wstring(L"365"))) {
            persona = argv[++i] == std::wstring(L"365") ? ExcelPersona::Excel365 : ExcelPersona::Excel2007;
        } else if (argument.rfind(L"--", 0) == 0) {
            say(L"usage: korvanta-demo.exe [--installed | <path of Korvanta.dll>] [--excel 2007|365] "
                L"[--language zh-CN|zh-TW|en|Office]\n");
            return 2;
        } else {
            dllPath = argument;
        }
    }
    const bool excel2007 = persona == ExcelPersona::Excel2007;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const wchar_t* addinKey = L"Software\\Microsoft\\Office\\Excel\\Addins\\Korvanta.Connect";
    HMODULE dll = nullptr;
    if (installed) {
        heading(L"Korvanta as its package installed it");
        say(L"  HKCR\\Korvanta.Connect\\Clsid = " + registryText(HKEY_CLASSES_ROOT, L"Korvanta.Connect\\Clsid", nullptr) + L"\n");
        wchar_t classId[40] = {};
        StringFromGUID2(CLSID_Connect, classId, 40);
        const std::wstring server = L"CLSID\\" + std::wstring(classId) + L"\\InprocServer32";
        say(L"  HKCR\\" + server + L" = " + registryText(HKEY_CLASSES_ROOT, server.c_str(), nullptr) + L"\n");
        say(L"  HKLM\\" + std::wstring(addinKey) + L" (Excel's add-in entry for every user)\n");
        for (const wchar_t* name : {L"FriendlyName", L"Description", L"LoadBehavior"}) {
            say(L"    " + std::wstring(name) + L" = " + registryText(HKEY_LOCAL_MACHINE, addinKey, name) + L"\n");
        }
    } else {
        heading(L"Installing Korvanta (what regsvr32 does)");
        dll = LoadLibraryW(dllPath.c_str());
        if (!dll) {
            say(L"Cannot load " + dllPath + L"\n");
            return 1;
        }
        const HRESULT registered = entry<HRESULT(STDAPICALLTYPE*)()>(dll, "DllRegisterServer")();
        say(L"DllRegisterServer(" + dllPath + L") = " + result(registered) + L"\n");
        say(L"  HKCR\\Korvanta.Connect\\Clsid = " + registryText(HKEY_CLASSES_ROOT, L"Korvanta.Connect\\Clsid", nullptr) + L"\n");
        say(L"  HKCU\\" + std::wstring(addinKey) + L"\n");
        for (const wchar_t* name : {L"FriendlyName", L"Description", L"LoadBehavior"}) {
            say(L"    " + std::wstring(name) + L" = " + registryText(HKEY_CURRENT_USER, addinKey, name) + L"\n");
        }
    }

    heading(excel2007 ? L"Excel 2007 starts: one main window" : L"Excel 2013-365 starts: a window per workbook");
    // A user who once hid the Developer tab; everything else is new.
    SHDeleteKeyW(HKEY_CURRENT_USER, settings::kSettingsSubKey);
    settings::WriteSetting(HKEY_CURRENT_USER, settings::kSettingsSubKey, L"TabDeveloper", L"0");
    if (language) settings::WriteSetting(HKEY_CURRENT_USER, settings::kSettingsSubKey, settings::kLanguageValueName, language);
    ComPtr<FakeExcelApplication> excel;
    excel.attach(new FakeExcelApplication(persona));
    // Following Office, the simulated Office is one of Taiwan.
    excel->userInterfaceLcid = 1028;
    const settings::LanguageChoice choice = settings::languageChoiceOf(language ? language : L"");
    const Language shown = settings::languageOf(choice, settings::languageOfOfficeUi(excel->userInterfaceLcid));
    say(L"Language = " + std::wstring(language ? language : L"(none: Simplified Chinese)") +
        (choice == settings::LanguageChoice::FollowOffice ? L", following Office, whose user interface is LCID 1028 (Taiwan)" : L"") +
        L"\n");
    if (excel2007) {
        excel->recentFiles = {L"C:\\Reports\\Q3 Sales & Costs.xlsx", L"\\\\fileserver\\finance\\Budget 2008.xls",
                              L"D:\\Data\\<draft> plan.xlsx", L"notes.xls", L"C:\\Old\\archive.xls"};
    } else {
        // Workbooks in the cloud are listed by web address.
        excel->recentFiles = typicalRecentFiles(persona);
        excel->recentFiles.push_back(L"C:\\Old\\archive.xls");
    }
    const HWND startupWindow = excel->openWorkbook(L"Book1");
    say(L"Application.Caption is \u201C" + excel->caption + L"\u201D\n");
    listWindows(*excel.get());

    CLSID clsid{};
    CLSIDFromProgID(L"Korvanta.Connect", &clsid);
    ComPtr<IDispatch> addin;
    const HRESULT created = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, addin.putVoid());
    say(L"CoCreateInstance(Korvanta.Connect) = " + result(created) + L"\n");
    if (FAILED(created)) return 1;
    if (!dll) {
        dll = GetModuleHandleW(L"Korvanta.dll");
        wchar_t loaded[MAX_PATH] = {};
        GetModuleFileNameW(dll, loaded, MAX_PATH);
        say(L"COM loaded " + std::wstring(loaded) + L"\n");
    }
    ComPtr<_IDTExtensibility2> extensibility;
    addin->QueryInterface(IID__IDTExtensibility2, extensibility.putVoid());
    const HRESULT connected = extensibility->OnConnection(excel.get(), ext_cm_Startup, nullptr, nullptr);
    say(L"OnConnection = " + result(connected) + L"; the add-in asked Excel for: ");
    if (excel->calls.empty()) say(L"nothing (Excel's window is looked for when a dialog opens)");
    for (const std::wstring& call : excel->calls) say(call + L" ");
    say(L"\nSubscribed to Excel's application events: " + std::wstring(excel->hasSubscriber() ? L"yes" : L"no") + L"\n");
    say(L"Settings in HKCU\\" + std::wstring(settings::kSettingsSubKey) + L":\n");
    for (const settings::Setting& setting : settings::kSettings) {
        say(L"  " + std::wstring(setting.name) + L" = " + registryText(HKEY_CURRENT_USER, settings::kSettingsSubKey, setting.name) + L"\n");
    }
    say(L"  Language = " + registryText(HKEY_CURRENT_USER, settings::kSettingsSubKey, settings::kLanguageValueName) + L"\n");

    heading(L"Office loads the ribbon");
    ComPtr<IRibbonExtensibility> ribbonExtensibility;
    addin->QueryInterface(IID_IRibbonExtensibility, ribbonExtensibility.putVoid());
    BSTR document = nullptr;
    const HRESULT gotDocument = ribbonExtensibility->GetCustomUI(nullptr, &document);
    const std::wstring customUi = document ? std::wstring(document, SysStringLen(document)) : L"";
    SysFreeString(document);
    say(L"GetCustomUI = " + result(gotDocument) + L", " + std::to_wstring(customUi.size()) + L" characters\n");
    ComPtr<FakeRibbonUI> ribbonUi;
    ribbonUi.attach(new FakeRibbonUI());
    say(L"rxcustomUI_onLoad = " + result(callCallback(addin.get(), L"rxcustomUI_onLoad", ribbonUi.get()).hr) + L"\n\n");
    RibbonView view(addin.get());
    std::wstring error;
    const auto tree = parseXml(customUi, &error);
    say(tree ? view.showDocument(*tree) : L"The document is not XML: " + error + L"\n");

    heading(L"The user opens each legacy menu");
    const wchar_t* menus[][2] = {
        {L"rxMenu_wenjian", L"File"},   {L"rxMenu_bianji", L"Edit"},    {L"rxMenu_shitu", L"View"},
        {L"rxMenu_charu", L"Insert"},   {L"rxMenu_geshi", L"Format"},   {L"rxMenu_gongju", L"Tools"},
        {L"rxMenu_shuju", L"Date"},     {L"rxMenu_chuangkou", L"Windows"}, {L"rxMenu_bangzhu", L"Help"},
    };
    for (const auto& menu : menus) {
        say(L"\n" + labelIn(customUi, menu[0]) + L" (" + menu[0] + L", tag " + menu[1] + L"):\n");
        say(view.showMenu(menu[0], menu[1], 1));
    }

    heading(L"The user clicks the second recent file");
    const CallbackResult opened = callCallback(addin.get(), L"OpenFile", makeControl(L"RecentFile2", L"二").get());
    say(L"OpenFile(RecentFile2) = " + result(opened.hr) + L"\n");
    for (const OpenCall& call : excel->opens) {
        say(L"  Excel: Workbooks.Open(\u201C" + call.filename + L"\u201D, " + std::to_wstring(call.argumentCount - 1) +
            L" optional arguments " + (call.optionalArgumentsMissing ? L"all missing" : L"given") + L"), LCID " +
            std::to_wstring(call.lcid) + L"\n");
        // Excel 2013 and later replace the untouched start-up workbook's window.
        const std::size_t slash = call.filename.find_last_of(L"\\/");
        excel->openWorkbook(slash == std::wstring::npos ? call.filename : call.filename.substr(slash + 1));
        if (!excel2007) excel->closeWindow(startupWindow);
    }
    listWindows(*excel.get());

    heading(L"Excel opens a workbook, then saves one");
    excel->recentFiles.insert(excel->recentFiles.begin(), L"C:\\New\\Forecast.xlsx");
    excel->openWorkbook(L"Forecast.xlsx");
    listWindows(*excel.get());
    say(L"WorkbookOpen -> add-in returned " + result(excel->raiseWorkbookOpen()) + L"\n");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    say(L"WorkbookBeforeSave -> add-in returned " + result(excel->raiseWorkbookBeforeSave(VARIANT_FALSE, cancel)) +
        L", Cancel still " + (cancel ? L"true" : L"false") + L"\n");
    say(L"Ribbon calls made by the add-in:\n");
    for (const std::wstring& call : ribbonUi->calls) say(L"  " + call + L"\n");
    say(L"The File menu, rebuilt on its next opening:\n" + view.showMenu(L"rxMenu_wenjian", L"File", 1));

    heading(L"The user chooses the Help menu's Customise item, Dizhi (CustomMenu)");
    ribbonUi->calls.clear();
    const DWORD excelThread = GetCurrentThreadId();
    std::wstring seen;
    const HRESULT customised = showWhile(
        [&] { return callCallback(addin.get(), L"CustomMenu", makeControl(L"Dizhi").get()).hr; },
        [&] {
            namespace ids = dialogs::layout::customise;
            const HWND dialog = waitForDialog(dialogs::layout::kCustomiseDialog.caption.in(shown));
            if (!dialog) {
                seen = L"  No dialog appeared.\n";
                return;
            }
            seen += L"Dialog \u201C" + textOf(dialog) + L"\u201D:\n" + ownerAndDisabled(dialog, excelThread);
            seen += readCustomiseDialog(dialog);
            seen += L"The user shows the Developer tab again, hides the Review tab and the recent files, and clicks OK:\n";
            const HWND list = GetDlgItem(dialog, ids::kListBuiltin);
            setListCheck(list, 7, true);
            setListCheck(list, 5, false);
            SendMessageW(GetDlgItem(dialog, ids::kCheckRce), BM_CLICK, 0, 0);
            seen += readCustomiseDialog(dialog);
            SendMessageW(GetDlgItem(dialog, ids::kCommandOk), BM_CLICK, 0, 0);
        });
    say(seen);
    afterDialog(*excel.get());
    say(L"CustomMenu = " + result(customised) + L"; ribbon calls:");
    for (const std::wstring& call : ribbonUi->calls) say(L" " + call);
    say(L"\nSettings stored:\n");
    for (const settings::Setting& setting : settings::kSettings) {
        say(L"  " + std::wstring(setting.name) + L" = " + registryText(HKEY_CURRENT_USER, settings::kSettingsSubKey, setting.name) + L"\n");
    }
    say(L"  Language = " + registryText(HKEY_CURRENT_USER, settings::kSettingsSubKey, settings::kLanguageValueName) + L"\n");
    say(L"Office asks the callbacks again:\n");
    if (tree) {
        const std::wstring tabs = view.showDocument(*tree);
        say(tabs.substr(0, tabs.find(L"  menu bar")));
    }
    say(L"The File menu's recent files, now hidden:\n");
    const std::wstring fileMenu = view.showMenu(L"rxMenu_wenjian", L"File", 1);
    for (std::size_t start = 0; start < fileMenu.size();) {
        const std::size_t end = fileMenu.find(L'\n', start);
        const std::wstring line = fileMenu.substr(start, end - start + 1);
        if (line.find(L"OpenFile") != std::wstring::npos) say(line);
        start = end + 1;
    }

    heading(L"The user chooses the Help menu's About item, AboutMe (AboutMenu)");
    seen.clear();
    const HRESULT about = showWhile(
        [&] { return callCallback(addin.get(), L"AboutMenu", makeControl(L"AboutMe").get()).hr; },
        [&] {
            namespace ids = dialogs::layout::about;
            const HWND dialog = waitForDialog(dialogs::layout::kAboutDialog.caption.in(shown));
            if (!dialog) {
                seen = L"  No dialog appeared.\n";
                return;
            }
            seen += L"Dialog \u201C" + textOf(dialog) + L"\u201D:\n" + ownerAndDisabled(dialog, excelThread);
            seen += L"  [logo " + std::to_wstring(clientSize(GetDlgItem(dialog, ids::kPicIcon)).cx) + L"x" +
                    std::to_wstring(clientSize(GetDlgItem(dialog, ids::kPicIcon)).cy) + L"]\n";
            for (int id : {ids::kLabel1, ids::kLabel2, ids::kLabel7, ids::kLabel8, ids::kLabel3, ids::kLabel4, ids::kLabel5,
                           ids::kLabel6, ids::kLabel9}) {
                seen += L"  " + textOf(GetDlgItem(dialog, id)) + L"\n";
            }
            // A SysLink's text is the address in markup: <a>...</a>.
            std::wstring link = textOf(GetDlgItem(dialog, ids::kLabelBlog));
            if (link.size() >= 7 && link.compare(0, 3, L"<a>") == 0) link = link.substr(3, link.size() - 7);
            seen += L"  " + link + L"   (link)\n";
            seen += L"  [" + textOf(GetDlgItem(dialog, ids::kCmdOk)) + L"]\nThe user presses Enter.\n";
            pressKey(dialog, VK_RETURN);
            waitUntil([&] { return !IsWindow(dialog); });
        });
    say(seen);
    afterDialog(*excel.get());
    say(L"AboutMenu = " + result(about) + L"\n");

    heading(L"Excel closes");
    const ULONG before = excel->AddRef() - 1;
    excel->Release();
    say(L"OnDisconnection = " + result(extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr)) + L"\n");
    say(L"Still subscribed to Excel's events: " + std::wstring(excel->hasSubscriber() ? L"yes" : L"no") + L"\n");
    extensibility.reset();
    ribbonExtensibility.reset();
    addin.reset();
    const ULONG after = excel->AddRef() - 1;
    excel->Release();
    say(L"References to Excel's Application: " + std::to_wstring(before) + L" while connected, " + std::to_wstring(after) +
        L" after the add-in was released (the simulator's own)\n");
    say(L"References to the ribbon object: " + std::to_wstring(ribbonUi->AddRef() - 1) + L" (the simulator's own)\n");
    ribbonUi->Release();
    say(L"DllCanUnloadNow = " + result(entry<HRESULT(STDAPICALLTYPE*)()>(dll, "DllCanUnloadNow")()) + L"\n");
    for (const std::string& call : takeUnexpectedCalls()) say(L"UNEXPECTED CALL: " + fromAnsi(call) + L"\n");

    excel.reset();
    ribbonUi.reset();
    CoUninitialize();
    return 0;
}
