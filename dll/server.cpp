// The DLL's four entry points and its class table: one class, Connect.
#include <windows.h>

#include "addin/connect.h"
#include "dll/registration.h"
#include "support/com_object.h"
#include "support/error_info.h"
#include "support/hresult.h"
#include "support/visual_styles.h"

namespace {

// Creates add-in objects for COM. Aggregation is refused: the object's
// identity is its own.
class ConnectFactory final : public ComObject<IClassFactory> {
public:
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override {
        RETURN_HR_IF(E_POINTER, !out);
        *out = nullptr;
        RETURN_HR_IF(CLASS_E_NOAGGREGATION, outer != nullptr);
        ComPtr<Connect> object;
        RETURN_IF_FAILED(makeObject(object));
        return object->QueryInterface(iid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) noexcept override {
        module::lockServer(lock != FALSE);
        return S_OK;
    }
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    // No COM reference is released here: those held at process exit are left
    // alone, since calling into Office while Excel tears down crashes it.
    if (reason == DLL_PROCESS_ATTACH) {
        module::setInstance(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // FreeLibrary: the process goes on, so the DLL's activation context
        // is given back.
        visual_styles::release();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    RETURN_HR_IF(E_POINTER, !out);
    *out = nullptr;
    RETURN_HR_IF(CLASS_E_CLASSNOTAVAILABLE, clsid != CLSID_Connect);
    ComPtr<ConnectFactory> factory;
    RETURN_IF_FAILED(makeObject(factory));
    return factory->QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return module::canUnload() ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() {
    return comEntry(GUID_NULL, [] { return registration::registerServer(); });
}

STDAPI DllUnregisterServer() {
    return comEntry(GUID_NULL, [] { return registration::unregisterServer(); });
}
