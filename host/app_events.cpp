// The AppEvents sink and the subscription behind MyExcel.
#include "host/app_events.h"

#include "host/excel.h"
#include "host/interfaces.h"
#include "support/com_object.h"
#include "support/error_info.h"
#include "support/hresult.h"

// Receives Excel's application events through IDispatch::Invoke and passes the
// two the add-in handles on, as long as the subscription lasts.
class AppEventsSink final : public ComObject<IDispatch> {
public:
    explicit AppEventsSink(AppEventsHandler& handler) noexcept : m_handler(&handler) {}

    void detach() noexcept { m_handler = nullptr; }

    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        RETURN_HR_IF(E_POINTER, !count);
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override {
        RETURN_HR_IF(E_POINTER, !info);
        *info = nullptr;
        return DISP_E_BADINDEX;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) noexcept override {
        for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT*) noexcept override {
        if (result) VariantInit(result);
        // Every other event of AppEvents is ignored, as is any event after the
        // subscription has ended.
        if (!m_handler) return S_OK;
        HRESULT hr = S_OK;
        if (member == excel::kWorkbookOpen) {
            hr = m_handler->MyExcel_WorkbookOpen(objectArgument(params, 0, 1));
        } else if (member == excel::kWorkbookBeforeSave) {
            // Wb, SaveAsUI, Cancel arrive last to first; Cancel is by reference and left as it is.
            VARIANT_BOOL* cancel = nullptr;
            VARIANT_BOOL saveAsUi = VARIANT_FALSE;
            if (params && params->cArgs == 3 && params->rgvarg) {
                if (params->rgvarg[0].vt == (VT_BOOL | VT_BYREF)) cancel = params->rgvarg[0].pboolVal;
                if (params->rgvarg[1].vt == VT_BOOL) saveAsUi = params->rgvarg[1].boolVal;
            }
            hr = m_handler->MyExcel_WorkbookBeforeSave(objectArgument(params, 2, 3), saveAsUi, cancel);
        }
        return FAILED(hr) ? failureAsException(hr, excepInfo) : S_OK;
    }

private:
    IUnknown* findExtra(REFIID iid) noexcept override {
        return iid == IID_ExcelAppEvents ? static_cast<IDispatch*>(this) : nullptr;
    }

    static IDispatch* objectArgument(const DISPPARAMS* params, UINT index, UINT count) noexcept {
        if (!params || params->cArgs != count || !params->rgvarg) return nullptr;
        const VARIANT& argument = params->rgvarg[index];
        return argument.vt == VT_DISPATCH ? argument.pdispVal : nullptr;
    }

    AppEventsHandler* m_handler;
};

EventBoundApplication::EventBoundApplication(AppEventsHandler& handler) noexcept : m_handler(handler) {}

EventBoundApplication::~EventBoundApplication() { reset(); }

HRESULT EventBoundApplication::assign(IUnknown* application) noexcept {
    ComPtr<IDispatch> excelApplication;
    RETURN_HR_IF(E_POINTER, !application);
    RETURN_IF_FAILED(application->QueryInterface(IID_ExcelApplication, excelApplication.putVoid()));

    ComPtr<IConnectionPointContainer> container;
    RETURN_IF_FAILED(excelApplication.query(container));
    ComPtr<IConnectionPoint> connectionPoint;
    RETURN_IF_FAILED(container->FindConnectionPoint(IID_ExcelAppEvents, connectionPoint.put()));
    ComPtr<AppEventsSink> sink;
    RETURN_IF_FAILED(makeObject(sink, m_handler));
    DWORD cookie = 0;
    const HRESULT hr = connectionPoint->Advise(sink.get(), &cookie);
    if (FAILED(hr)) {
        sink->detach();
        return hr;
    }

    reset();
    m_application = std::move(excelApplication);
    m_connectionPoint = std::move(connectionPoint);
    m_sink = std::move(sink);
    m_cookie = cookie;
    return S_OK;
}

void EventBoundApplication::endSubscription() noexcept {
    if (m_cookie) m_connectionPoint->Unadvise(m_cookie);
    m_cookie = 0;
    if (m_sink) m_sink->detach();
    m_sink.reset();
    m_connectionPoint.reset();
}

void EventBoundApplication::reset() noexcept {
    endSubscription();
    m_application.reset();
}
