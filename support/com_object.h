// ComObject: the base of every COM object of the DLL. QueryInterface is generated
// from the interface list, the reference count is atomic, and every live object
// keeps the module loaded. Objects are created only through makeObject.
#pragma once
#include <objbase.h>
#include <oaidl.h>

#include <atomic>
#include <new>
#include <type_traits>
#include <utility>

#include "support/com_ptr.h"
#include "support/module.h"

// An entry of the interface list may be a wrapper that implements an interface
// (see DispatchAs in support/dispatch.h); it names that interface as Interface.
template <class T, class = void>
struct InterfaceOf { using type = T; };
template <class T>
struct InterfaceOf<T, std::void_t<typename T::Interface>> { using type = typename T::Interface; };

template <class First, class... Rest>
class ComObject : public First, public Rest... {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override {
        if (!out) return E_POINTER;
        *out = nullptr;
        IUnknown* found = find(iid);
        if (!found) return E_NOINTERFACE;
        found->AddRef();
        *out = found;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() noexcept override {
        const ULONG remaining = --m_references;
        if (remaining == 0) delete this;
        return remaining;
    }

    // For tests and diagnostics only: COM gives callers no reliable count.
    ULONG references() const noexcept { return m_references.load(); }

protected:
    ComObject() noexcept { module::objectCreated(); }
    virtual ~ComObject() { module::objectDestroyed(); }

    // Further identities of the object, such as the DIID of an event interface.
    virtual IUnknown* findExtra(REFIID) noexcept { return nullptr; }

private:
    // COM identity: IUnknown is always the first interface of the list, and
    // IDispatch the first one that derives from it.
    IUnknown* find(REFIID iid) noexcept {
        if (iid == IID_IUnknown) return static_cast<First*>(this);
        IUnknown* found = match<First>(iid);
        ((found = found ? found : match<Rest>(iid)), ...);
        if (!found && iid == IID_IDispatch) {
            found = dispatchOf<First>();
            ((found = found ? found : dispatchOf<Rest>()), ...);
        }
        return found ? found : findExtra(iid);
    }
    template <class Entry>
    IUnknown* match(REFIID iid) noexcept {
        return iid == __uuidof(typename InterfaceOf<Entry>::type) ? static_cast<Entry*>(this) : nullptr;
    }
    template <class Entry>
    IUnknown* dispatchOf() noexcept {
        if constexpr (std::is_base_of_v<IDispatch, Entry>) return static_cast<Entry*>(this);
        else return nullptr;
    }

    std::atomic<ULONG> m_references{1};
};

// Creates an object with its one initial reference owned by `out`.
template <class T, class... Args>
HRESULT makeObject(ComPtr<T>& out, Args&&... args) noexcept {
    out.attach(new (std::nothrow) T(std::forward<Args>(args)...));
    return out ? S_OK : E_OUTOFMEMORY;
}
