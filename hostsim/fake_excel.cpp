// The simulated Excel.
#include "hostsim/fake_excel.h"

#include <olectl.h>

#include <atomic>
#include <cmath>

#include "host/excel.h"
#include "host/interfaces.h"
#include "hostsim/host_calls.h"
#include "support/bstr.h"

namespace hostsim {
namespace {

std::atomic<long> g_liveChildren{0};

bool isPropertyGet(WORD flags) noexcept { return (flags & DISPATCH_PROPERTYGET) != 0; }

void returnObject(IDispatch* object, VARIANT* result) noexcept {
    if (!result) {
        object->Release();
        return;
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
}

// The one VT_I4 argument of an indexed member, as Excel's callers pass it;
// anything else is a call the fake did not expect.
bool oneLongArgument(const DISPPARAMS* params, LONG& value, const char* unexpected) noexcept {
    if (!params || params->cArgs != 1 || params->rgvarg[0].vt != VT_I4) {
        reportUnexpected(unexpected);
        return false;
    }
    value = params->rgvarg[0].lVal;
    return true;
}

void returnString(const std::wstring& text, VARIANT* result) noexcept {
    if (!result) return;
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// A child object of the fake Excel, counted while it lives.
template <class... Interfaces>
class FakeChild : public FakeDispatch<Interfaces...> {
protected:
    FakeChild(FakeExcelApplication& excel, std::string name)
        : FakeDispatch<Interfaces...>(std::move(name)), m_excel(&excel) {
        m_excel->AddRef();
        FakeExcelApplication::childCreated();
    }
    ~FakeChild() override {
        m_excel->Release();
        FakeExcelApplication::childDestroyed();
    }
    FakeExcelApplication* m_excel;
};

}  // namespace

// The AppEvents connection point: keeps each subscriber until it unadvises.
class FakeAppEvents final : public ComObject<IConnectionPoint> {
public:
    explicit FakeAppEvents(FakeExcelApplication& excel) : m_excel(excel) {}

    std::map<DWORD, ComPtr<IDispatch>> subscribers;

    STDMETHODIMP GetConnectionInterface(IID* iid) noexcept override {
        if (!iid) return E_POINTER;
        *iid = IID_ExcelAppEvents;
        return S_OK;
    }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override {
        if (!container) return E_POINTER;
        return m_excel.QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container));
    }
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) noexcept override {
        if (!sink || !cookie) return E_POINTER;
        *cookie = 0;
        if (HRESULT hr = HostCalls::enter(L"AppEvents.Advise"); FAILED(hr)) return hr;
        if (FAILED(m_excel.adviseFailure)) return m_excel.adviseFailure;
        // Like a real connection point, the sink is asked for the event interface.
        ComPtr<IDispatch> events;
        if (FAILED(sink->QueryInterface(IID_ExcelAppEvents, events.putVoid()))) return CONNECT_E_CANNOTCONNECT;
        *cookie = ++m_lastCookie;
        subscribers[*cookie] = std::move(events);
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD cookie) noexcept override {
        if (HRESULT hr = HostCalls::enter(L"AppEvents.Unadvise"); FAILED(hr)) return hr;
        if (subscribers.erase(cookie) == 0) {
            reportUnexpected("AppEvents::Unadvise with an unknown cookie");
            return CONNECT_E_NOCONNECTION;
        }
        return S_OK;
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) noexcept override {
        reportUnexpected("AppEvents::EnumConnections");
        return E_NOTIMPL;
    }

private:
    FakeExcelApplication& m_excel;
    DWORD m_lastCookie = 0;
};

class FakeRecentFile final : public FakeChild<IDispatch> {
public:
    FakeRecentFile(FakeExcelApplication& excel, std::wstring path)
        : FakeChild(excel, "RecentFile"), m_path(std::move(path)) {}

private:
    HRESULT member(DISPID id, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO* excepInfo) noexcept override {
        if (id != excel::kPath || !isPropertyGet(flags)) return DISP_E_MEMBERNOTFOUND;
        m_excel->calls.push_back(L"RecentFile.Path");
        if (HRESULT hr = m_excel->configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnString(m_path, result);
        return S_OK;
    }
    std::wstring m_path;
};

class FakeRecentFiles final : public FakeChild<IDispatch> {
public:
    explicit FakeRecentFiles(FakeExcelApplication& excel) : FakeChild(excel, "RecentFiles") {}

private:
    HRESULT member(DISPID id, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo) noexcept override {
        if (id == excel::kCount && isPropertyGet(flags)) {
            m_excel->calls.push_back(L"RecentFiles.Count");
            if (HRESULT hr = m_excel->configuredFailure(id, excepInfo); FAILED(hr)) return hr;
            const double count = m_excel->recentFilesCount.value_or(static_cast<double>(m_excel->recentFiles.size()));
            if (!result) return S_OK;
            // Excel's Count is a Long; a count beyond it can only come as a double.
            if (std::fabs(count) < 2147483647.0) {
                result->vt = VT_I4;
                result->lVal = static_cast<LONG>(count);
            } else {
                result->vt = VT_R8;
                result->dblVal = count;
            }
            return S_OK;
        }
        if (id == excel::kItem && (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) {
            LONG index = 0;
            if (!oneLongArgument(params, index, "RecentFiles.Item without one VT_I4 index")) return DISP_E_TYPEMISMATCH;
            m_excel->calls.push_back(L"RecentFiles.Item(" + std::to_wstring(index) + L")");
            if (HRESULT hr = m_excel->configuredFailure(id, excepInfo); FAILED(hr)) return hr;
            if (index < 1 || static_cast<size_t>(index) > m_excel->recentFiles.size()) {
                return raise(DISP_E_BADINDEX, L"Subscript out of range", excepInfo);
            }
            returnObject(new FakeRecentFile(*m_excel, m_excel->recentFiles[static_cast<size_t>(index) - 1]), result);
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
};

// Office's LanguageSettings: LanguageID(Id) answers the user-interface
// language's LCID for msoLanguageIDUI and Office's own English for the others.
class FakeLanguageSettings final : public FakeChild<IDispatch> {
public:
    explicit FakeLanguageSettings(FakeExcelApplication& excel) : FakeChild(excel, "LanguageSettings") {}

private:
    HRESULT member(DISPID id, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo) noexcept override {
        if (id != excel::kLanguageId || !isPropertyGet(flags)) return DISP_E_MEMBERNOTFOUND;
        LONG which = 0;
        if (!oneLongArgument(params, which, "LanguageSettings.LanguageID without one VT_I4 Id")) return DISP_E_TYPEMISMATCH;
        m_excel->calls.push_back(L"LanguageSettings.LanguageID(" + std::to_wstring(which) + L")");
        if (HRESULT hr = m_excel->configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        if (result) {
            result->vt = VT_I4;
            result->lVal = which == excel::kMsoLanguageIdUi ? m_excel->userInterfaceLcid : 1033;
        }
        return S_OK;
    }
};

class FakeWorkbook final : public FakeChild<IDispatch> {
public:
    explicit FakeWorkbook(FakeExcelApplication& excel) : FakeChild(excel, "Workbook") {}

private:
    HRESULT member(DISPID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) noexcept override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

class FakeWorkbooks final : public FakeChild<IDispatch> {
public:
    explicit FakeWorkbooks(FakeExcelApplication& excel) : FakeChild(excel, "Workbooks") {}

private:
    HRESULT member(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo) noexcept override {
        if (id != excel::kOpen || !(flags & DISPATCH_METHOD) || !params || params->cArgs == 0) {
            return DISP_E_MEMBERNOTFOUND;
        }
        // Arguments arrive last to first: Filename is the last of rgvarg.
        const VARIANT& filename = params->rgvarg[params->cArgs - 1];
        OpenCall call;
        call.filename = filename.vt == VT_BSTR && filename.bstrVal ? filename.bstrVal : L"<not a string>";
        call.argumentCount = params->cArgs;
        call.lcid = lcid;
        call.optionalArgumentsMissing = true;
        for (UINT i = 0; i + 1 < params->cArgs; ++i) {
            const VARIANT& optional = params->rgvarg[i];
            if (optional.vt != VT_ERROR || optional.scode != DISP_E_PARAMNOTFOUND) call.optionalArgumentsMissing = false;
        }
        m_excel->opens.push_back(call);
        m_excel->calls.push_back(L"Workbooks.Open");
        if (HRESULT hr = m_excel->configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnObject(new FakeWorkbook(*m_excel), result);
        return S_OK;
    }
};

const char* nameOf(ExcelPersona persona) noexcept {
    return persona == ExcelPersona::Excel2007 ? "Excel2007" : "Excel365";
}

std::vector<std::wstring> typicalRecentFiles(ExcelPersona persona) {
    if (persona == ExcelPersona::Excel2007) {
        return {L"D:\\报表\\R&D <草稿>.xlsx", L"\\\\fs01\\共享\\Tom's \"final\".xlsm", L"Book3.xls"};
    }
    return {L"https://d.docs.live.net/5a1f0c2e9b7d4e31/文档/R&D <草稿>.xlsx", L"C:\\Users\\li\\Documents\\Tom's \"final\".xlsm",
            L"https://contoso.sharepoint.com/sites/Finance/Shared Documents/Q3 & Q4.xlsx"};
}

FakeExcelApplication::FakeExcelApplication(ExcelPersona persona)
    : FakeDispatch("Application"),
      persona(persona),
      caption(persona == ExcelPersona::Excel2007 ? L"Microsoft Excel - Book1" : L"Excel") {
    m_events.attach(new FakeAppEvents(*this));
}

FakeExcelApplication::~FakeExcelApplication() {
    for (HWND window : m_windows) DestroyWindow(window);
}

long FakeExcelApplication::liveChildren() noexcept { return g_liveChildren.load(); }
void FakeExcelApplication::childCreated() noexcept { ++g_liveChildren; }
void FakeExcelApplication::childDestroyed() noexcept { --g_liveChildren; }

const wchar_t* FakeExcelApplication::memberName(DISPID id) noexcept {
    switch (id) {
    case excel::kCaption: return L"Application.Caption";
    case excel::kHwnd: return L"Application.Hwnd";
    case excel::kApplication: return L"Application.Application";
    case excel::kRecentFiles: return L"Application.RecentFiles";
    case excel::kWorkbooks: return L"Application.Workbooks";
    case excel::kCount: return L"RecentFiles.Count";
    case excel::kItem: return L"RecentFiles.Item";
    case excel::kPath: return L"RecentFile.Path";
    case excel::kOpen: return L"Workbooks.Open";
    case excel::kLanguageSettings: return L"Application.LanguageSettings";
    case excel::kLanguageId: return L"LanguageSettings.LanguageID";
    default: return L"Excel member";
    }
}

STDMETHODIMP FakeExcelApplication::QueryInterface(REFIID iid, void** out) noexcept {
    // QueryInterface may only answer E_NOINTERFACE when it fails.
    if (HostCalls::enter(L"Application.QueryInterface", E_NOINTERFACE) != S_OK) {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    return FakeDispatch::QueryInterface(iid, out);
}

IUnknown* FakeExcelApplication::findExtra(REFIID iid) noexcept {
    return iid == IID_ExcelApplication ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT FakeExcelApplication::configuredFailure(DISPID id, EXCEPINFO* excepInfo) noexcept {
    if (HRESULT hr = HostCalls::enter(memberName(id)); FAILED(hr)) return raise(hr, L"Simulated Excel failure", excepInfo);
    const auto failure = failures.find(id);
    if (failure == failures.end()) return S_OK;
    return raise(failure->second, L"Simulated Excel failure", excepInfo);
}

HRESULT FakeExcelApplication::member(DISPID id, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO* excepInfo) noexcept {
    if (!isPropertyGet(flags)) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
    case excel::kCaption:
        calls.push_back(L"Caption");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnString(caption, result);
        return S_OK;
    case excel::kHwnd:
        calls.push_back(L"Hwnd");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        if (result) {
            // A Long, in 64-bit Excel too.
            result->vt = VT_I4;
            result->lVal = HandleToLong(hwnd.value_or(activeWindow()));
        }
        return S_OK;
    case excel::kApplication:
        calls.push_back(L"Application");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        AddRef();
        returnObject(this, result);
        return S_OK;
    case excel::kRecentFiles:
        calls.push_back(L"RecentFiles");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnObject(new FakeRecentFiles(*this), result);
        return S_OK;
    case excel::kWorkbooks:
        calls.push_back(L"Workbooks");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnObject(new FakeWorkbooks(*this), result);
        return S_OK;
    case excel::kLanguageSettings:
        calls.push_back(L"LanguageSettings");
        if (HRESULT hr = configuredFailure(id, excepInfo); FAILED(hr)) return hr;
        returnObject(new FakeLanguageSettings(*this), result);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

STDMETHODIMP FakeExcelApplication::EnumConnectionPoints(IEnumConnectionPoints**) noexcept {
    reportUnexpected("Application::EnumConnectionPoints");
    return E_NOTIMPL;
}

STDMETHODIMP FakeExcelApplication::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (HRESULT hr = HostCalls::enter(L"Application.FindConnectionPoint"); FAILED(hr)) return hr;
    if (iid != IID_ExcelAppEvents || !offersEvents) return CONNECT_E_NOCONNECTION;
    IConnectionPoint* events = m_events.get();
    events->AddRef();
    *point = events;
    return S_OK;
}

bool FakeExcelApplication::hasSubscriber() const noexcept { return !m_events->subscribers.empty(); }

std::size_t FakeExcelApplication::subscriberCount() const noexcept { return m_events->subscribers.size(); }

HRESULT FakeExcelApplication::fireEvent(DISPID id, DISPPARAMS& params, std::wstring* description) {
    HRESULT result = S_OK;
    // Copied first: a handler may end its subscription while it runs.
    const auto subscribers = m_events->subscribers;
    for (const auto& entry : subscribers) {
        EXCEPINFO exception{};
        UINT argError = 0;
        HRESULT hr = entry.second->Invoke(id, IID_NULL, 1033, DISPATCH_METHOD, &params, nullptr, &exception, &argError);
        if (hr == DISP_E_EXCEPTION) {
            hr = exception.scode;
            if (description && exception.bstrDescription) *description = exception.bstrDescription;
        }
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        if (FAILED(hr)) result = hr;
    }
    return result;
}

HRESULT FakeExcelApplication::raiseWorkbookOpen(std::wstring* description) {
    ComPtr<FakeWorkbook> workbook;
    workbook.attach(new FakeWorkbook(*this));
    VARIANT arguments[1];
    arguments[0].vt = VT_DISPATCH;
    arguments[0].pdispVal = workbook.get();
    DISPPARAMS params{arguments, nullptr, 1, 0};
    return fireEvent(excel::kWorkbookOpen, params, description);
}

HRESULT FakeExcelApplication::raiseWorkbookBeforeSave(VARIANT_BOOL saveAsUi, VARIANT_BOOL& cancel,
                                                     std::wstring* description) {
    ComPtr<FakeWorkbook> workbook;
    workbook.attach(new FakeWorkbook(*this));
    // Wb, SaveAsUI, Cancel: last to first.
    VARIANT arguments[3];
    arguments[2].vt = VT_DISPATCH;
    arguments[2].pdispVal = workbook.get();
    arguments[1].vt = VT_BOOL;
    arguments[1].boolVal = saveAsUi;
    arguments[0].vt = VT_BOOL | VT_BYREF;
    arguments[0].pboolVal = &cancel;
    DISPPARAMS params{arguments, nullptr, 3, 0};
    return fireEvent(excel::kWorkbookBeforeSave, params, description);
}

HRESULT FakeExcelApplication::raiseOtherEvent(DISPID id) {
    DISPPARAMS params{nullptr, nullptr, 0, 0};
    return fireEvent(id, params, nullptr);
}

HWND FakeExcelApplication::createWindow(const std::wstring& title) {
    static const ATOM windowClass = [] {
        WNDCLASSW definition{};
        definition.lpfnWndProc = DefWindowProcW;
        definition.hInstance = GetModuleHandleW(nullptr);
        definition.lpszClassName = L"XLMAIN";
        return RegisterClassW(&definition);
    }();
    // Each new workbook window a little below and right of the one before, as Excel places them.
    const int offset = 30 * static_cast<int>(m_windows.size());
    const HWND window = CreateWindowExW(0, MAKEINTATOM(windowClass), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        100 + offset, 100 + offset, 800, 600, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (window) m_windows.push_back(window);
    return window;
}

HWND FakeExcelApplication::showMainWindow(const std::wstring& title) {
    for (HWND window : m_windows) DestroyWindow(window);
    m_windows.clear();
    return createWindow(title);
}

HWND FakeExcelApplication::openWorkbook(const std::wstring& name) {
    if (persona == ExcelPersona::Excel365) return createWindow(name + L" - Excel");
    caption = L"Microsoft Excel - " + name;
    if (m_windows.empty()) return createWindow(caption);
    SetWindowTextW(m_windows.back(), caption.c_str());
    SetActiveWindow(m_windows.back());
    return m_windows.back();
}

void FakeExcelApplication::closeWindow(HWND window) {
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (*it != window) continue;
        m_windows.erase(it);
        DestroyWindow(window);
        if (!m_windows.empty()) SetActiveWindow(m_windows.back());
        return;
    }
}

HWND FakeExcelApplication::activeWindow() const noexcept { return m_windows.empty() ? nullptr : m_windows.back(); }

}  // namespace hostsim
