// Reading the two properties of Office's ribbon control that the callbacks use.
#pragma once
#include "host/interfaces.h"
#include "support/bstr.h"

namespace ribbon {

// The control's Tag or Id. A null control, or a failing read, returns a
// failure with error information for the callback's caller.
HRESULT readControlTag(IRibbonControl* control, Bstr& tag) noexcept;
HRESULT readControlId(IRibbonControl* control, Bstr& id) noexcept;

}  // namespace ribbon
