// A whole session of the add-in in the simulated Excel and Office, run once
// with every host call succeeding, then once more for each call N with call N
// failing. Each run checks that the failure reaches the caller as a failure
// with error information, that nothing further is asked of the host by that
// entry, that no value leaks out, that every reference is given back, and that
// the entries after it still work where they can.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/interfaces.h"
#include "settings/settings_store.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/host_calls.h"
#include "hostsim/office_caller.h"
#include "tests/support/korvanta_test.h"

using namespace korvanta_test;
using hostsim::HostCalls;

namespace {

// A host that has gone away: any call into Excel or Office may fail so.
constexpr HRESULT kHostFailure = RPC_E_DISCONNECTED;
// The settings stored before each session, the first of the table; the rest are missing.
constexpr std::size_t kStoredBefore = 5;

// The registry as a host call too. The settings store calls advapi32's ANSI
// registry functions through Korvanta.dll's import table; the test points
// those entries at stand-ins that count each call, fail the chosen one with
// ERROR_ACCESS_DENIED, and otherwise pass it on. The DLL itself is unchanged.
struct Registry {
    static inline decltype(&RegOpenKeyExA) open = nullptr;
    static inline decltype(&RegQueryValueExA) query = nullptr;
    static inline decltype(&RegCreateKeyExA) create = nullptr;
    static inline decltype(&RegSetValueExA) set = nullptr;
    static inline decltype(&RegCloseKey) close = nullptr;

    static bool fails(const wchar_t* name) {
        return FAILED(HostCalls::enter(name, HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)));
    }
    static LONG WINAPI countedOpen(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
        return fails(L"Registry.RegOpenKeyExA") ? ERROR_ACCESS_DENIED : open(key, subKey, options, access, result);
    }
    static LONG WINAPI countedQuery(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
        return fails(L"Registry.RegQueryValueExA") ? ERROR_ACCESS_DENIED : query(key, name, reserved, type, data, size);
    }
    static LONG WINAPI countedCreate(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className, DWORD options,
                                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
        return fails(L"Registry.RegCreateKeyExA")
                   ? ERROR_ACCESS_DENIED
                   : create(key, subKey, reserved, className, options, access, security, result, disposition);
    }
    static LONG WINAPI countedSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
        return fails(L"Registry.RegSetValueExA") ? ERROR_ACCESS_DENIED : set(key, name, reserved, type, data, size);
    }
    static LONG WINAPI countedClose(HKEY key) {
        // A key that fails to close is still closed: the handle must not leak
        // into the next run.
        const bool failing = fails(L"Registry.RegCloseKey");
        const LONG status = close(key);
        return failing ? ERROR_ACCESS_DENIED : status;
    }

    // The import table entry of `function` from advapi32 in `module`.
    static void** importSlot(HMODULE module, const char* function) {
        auto* base = reinterpret_cast<BYTE*>(module);
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name; ++dll) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "advapi32.dll") != 0) continue;
            auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
            for (; name->u1.AddressOfData; ++name, ++slot) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
                if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                    return reinterpret_cast<void**>(&slot->u1.Function);
                }
            }
        }
        return nullptr;
    }

    template <class Function>
    static bool redirect(const char* name, Function& real, Function counted) {
        void** slot = importSlot(korvantaDll(), name);
        if (!slot) return false;
        DWORD protection = 0;
        if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) return false;
        if (!real) real = reinterpret_cast<Function>(*slot);
        *slot = reinterpret_cast<void*>(counted);
        VirtualProtect(slot, sizeof *slot, protection, &protection);
        return true;
    }

    static bool countCalls() {
        static const bool counted = redirect("RegOpenKeyExA", open, &countedOpen) &&
                                    redirect("RegQueryValueExA", query, &countedQuery) &&
                                    redirect("RegCreateKeyExA", create, &countedCreate) &&
                                    redirect("RegSetValueExA", set, &countedSet) &&
                                    redirect("RegCloseKey", close, &countedClose);
        return counted;
    }
};

// The Excel members that fail as Excel does, with a description in EXCEPINFO.
const std::set<std::wstring> kExcelMembers = {
    L"Application.RecentFiles", L"Application.Workbooks", L"RecentFiles.Count",
    L"RecentFiles.Item", L"RecentFile.Path", L"Workbooks.Open",
};

// What one entry of the session answered.
struct Outcome {
    HRESULT hr = E_FAIL;   // the entry's own result (the scode of a DISP_E_EXCEPTION)
    VARTYPE type = VT_EMPTY;
    VARIANT_BOOL boolean = VARIANT_FALSE;
    std::wstring text;
    std::wstring source;
    std::wstring description;
    std::size_t firstCall = 0;  // host calls counted before the entry
    std::size_t lastCall = 0;   // and after it
};

bool operator==(const Outcome& a, const Outcome& b) {
    return a.hr == b.hr && a.type == b.type && a.boolean == b.boolean && a.text == b.text;
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    return out << "hr 0x" << std::hex << static_cast<unsigned long>(outcome.hr) << std::dec << " vt " << outcome.type
               << " text length " << outcome.text.size();
}

enum class Needs { Nothing, Excel, Events };

struct Entry {
    std::string name;
    Needs needs = Needs::Nothing;
    std::function<Outcome()> call;
};

class HostFaults : public KorvantaTest {
protected:
    // One session in a fresh Excel, Office and add-in; returns what each entry answered.
    std::vector<Outcome> runSession(std::vector<std::string>* names = nullptr) {
        // Half the settings stored, half missing: the connection reads both
        // kinds and writes the missing ones.
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        for (std::size_t i = 0; i < kStoredBefore; ++i) {
            writeRaw(HKEY_CURRENT_USER, kSettingsKey, settings::kSettings[i].name, REG_SZ, utf16Bytes(L"1", true));
        }
        // The ribbon follows Office's language, which the connection asks for.
        // Office is Simplified Chinese here, the language an Office that
        // cannot say leaves, so that failing to ask changes no later answer.
        writeRaw(HKEY_CURRENT_USER, kSettingsKey, L"Language", REG_SZ, utf16Bytes(L"Office", true));
        ComPtr<hostsim::FakeExcelApplication> excel;
        excel.attach(new hostsim::FakeExcelApplication());
        ComPtr<hostsim::FakeRibbonUI> ribbonUi;
        ribbonUi.attach(new hostsim::FakeRibbonUI());
        std::vector<ComPtr<hostsim::FakeRibbonControl>> controls;
        ComPtr<IDispatch> addin = createAddin();
        EXPECT_TRUE(addin);
        if (!addin) return {};
        ComPtr<_IDTExtensibility2> extensibility;
        ComPtr<IRibbonExtensibility> ribbonExtensibility;
        EXPECT_EQ(S_OK, addin.query(extensibility));
        EXPECT_EQ(S_OK, addin.query(ribbonExtensibility));

        const auto vtable = [](HRESULT hr) {
            Outcome outcome;
            outcome.hr = hr;
            if (const auto error = FAILED(hr) ? takeThreadError() : std::nullopt) {
                outcome.source = error->source;
                outcome.description = error->description;
            }
            return outcome;
        };
        const auto callback = [&](const wchar_t* name, const wchar_t* id, const wchar_t* tag) {
            controls.push_back(hostsim::makeControl(id, tag));
            const hostsim::CallbackResult result = hostsim::callCallback(addin.get(), name, controls.back().get());
            Outcome outcome;
            outcome.hr = result.hr == DISP_E_EXCEPTION ? result.scode : result.hr;
            outcome.type = result.type;
            outcome.boolean = result.boolean;
            outcome.text = result.text;
            outcome.source = result.source;
            outcome.description = result.description;
            return outcome;
        };
        const auto event = [&](bool save) {
            Outcome outcome;
            VARIANT_BOOL cancel = VARIANT_FALSE;
            outcome.hr = save ? excel->raiseWorkbookBeforeSave(VARIANT_FALSE, cancel, &outcome.description)
                              : excel->raiseWorkbookOpen(&outcome.description);
            outcome.boolean = cancel;
            return outcome;
        };

        std::vector<Entry> session;
        session.push_back({"OnConnection", Needs::Nothing, [&] {
                               return vtable(extensibility->OnConnection(excel.get(), ext_cm_Startup, nullptr, nullptr));
                           }});
        session.push_back({"GetCustomUI", Needs::Nothing, [&] {
                               BSTR document = nullptr;
                               Outcome outcome = vtable(ribbonExtensibility->GetCustomUI(nullptr, &document));
                               if (document) outcome.text.assign(document, SysStringLen(document));
                               SysFreeString(document);
                               return outcome;
                           }});
        session.push_back({"rxcustomUI_onLoad", Needs::Nothing, [&] {
                               const hostsim::CallbackResult result =
                                   hostsim::callCallback(addin.get(), L"rxcustomUI_onLoad", ribbonUi.get());
                               Outcome outcome;
                               outcome.hr = result.hr;
                               return outcome;
                           }});
        for (const wchar_t* tab : {L"TabHome", L"TabInsert", L"TabPageLayoutExcel", L"TabFormulas", L"TabData",
                                   L"TabReview", L"TabView", L"TabDeveloper"}) {
            session.push_back({"GetVisibleII", Needs::Nothing, [=] { return callback(L"GetVisibleII", tab, L""); }});
        }
        for (const wchar_t* id : {L"rxMenu_quanbu", L"rxlable9"}) {
            session.push_back({"GetVisibleI", Needs::Nothing, [=] { return callback(L"GetVisibleI", id, L"一"); }});
        }
        // The same first three files in both longer lists, so that OpenFile
        // opens the same file whichever File menu was built last.
        const std::vector<std::vector<std::wstring>> lists = {
            {},
            {L"C:\\Data\\Book1.xlsx", L"C:\\Data\\销售 & 成本.xlsx", L"D:\\Budget.xls"},
            {L"C:\\Data\\Book1.xlsx", L"C:\\Data\\销售 & 成本.xlsx", L"D:\\Budget.xls", L"E:\\Four.xlsx",
             L"E:\\Five.xlsx"},
        };
        for (const auto& list : lists) {
            session.push_back({"recent files", Needs::Nothing, [&excel, list] {
                                   excel->recentFiles = list;
                                   Outcome outcome;
                                   outcome.hr = S_OK;
                                   return outcome;
                               }});
            for (const wchar_t* tag : {L"File", L"Edit", L"View", L"Insert", L"Format", L"Tools", L"Date", L"Windows",
                                       L"Help"}) {
                const Needs needs = std::wstring(tag) == L"File" ? Needs::Excel : Needs::Nothing;
                session.push_back({"rxKorvanta_get", needs, [=] { return callback(L"rxKorvanta_get", L"rxMenu", tag); }});
            }
            for (const wchar_t* id : {L"RXhang", L"AboutMe"}) {
                session.push_back({"GetLabel", Needs::Nothing, [=] { return callback(L"GetLabel", id, L""); }});
            }
            for (std::size_t n = 1; n <= list.size() && n <= 3; ++n) {
                const std::wstring id = L"RecentFile" + std::to_wstring(n);
                session.push_back(
                    {"GetVisibleI", Needs::Nothing, [=] { return callback(L"GetVisibleI", id.c_str(), L"二"); }});
            }
        }
        session.push_back({"OpenFile", Needs::Excel, [&] { return callback(L"OpenFile", L"RecentFile2", L""); }});
        session.push_back({"WorkbookOpen", Needs::Events, [&] { return event(false); }});
        session.push_back({"WorkbookBeforeSave", Needs::Events, [&] { return event(true); }});
        session.push_back({"OnDisconnection", Needs::Nothing,
                           [&] { return vtable(extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr)); }});

        const ULONG excelReferences = referencesOf(excel.get());
        const ULONG ribbonReferences = referencesOf(ribbonUi.get());
        std::vector<Outcome> outcomes;
        for (const Entry& entry : session) {
            if (names) names->push_back(entry.name);
            SetErrorInfo(0, nullptr);
            const std::size_t before = HostCalls::count();
            Outcome outcome = entry.call();
            outcome.firstCall = before;
            outcome.lastCall = HostCalls::count();
            outcomes.push_back(outcome);
        }
        m_needs.clear();
        for (const Entry& entry : session) m_needs.push_back(entry.needs);

        // Excel lets the add-in go; every reference it took is given back.
        extensibility.reset();
        ribbonExtensibility.reset();
        addin.reset();
        EXPECT_EQ(excelReferences, referencesOf(excel.get()));
        EXPECT_EQ(ribbonReferences, referencesOf(ribbonUi.get()));
        for (const auto& control : controls) EXPECT_EQ(1u, referencesOf(control.get()));
        EXPECT_EQ(0, hostsim::FakeExcelApplication::liveChildren());
        return outcomes;
    }

    void TearDown() override {
        HostCalls::stop();
        KorvantaTest::TearDown();
    }

    std::vector<Needs> m_needs;
};

TEST_F(HostFaults, EveryHostCallOfASessionFailsInTurn) {
    ASSERT_TRUE(createAddin()) << "Korvanta.dll could not be loaded";
    ASSERT_TRUE(Registry::countCalls()) << "the registry functions were not found among the DLL's imports";
    HostCalls::start();
    std::vector<std::string> names;
    const std::vector<Outcome> reference = runSession(&names);
    ASSERT_FALSE(reference.empty());
    for (std::size_t i = 0; i < reference.size(); ++i) {
        EXPECT_EQ(S_OK, reference[i].hr) << names[i];
    }
    const std::vector<std::wstring> calls = HostCalls::names();
    const std::size_t total = calls.size();
    const std::set<std::wstring> sites(calls.begin(), calls.end());
    std::printf("%zu host calls at %zu call sites in a session: %zu runs with one call failing\n", total, sites.size(),
                total);
    for (const std::wstring& site : sites) {
        std::printf("  %ls: %zu\n", site.c_str(),
                    static_cast<std::size_t>(std::count(calls.begin(), calls.end(), site)));
    }
    const std::vector<Needs> needs = m_needs;

    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE(testing::Message() << "call " << n << " failing: " << std::string(calls[n - 1].begin(), calls[n - 1].end()));
        HostCalls::start();
        HostCalls::failCall(n, kHostFailure);
        const std::vector<Outcome> outcomes = runSession();
        ASSERT_EQ(reference.size(), outcomes.size());

        // The entry that made call n.
        std::size_t failed = 0;
        while (failed < outcomes.size() && outcomes[failed].lastCall < n) ++failed;
        ASSERT_LT(failed, outcomes.size());
        const Outcome& failure = outcomes[failed];
        SCOPED_TRACE(names[failed]);
        const HRESULT injected = HostCalls::injected();
        ASSERT_TRUE(FAILED(injected));

        // Three kinds of call whose failure is not the caller's concern. The
        // settings store reports nothing: a value it cannot read counts as
        // shown, one it cannot write stays as it was, a policy it cannot read
        // sets nothing, and the connection goes on. Office's language: an
        // Office that cannot say leaves Simplified Chinese, and a user should
        // not lose the whole add-in to it. Ending the subscription at
        // disconnection: the add-in lets go of it all the same, and
        // OnDisconnection answers S_OK.
        const std::wstring& call = calls[n - 1];
        const bool registry = call.rfind(L"Registry.", 0) == 0;
        const bool absorbed = registry || call == L"AppEvents.Unadvise" || call == L"Application.LanguageSettings" ||
                              call == L"LanguageSettings.LanguageID";
        if (registry) {
            // Nothing stored is lost or changed: every value stored before
            // still holds "1". A missing value gets its default unless the
            // failing call hid that it was missing (an open or a query made
            // for that value) or refused its write.
            std::size_t missing = 0;
            for (std::size_t i = 0; i < settings::kSettingCount; ++i) {
                const settings::Setting& setting = settings::kSettings[i];
                const std::optional<std::wstring> value = readString(HKEY_CURRENT_USER, kSettingsKey, setting.name);
                if (!value) {
                    EXPECT_LE(kStoredBefore, i) << "a stored value was lost";
                    ++missing;
                } else {
                    EXPECT_EQ(L"1", *value) << std::string(setting.name, setting.name + wcslen(setting.name));
                }
            }
            const bool written = call == L"Registry.RegCreateKeyExA" || call == L"Registry.RegSetValueExA";
            const std::set<std::size_t> allowed = written                         ? std::set<std::size_t>{1}
                                                  : call == L"Registry.RegCloseKey" ? std::set<std::size_t>{0}
                                                                                    : std::set<std::size_t>{0, 1};
            EXPECT_EQ(1u, allowed.count(missing)) << missing << " values missing";
        }
        if (absorbed) {
            EXPECT_EQ(S_OK, failure.hr);
        } else {
            EXPECT_EQ(injected, failure.hr);
            EXPECT_FALSE(failure.description.empty()) << "no error information";
            // Excel describes its own failures; the add-in passes its words on.
            if (kExcelMembers.count(calls[n - 1])) {
                EXPECT_NE(std::wstring::npos, failure.description.find(L"Simulated Excel failure"))
                    << std::string(failure.description.begin(), failure.description.end());
            }
            if (names[failed] != "WorkbookOpen" && names[failed] != "WorkbookBeforeSave") {
                EXPECT_EQ(L"Korvanta", failure.source);
            }
            EXPECT_EQ(VT_EMPTY, failure.type) << "a value was handed out with the failure";
        }
        if (!registry) {
            EXPECT_EQ(n, failure.lastCall) << "the host was called again after the failure";
        }

        // A connection that failed leaves the add-in without Excel: what needs
        // Excel then fails, and no event reaches it. Every other entry answers
        // as in the session without faults.
        const bool withoutExcel = names[failed] == "OnConnection" && !absorbed;
        for (std::size_t i = failed + 1; i < outcomes.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "later entry " << i << " " << names[i]);
            if (withoutExcel && needs[i] == Needs::Excel) {
                EXPECT_TRUE(FAILED(outcomes[i].hr));
                EXPECT_EQ(L"Korvanta", outcomes[i].source);
                EXPECT_EQ(VT_EMPTY, outcomes[i].type);
            } else if (withoutExcel && needs[i] == Needs::Events) {
                EXPECT_EQ(S_OK, outcomes[i].hr);
                EXPECT_EQ(outcomes[i].firstCall, outcomes[i].lastCall);
            } else {
                EXPECT_EQ(reference[i], outcomes[i]);
            }
        }
        if (HasFailure()) break;  // one run's report is enough to go on
    }
}

}  // namespace
