// Ribbon control properties, with error information on failure.
#include "ribbon/control_text.h"

#include "support/error_info.h"
#include "support/hresult.h"

namespace ribbon {

HRESULT readControlTag(IRibbonControl* control, Bstr& tag) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !control, L"No ribbon control was given");
    RETURN_IF_FAILED_MSG(control->get_Tag(tag.put()), L"The ribbon control's tag could not be read");
    return S_OK;
}

HRESULT readControlId(IRibbonControl* control, Bstr& id) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !control, L"No ribbon control was given");
    RETURN_IF_FAILED_MSG(control->get_Id(id.put()), L"The ribbon control's id could not be read");
    return S_OK;
}

}  // namespace ribbon
