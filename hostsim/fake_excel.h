// A simulated Excel: the Application object with the members the add-in calls
// (Caption, Hwnd, Application, RecentFiles, Workbooks.Open, LanguageSettings
// with Office's LanguageID), its AppEvents
// connection point, and the windows a dialog's owner is looked for among, as
// Excel 2007 or Excel 2013 and later show them.
#pragma once
#include <ocidl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/fake_dispatch.h"

namespace hostsim {

class FakeAppEvents;

// Which Excel is simulated. Excel 2007 shows every workbook in one main
// window, titled as its caption ("Microsoft Excel - Book1"). Excel 2013 to
// Microsoft 365 show each workbook in a top-level window of its own, titled
// "Book1 - Excel", and have the caption "Excel"; their recent files include
// workbooks in the cloud, listed by web address.
enum class ExcelPersona { Excel2007, Excel365 };

// "Excel2007", "Excel365".
const char* nameOf(ExcelPersona persona) noexcept;
// Three recent files as this Excel lists them, with "&", "<" and quotes in names.
std::vector<std::wstring> typicalRecentFiles(ExcelPersona persona);

// One call of Workbooks.Open as the add-in made it.
struct OpenCall {
    std::wstring filename;
    UINT argumentCount = 0;
    bool optionalArgumentsMissing = false;
    LCID lcid = 0;
};

class FakeExcelApplication final : public FakeDispatch<IDispatch, IConnectionPointContainer> {
public:
    explicit FakeExcelApplication(ExcelPersona persona = ExcelPersona::Excel2007);
    ~FakeExcelApplication() override;

    const ExcelPersona persona;

    // What Excel answers.
    std::wstring caption;
    std::vector<std::wstring> recentFiles;
    std::optional<double> recentFilesCount;  // a Count other than the list's own
    std::optional<HWND> hwnd;                // a Hwnd other than the active workbook's window
    // Office's user-interface language (LanguageSettings.LanguageID(msoLanguageIDUI)):
    // a Simplified Chinese Office unless set.
    long userInterfaceLcid = 2052;
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

    // Excel 2007's main window: a visible top-level window of class XLMAIN
    // titled `title`, in place of the one shown before.
    HWND showMainWindow(const std::wstring& title);
    // Opens the workbook `name` as this Excel shows it and makes it the active
    // one: Excel 2007 in its main window, titled anew, Excel 2013 and later in
    // a window of its own. Returns that window, visible and active.
    HWND openWorkbook(const std::wstring& name);
    // Closes a window opened above; the window opened last of those left
    // becomes the active workbook's.
    void closeWindow(HWND window);
    // The active workbook's window, which Hwnd answers; null when none is open.
    HWND activeWindow() const noexcept;
    // Every window opened above and not closed, in the order they were opened.
    const std::vector<HWND>& windows() const noexcept { return m_windows; }

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
    friend class FakeLanguageSettings;
    // Counts the call of member `id` and answers the failure injected for it
    // or configured for `id`, or S_OK.
    HRESULT configuredFailure(DISPID id, EXCEPINFO* excepInfo) noexcept;
    static const wchar_t* memberName(DISPID id) noexcept;

    HWND createWindow(const std::wstring& title);

    ComPtr<FakeAppEvents> m_events;
    std::vector<HWND> m_windows;  // in the order they were opened
};

}  // namespace hostsim
