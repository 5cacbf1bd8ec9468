// Calls into Excel's object model through IDispatch, by Excel's published
// dispatch ids. A failing call sets error information (the host's own
// description included) and returns the host's failure.
#pragma once
#include <oaidl.h>

#include "support/bstr.h"
#include "support/com_ptr.h"

namespace excel {

// Application
inline constexpr DISPID kCaption = 0x8B;
inline constexpr DISPID kApplication = 0x94;
inline constexpr DISPID kRecentFiles = 0x4B2;
inline constexpr DISPID kWorkbooks = 0x23C;
inline constexpr DISPID kHwnd = 0x79E;
inline constexpr DISPID kLanguageSettings = 0x709;
// Office's LanguageSettings: LanguageID(Id), where msoLanguageIDUI asks for the
// language of Office's user interface.
inline constexpr DISPID kLanguageId = 1;
inline constexpr long kMsoLanguageIdUi = 2;
// RecentFiles, RecentFile, Workbooks
inline constexpr DISPID kCount = 0x76;
inline constexpr DISPID kItem = 0xAA;
inline constexpr DISPID kPath = 0x123;
inline constexpr DISPID kOpen = 0x783;
// AppEvents
inline constexpr DISPID kWorkbookOpen = 0x61F;
inline constexpr DISPID kWorkbookBeforeSave = 0x623;

HRESULT caption(IDispatch* application, Bstr& out) noexcept;
// Application.Hwnd: from Excel 2013 on the active workbook's window, before
// that Excel's main window.
HRESULT windowHandle(IDispatch* application, HWND& out) noexcept;
// Application.LanguageSettings.LanguageID(msoLanguageIDUI): the LCID of the
// language Office shows its user interface in.
HRESULT userInterfaceLanguage(IDispatch* application, long& lcid) noexcept;
HRESULT application(IDispatch* application, ComPtr<IDispatch>& out) noexcept;
HRESULT recentFiles(IDispatch* application, ComPtr<IDispatch>& out) noexcept;
// The collection's Count as Excel reports it, widened so that no count wraps.
HRESULT recentFilesCount(IDispatch* recentFiles, double& out) noexcept;
HRESULT recentFile(IDispatch* recentFiles, long position, ComPtr<IDispatch>& out) noexcept;
HRESULT recentFilePath(IDispatch* recentFile, Bstr& out) noexcept;
HRESULT workbooks(IDispatch* application, ComPtr<IDispatch>& out) noexcept;
// Workbooks.Open(Filename) with the fourteen optional arguments missing; the
// opened workbook is released at once.
HRESULT openWorkbook(IDispatch* workbooks, std::wstring_view path) noexcept;

}  // namespace excel
