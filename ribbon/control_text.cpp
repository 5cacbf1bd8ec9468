// Ribbon control properties, with error information on failure.
#include "ribbon/control_text.h"

#include "support/error_info.h"
#include "support/hresult.h"

namespace ribbon {

HRESULT readControlTag(IRibbonControl* control, Bstr& tag) noexcept {
    RETURN_HR_IF(reportError(E_POINTER, IID__Connect, L"No ribbon control was given"), !control);
    const HRESULT hr = control->get_Tag(tag.put());
    RETURN_HR_IF(reportError(hr, IID__Connect, L"The ribbon control's tag could not be read"), FAILED(hr));
    return S_OK;
}

HRESULT readControlId(IRibbonControl* control, Bstr& id) noexcept {
    RETURN_HR_IF(reportError(E_POINTER, IID__Connect, L"No ribbon control was given"), !control);
    const HRESULT hr = control->get_Id(id.put());
    RETURN_HR_IF(reportError(hr, IID__Connect, L"The ribbon control's id could not be read"), FAILED(hr));
    return S_OK;
}

}  // namespace ribbon
