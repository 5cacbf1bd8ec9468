// The visibility and label callbacks. Office calls them on every redraw and
// invalidation, so they read one property of the control and answer from
// memory: no allocation of their own but the label handed back.
#include "ribbon/ribbon_callbacks.h"


#include "ribbon/callback_tables.h"
#include "ribbon/control_text.h"
#include "settings/settings_store.h"
#include "support/bstr.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace ribbon {
HRESULT visibleByTag(IRibbonControl* control, VARIANT_BOOL* visible) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !visible, L"No place for the visibility answer");
    *visible = VARIANT_FALSE;
    Bstr tag;
    RETURN_IF_FAILED(readControlTag(control, tag));
    if (const auto setting = settingOfTag(tag.view())) *visible = settings::SettingFlags[*setting];
    return S_OK;
}

HRESULT visibleTab(IRibbonControl* control, VARIANT_BOOL* visible) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !visible, L"No place for the visibility answer");
    *visible = VARIANT_FALSE;
    Bstr id;
    RETURN_IF_FAILED(readControlId(control, id));
    if (const auto setting = settingOfTab(id.view())) *visible = settings::SettingFlags[*setting];
    return S_OK;
}

HRESULT labelOf(IRibbonControl* control, Language language, BSTR* label) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !label, L"No place for the label");
    *label = nullptr;
    Bstr id;
    RETURN_IF_FAILED(readControlId(control, id));
    const std::wstring_view text = labelOfId(id.view(), language);
    // A null string is COM's empty text: an id without a label costs nothing.
    if (text.empty()) return S_OK;
    Bstr copy = Bstr::copyOf(text);
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !copy, L"Out of memory for the label");
    *label = copy.release();
    return S_OK;
}

}  // namespace ribbon
