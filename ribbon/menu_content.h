// The legacy menus' content callback and the recent-file buttons' action.
#pragma once
#include <optional>
#include <vector>

#include "host/interfaces.h"
#include "ribbon/file_menu.h"
#include "support/language.h"

namespace ribbon {

// The recent-file state of one add-in object, shared by both File menus and OpenFile.
struct RecentFiles {
    // Buttons in the File document built last: 0 to 3.
    short RecentCount = 0;
    // Entries 1..n as the last build with at least one file left them; empty
    // (no table) until then.
    std::optional<std::vector<RecentEntry>> RecentTable;
};

// rxKorvanta_get: the MenuDocument for the control's tag, in `language`; the
// File menu is built from Excel's recent files, which also refills `recent`.
HRESULT menuContent(IRibbonControl* control, IDispatch* excelApplication, RecentFiles& recent, Language language,
                    BSTR* document);
// OpenFile: opens the entry of RecentTable that the pressed button stands for.
HRESULT openRecentFile(IRibbonControl* control, IDispatch* excelApplication, const RecentFiles& recent) noexcept;

}  // namespace ribbon
