// The module's Common Controls 6 activation context: made once, activated
// around window creation, released when the DLL is unloaded.
#include "support/visual_styles.h"

#include "support/module.h"

namespace visual_styles {
namespace {

HANDLE g_context = nullptr;

// Every function used here is in Windows XP's kernel32.
HANDLE moduleContext() noexcept {
    if (HANDLE made = g_context) return made;
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = module::instance();
    request.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    HANDLE made = CreateActCtxW(&request);
    if (made == INVALID_HANDLE_VALUE) return nullptr;
    // Two threads may race to make it; the one that loses gives its copy back.
    if (HANDLE earlier = InterlockedCompareExchangePointer(&g_context, made, nullptr)) {
        ReleaseActCtx(made);
        return earlier;
    }
    return made;
}

}  // namespace

Scope::Scope() noexcept {
    if (HANDLE context = moduleContext()) m_active = ActivateActCtx(context, &m_cookie) != FALSE;
}

Scope::~Scope() {
    if (m_active) DeactivateActCtx(0, m_cookie);
}

void release() noexcept {
    if (HANDLE context = InterlockedExchangePointer(&g_context, nullptr)) ReleaseActCtx(context);
}

}  // namespace visual_styles
