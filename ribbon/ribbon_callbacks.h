// The visibility and label callbacks: answers from SettingFlags and fixed
// tables, with no registry access and no call into Excel.
#pragma once
#include "host/interfaces.h"
#include "support/language.h"

namespace ribbon {

// GetVisibleI: by the control's tag ("一" ShowAllMenu, "二" ShowRecentFiles).
HRESULT visibleByTag(IRibbonControl* control, VARIANT_BOOL* visible) noexcept;
// GetVisibleII: by the control's id, one of the eight built-in tabs.
HRESULT visibleTab(IRibbonControl* control, VARIANT_BOOL* visible) noexcept;
// GetLabel: by the control's id, in `language`.
HRESULT labelOf(IRibbonControl* control, Language language, BSTR* label) noexcept;

}  // namespace ribbon
