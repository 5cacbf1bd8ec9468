// MyExcel: a reference to Excel's Application with a subscription to its
// AppEvents. The subscription goes through a separate sink object that does not
// hold the add-in object, so that Excel's reference to the sink cannot keep the
// add-in (and with it Excel's own process) alive.
#pragma once
#include <ocidl.h>

#include "support/com_ptr.h"

// What the add-in object does with the two events it handles.
class AppEventsHandler {
public:
    virtual HRESULT MyExcel_WorkbookOpen(IDispatch* workbook) noexcept = 0;
    virtual HRESULT MyExcel_WorkbookBeforeSave(IDispatch* workbook, VARIANT_BOOL saveAsUi, VARIANT_BOOL* cancel) noexcept = 0;

protected:
    ~AppEventsHandler() = default;
};

class AppEventsSink;

class EventBoundApplication {
public:
    explicit EventBoundApplication(AppEventsHandler& handler) noexcept;
    EventBoundApplication(const EventBoundApplication&) = delete;
    EventBoundApplication& operator=(const EventBoundApplication&) = delete;
    ~EventBoundApplication();

    // Holds Excel's _Application of `application`, subscribed to its events,
    // in place of what was held before. On failure nothing changes.
    HRESULT assign(IUnknown* application) noexcept;
    // Ends the subscription; the Application reference stays.
    void endSubscription() noexcept;
    // Ends the subscription and releases the Application.
    void reset() noexcept;

    IDispatch* get() const noexcept { return m_application.get(); }
    bool subscribed() const noexcept { return m_cookie != 0; }

private:
    AppEventsHandler& m_handler;
    ComPtr<IDispatch> m_application;
    ComPtr<IConnectionPoint> m_connectionPoint;
    ComPtr<AppEventsSink> m_sink;
    DWORD m_cookie = 0;
};
