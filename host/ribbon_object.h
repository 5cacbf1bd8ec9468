// The ribbon object: the add-in's one process-wide reference to Office's
// IRibbonUI, set by the onLoad callback and used to make Office ask the
// callbacks again. Empty until onLoad; every user skips its call while empty.
#pragma once
#include "host/interfaces.h"
#include "support/com_ptr.h"

namespace ribbon {

// Keeps its own reference to `ribbon`, releasing the one held before.
void setRibbonObject(IRibbonUI* ribbon) noexcept;
// A new reference to the ribbon object, or empty.
ComPtr<IRibbonUI> ribbonObject() noexcept;
// Called when the last add-in object goes away. Never from DllMain or a global
// destructor: calling into Office while Excel tears down crashes it on exit.
void releaseRibbonObject() noexcept;

}  // namespace ribbon
