// The process-wide ribbon reference.
#include "host/ribbon_object.h"

namespace ribbon {
namespace {
// A plain pointer, so that no destructor runs at process exit.
IRibbonUI* g_ribbon = nullptr;
}  // namespace

void setRibbonObject(IRibbonUI* ribbon) noexcept {
    if (ribbon) ribbon->AddRef();
    IRibbonUI* previous = g_ribbon;
    g_ribbon = ribbon;
    if (previous) previous->Release();
}

ComPtr<IRibbonUI> ribbonObject() noexcept { return ComPtr<IRibbonUI>(g_ribbon); }

void releaseRibbonObject() noexcept { setRibbonObject(nullptr); }

}  // namespace ribbon
