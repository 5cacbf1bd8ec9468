// Cost of the ribbon entries as Office calls them, beside floors measured in
// the same run: for the callbacks a trivial dispatch object doing only what no
// callback can avoid (Invoke, asking the argument for IRibbonControl, reading
// one property, and for a label allocating it), with the bare Invoke shown as
// well; for the documents, allocating and freeing a string of the document's
// length. The callbacks run on every redraw of the ribbon, so they should stay
// within twice their floor, and the documents within three times theirs. The
// File menu also waits for ten calls into Excel, measured on their own.
//
// Usage: korvanta_bench [iterations]   (Korvanta.dll is loaded from the build)
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/excel.h"
#include "addin/korvanta.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "ribbon/customui_document.h"
#include "ribbon/file_menu.h"
#include "support/bstr.h"
#include "support/com_ptr.h"

namespace {

long g_iterations = 200000;

// Nanoseconds per call of `body`: the calls run in many short rounds and the
// best round counts, so that the scheduler taking the processor away (other
// builds share it) spoils single rounds rather than the result.
constexpr int kRounds = 50;

template <class Body>
double nanosecondsPerCall(Body&& body, long iterations = g_iterations) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const long perRound = std::max(1L, iterations / kRounds);
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        for (long i = 0; i < perRound; ++i) body();
        QueryPerformanceCounter(&stop);
        const double ns = double(stop.QuadPart - start.QuadPart) * 1e9 / double(frequency.QuadPart) / double(perRound);
        best = std::min(best, ns);
    }
    return best;
}

// The least an Office callback can cost: Invoke with one VT_DISPATCH argument.
// As a bare floor it answers VT_BOOL at once; as a trivial callback it does
// what no callback can avoid: it asks the argument for IRibbonControl, reads
// one property and, for a label, allocates a string of the label's length.
class TrivialDispatch final : public IDispatch {
public:
    enum class Work { None, ReadTag, ReadIdAndLabel };
    explicit TrivialDispatch(Work work, UINT labelLength = 0) : m_work(work), m_labelLength(labelLength) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return *out = nullptr, E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return 2; }
    STDMETHODIMP_(ULONG) Release() noexcept override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) noexcept override {
        return *ids = 1, S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) noexcept override {
        if (id != 1 || !params || params->cArgs != 1 || params->rgvarg[0].vt != VT_DISPATCH) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        if (m_work == Work::None) return S_OK;
        ComPtr<IRibbonControl> control;
        if (FAILED(params->rgvarg[0].pdispVal->QueryInterface(IID_IRibbonControl, control.putVoid()))) return E_FAIL;
        Bstr text;
        if (m_work == Work::ReadTag) {
            control->get_Tag(text.put());
            return S_OK;
        }
        control->get_Id(text.put());
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocStringLen(nullptr, m_labelLength);
        return S_OK;
    }

private:
    Work m_work;
    UINT m_labelLength;
};

// Calls a callback by name as Office does: the DISPID looked up once, then
// Invoke with the control as a plain VT_DISPATCH, the result cleared.
class OfficeCall {
public:
    OfficeCall(IDispatch* target, const wchar_t* name, IDispatch* control) : m_target(target) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        if (FAILED(target->GetIDsOfNames(IID_NULL, names, 1, 1033, &m_id))) {
            std::fprintf(stderr, "no callback named %ls\n", name);
            std::exit(1);
        }
        m_argument.vt = VT_DISPATCH;
        m_argument.pdispVal = control;
    }
    HRESULT operator()() {
        DISPPARAMS params{&m_argument, nullptr, 1, 0};
        VARIANT result;
        VariantInit(&result);
        const HRESULT hr = m_target->Invoke(m_id, IID_NULL, 1033, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
        m_lastLength = result.vt == VT_BSTR ? SysStringLen(result.bstrVal) : 0;
        VariantClear(&result);
        return hr;
    }
    UINT lastLength() const { return m_lastLength; }

private:
    IDispatch* m_target;
    DISPID m_id = DISPID_UNKNOWN;
    VARIANT m_argument;
    UINT m_lastLength = 0;
};

double allocationFloor(UINT length) {
    const std::wstring text(length, L'x');
    return nanosecondsPerCall([&] { SysFreeString(SysAllocStringLen(text.data(), length)); });
}

void row(const char* what, double ns, double floor, const char* floorName, double aim) {
    const double ratio = ns / floor;
    std::printf("%-44s %9.1f ns   %-26s %8.1f ns   %5.2fx  %s\n", what, ns, floorName, floor, ratio,
                ratio <= aim ? "ok" : "ABOVE AIM");
}

ComPtr<IDispatch> createAddin() {
    std::wstring path = L"Z:";
    for (const char* c = KORVANTA_DLL_UNIX_PATH; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    HMODULE dll = LoadLibraryW(path.c_str());
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto getClassObject =
        dll ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject"))) : nullptr;
    ComPtr<IClassFactory> factory;
    ComPtr<IDispatch> addin;
    if (getClassObject && SUCCEEDED(getClassObject(CLSID_Connect, IID_IClassFactory, factory.putVoid()))) {
        factory->CreateInstance(nullptr, IID_IDispatch, addin.putVoid());
    }
    return addin;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_iterations = std::max(1000L, std::atol(argv[1]));
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    {
        ComPtr<IDispatch> addin = createAddin();
        if (!addin) {
            std::fprintf(stderr, "Korvanta.dll could not be loaded from %s\n", KORVANTA_DLL_UNIX_PATH);
            return 1;
        }
        ComPtr<hostsim::FakeExcelApplication> excel;
        excel.attach(new hostsim::FakeExcelApplication());
        excel->recentFiles = {L"C:\\Users\\user\\Documents\\季度报表\\2024 Q1 & Q2.xlsx",
                              L"\\\\fileserver\\shared\\finance\\budget <draft>.xlsm", L"D:\\Work\\Book3.xls"};
        ComPtr<_IDTExtensibility2> extensibility;
        addin.query(extensibility);
        if (!extensibility || FAILED(extensibility->OnConnection(excel.get(), ext_cm_Startup, nullptr, nullptr))) {
            std::fprintf(stderr, "OnConnection failed\n");
            return 1;
        }

        const auto tagged = hostsim::makeControl(L"rxMenu_quanbu", L"一");
        const auto tab = hostsim::makeControl(L"TabDeveloper");  // the last row compared
        const auto about = hostsim::makeControl(L"AboutMe");     // the last row compared
        const auto edit = hostsim::makeControl(L"rxMenu_bianji", L"Edit");
        const auto file = hostsim::makeControl(L"rxMenu_wenjian", L"File");

        std::printf("Korvanta ribbon entries, best of %d rounds of %ld calls\n\n", kRounds, g_iterations / kRounds);
        TrivialDispatch bare(TrivialDispatch::Work::None);
        TrivialDispatch readsTag(TrivialDispatch::Work::ReadTag);
        OfficeCall bareCall(&bare, L"Trivial", tagged.get());
        OfficeCall readsTagCall(&readsTag, L"Trivial", tagged.get());
        const double bareFloor = nanosecondsPerCall(bareCall);
        const double callbackFloor = nanosecondsPerCall(readsTagCall);
        std::printf("floors: bare Invoke %.1f ns; trivial callback (Invoke, QueryInterface, one property read) %.1f ns\n\n",
                    bareFloor, callbackFloor);

        OfficeCall visibleI(addin.get(), L"GetVisibleI", tagged.get());
        OfficeCall visibleII(addin.get(), L"GetVisibleII", tab.get());
        OfficeCall label(addin.get(), L"GetLabel", about.get());
        row("GetVisibleI (tag \"一\")", nanosecondsPerCall(visibleI), callbackFloor, "trivial callback", 2);
        row("GetVisibleII (TabDeveloper)", nanosecondsPerCall(visibleII), callbackFloor, "trivial callback", 2);
        const double labelCost = nanosecondsPerCall(label);
        TrivialDispatch labels(TrivialDispatch::Work::ReadIdAndLabel, label.lastLength());
        OfficeCall labelsCall(&labels, L"Trivial", about.get());
        row("GetLabel (AboutMe)", labelCost, nanosecondsPerCall(labelsCall), "trivial label callback", 2);
        std::printf("  (against the bare Invoke: %.1fx, %.1fx, %.1fx)\n\n", nanosecondsPerCall(visibleI) / bareFloor,
                    nanosecondsPerCall(visibleII) / bareFloor, labelCost / bareFloor);

        const long documentIterations = std::max(1000L, g_iterations / 10);
        const long saved = g_iterations;
        g_iterations = documentIterations;

        ComPtr<IRibbonExtensibility> extension;
        addin.query(extension);
        Bstr ribbonId = Bstr::copyOf(L"Microsoft.Excel.Workbook");
        const double customUi = nanosecondsPerCall([&] {
            BSTR document = nullptr;
            extension->GetCustomUI(ribbonId.get(), &document);
            SysFreeString(document);
        });
        const UINT customUiLength = static_cast<UINT>(ribbon::customUiDocument(Language::SimplifiedChinese).size());
        row("GetCustomUI (vtable)", customUi, allocationFloor(customUiLength), "SysAllocStringLen", 3);

        OfficeCall editMenu(addin.get(), L"rxKorvanta_get", edit.get());
        const double editCost = nanosecondsPerCall(editMenu);
        row("rxKorvanta_get \"Edit\"", editCost, allocationFloor(editMenu.lastLength()), "SysAllocStringLen", 3);

        OfficeCall fileMenu(addin.get(), L"rxKorvanta_get", file.get());
        excel->calls.reserve(1u << 20);
        const double fileCost = nanosecondsPerCall([&] {
            fileMenu();
            excel->calls.clear();  // the fake's call log, not part of the cost
        });
        const UINT fileLength = fileMenu.lastLength();
        const double fileFloor = allocationFloor(fileLength);
        row("rxKorvanta_get \"File\" (3 recent files)", fileCost, fileFloor, "SysAllocStringLen", 3);

        // The ten calls into Excel that every File menu makes, alone: the
        // host's share of the File menu's cost.
        const double hostCalls = nanosecondsPerCall([&] {
            ComPtr<IDispatch> files;
            double count = 0;
            excel::recentFiles(excel.get(), files);
            excel::recentFilesCount(files.get(), count);
            for (long position = 1; position <= 3; ++position) {
                ComPtr<IDispatch> recent;
                Bstr path;
                excel::recentFiles(excel.get(), files);
                excel::recentFile(files.get(), position, recent);
                excel::recentFilePath(recent.get(), path);
            }
            excel->calls.clear();
        });
        row("  against Excel's ten calls + allocation", fileCost, hostCalls + fileFloor, "Excel calls + alloc", 3);

        // The document alone, from the same entries: the add-in's own work.
        std::vector<ribbon::RecentEntry> entries;
        for (const std::wstring& path : excel->recentFiles) entries.push_back({path, ribbon::fileNameOf(path)});
        const double fileBuild = nanosecondsPerCall([&] {
            const ribbon::FileMenuText menuText(entries);
            SysFreeString(SysAllocStringLen(menuText.data(), static_cast<UINT>(menuText.length())));
        });
        row("  File document alone (no Excel calls)", fileBuild, fileFloor, "SysAllocStringLen", 3);
        // The usual case: names without characters to escape, so each is copied whole.
        std::vector<ribbon::RecentEntry> plain;
        for (const wchar_t* path : {L"C:\\Users\\user\\Documents\\季度报表\\2024 Q1 Q2.xlsx",
                                    L"\\\\fileserver\\shared\\finance\\budget draft.xlsm", L"D:\\Work\\Book3.xls"}) {
            plain.push_back({path, ribbon::fileNameOf(path)});
        }
        const UINT plainLength = static_cast<UINT>(ribbon::FileMenuText(plain).length());
        const double plainBuild = nanosecondsPerCall([&] {
            const ribbon::FileMenuText menuText(plain);
            SysFreeString(SysAllocStringLen(menuText.data(), static_cast<UINT>(menuText.length())));
        });
        row("  the same, names without \"&\" or \"<\"", plainBuild, allocationFloor(plainLength), "SysAllocStringLen", 3);
        g_iterations = saved;

        extensibility->OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
    CoUninitialize();
    return 0;
}
