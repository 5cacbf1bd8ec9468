// The DLL's own activation context, made from its manifest (resource 2), which
// asks for Common Controls 6: windows created while it is active are themed and
// may be SysLinks, whatever the host program's own manifest says.
#pragma once
#include <windows.h>

namespace visual_styles {

// Activates the DLL's context for as long as it lives. Without one (a module
// with no manifest, or one Windows refuses) it does nothing, and the windows
// are of the host's version, as they would be without a manifest.
class Scope {
public:
    Scope() noexcept;
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    bool active() const noexcept { return m_active; }

private:
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};

// Releases the context, made once on first use. For FreeLibrary only: at
// process exit nothing needs giving back.
void release() noexcept;

}  // namespace visual_styles
