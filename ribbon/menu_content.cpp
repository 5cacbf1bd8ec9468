// rxKorvanta_get and OpenFile: the legacy menus' content and the recent-file
// buttons' action.
#include "ribbon/menu_content.h"

#include <string_view>
#include <utility>

#include "host/excel.h"
#include "ribbon/control_text.h"
#include "ribbon/menu_catalogue.h"
#include "support/bstr.h"
#include "support/com_ptr.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace ribbon {
namespace {

// Reads the first entries of Excel's recent-file list and builds the File
// document into a new string. The recent-file state is replaced only once
// everything has been read, so a failure never leaves a half-filled table
// behind for OpenFile.
HRESULT buildFileMenu(IDispatch* excelApplication, RecentFiles& recent, Language language, BSTR* document) {
    constexpr const wchar_t* kOutOfMemory = L"Out of memory for a menu's content";
    ComPtr<IDispatch> files;
    RETURN_IF_FAILED(excel::recentFiles(excelApplication, files));
    double count = 0;
    RETURN_IF_FAILED(excel::recentFilesCount(files.get(), count));
    const int listed = recentButtonCount(count);

    std::vector<RecentEntry> entries;
    entries.reserve(static_cast<std::size_t>(listed));
    for (int position = 1; position <= listed; ++position) {
        // The list is asked for again for every entry, as the menu always has.
        RETURN_IF_FAILED(excel::recentFiles(excelApplication, files));
        ComPtr<IDispatch> file;
        RETURN_IF_FAILED(excel::recentFile(files.get(), position, file));
        Bstr path;
        RETURN_IF_FAILED(excel::recentFilePath(file.get(), path));
        entries.push_back(RecentEntry{std::wstring(path.view()), fileNameOf(path.view())});
    }

    const FileMenuText menuText(entries, language);
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, menuText.length() > 0x7FFFFFF0u, kOutOfMemory);
    Bstr text;
    *text.put() = SysAllocStringLen(menuText.data(), static_cast<UINT>(menuText.length()));
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !text, kOutOfMemory);

    recent.RecentCount = static_cast<short>(listed);
    // A list without files leaves the earlier table in place.
    if (listed > 0) recent.RecentTable = std::move(entries);
    *document = text.release();
    return S_OK;
}

}  // namespace

HRESULT menuContent(IRibbonControl* control, IDispatch* excelApplication, RecentFiles& recent, Language language,
                    BSTR* document) {
    RETURN_HR_IF_MSG(E_POINTER, !document, L"No place for the menu's content");
    *document = nullptr;
    Bstr tag;
    RETURN_IF_FAILED(readControlTag(control, tag));
    const std::optional<LegacyMenu> menu = menuForTag(tag.view());
    // Not one of the legacy menus: the empty text (a null string).
    if (!menu) return S_OK;

    if (*menu == LegacyMenu::File) return buildFileMenu(excelApplication, recent, language, document);
    Bstr fixed = Bstr::copyOf(fixedMenuDocument(*menu, language));
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !fixed, L"Out of memory for a menu's content");
    *document = fixed.release();
    return S_OK;
}

HRESULT openRecentFile(IRibbonControl* control, IDispatch* excelApplication, const RecentFiles& recent) noexcept {
    Bstr id;
    RETURN_IF_FAILED(readControlId(control, id));
    const std::optional<std::size_t> position = recentPositionOfId(id.view());
    const std::optional<std::vector<RecentEntry>>& table = recent.RecentTable;
    RETURN_HR_IF_MSG(DISP_E_BADINDEX, !table || !position || *position < 1 || *position > table->size(),
                     L"The button stands for no file of the recent-file list");
    const std::wstring& path = (*table)[*position - 1].path;

    ComPtr<IDispatch> workbooks;
    RETURN_IF_FAILED(excel::workbooks(excelApplication, workbooks));
    return excel::openWorkbook(workbooks.get(), path);
}

}  // namespace ribbon
