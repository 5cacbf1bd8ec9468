// A simulated Excel: the Application object with the members the add-in calls
// (Caption, Application, RecentFiles, Workbooks.Open), its AppEvents connection
// point, and a main window for the add-in to find.
#pragma once
#include <ocidl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/fake_dispatch.h"

namespace hostsim {

class FakeAppEvents;

// One call of Workbooks.Open as the add-in made it.
struct OpenCall {
    std::wstring filename;
    UINT argumentCount = 0;
    bool optionalArgumentsMissing = false;
    LCID lcid = 0;
};

class FakeExcelApplication final : public FakeDispatch<IDispatch, IConnectionPointContainer> {
public:
    FakeExcelApplication();
    ~FakeExcelApplication() override;

    // What Excel answers.
    std::wstring caption = L"Microsoft Excel - Book1";
    std::vector<std::wstring> recentFiles;
    std::optional<double> recentFilesCount;  // a Count other than the list's own
    std::map<DISPID, HRESULT> failures;      // members that fail, by dispatch id
    bool offersEvents = true;                // FindConnectionPoint(AppEvents) succeeds
    HRESULT adviseFailure = S_OK;

    // What the add-in did.
    std::vector<std::wstring> calls;  // member calls in order, e.g. L"RecentFiles.Item(1)"
    std::vector<OpenCall> opens;

    // The AppEvents subscription and raising the two events the add-in handles.
    bool hasSubscriber() const noexcept;
    std::size_t subscriberCount() const noexcept;
    // Both return the sink's result; a DISP_E_EXCEPTION is returned as its scode,
    // with the description in `description`.
    HRESULT raiseWorkbookOpen(std::wstring* description = nullptr);
    HRESULT raiseWorkbookBeforeSave(VARIANT_BOOL saveAsUi, VARIANT_BOOL& cancel, std::wstring* description = nullptr);
    HRESULT raiseOtherEvent(DISPID id);

    // Excel's main window: a top-level window of class XLMAIN titled `title`.
    HWND showMainWindow(const std::wstring& title);

    // Objects of this Excel (collections, files, workbooks) still alive.
    static long liveChildren() noexcept;
    static void childCreated() noexcept;
    static void childDestroyed() noexcept;

    // Counted as host calls (hostsim/host_calls.h), as is every member below.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) noexcept override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept override;

private:
    HRESULT member(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo) noexcept override;
    IUnknown* findExtra(REFIID iid) noexcept override;
    HRESULT fireEvent(DISPID id, DISPPARAMS& params, std::wstring* description);

    friend class FakeRecentFiles;
    friend class FakeRecentFile;
    friend class FakeWorkbooks;
    // Counts the call of member `id` and answers the failure injected for it
    // or configured for `id`, or S_OK.
    HRESULT configuredFailure(DISPID id, EXCEPINFO* excepInfo) noexcept;
    static const wchar_t* memberName(DISPID id) noexcept;

    ComPtr<FakeAppEvents> m_events;
    HWND m_window = nullptr;
};

}  // namespace hostsim
