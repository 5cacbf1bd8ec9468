// IDispatch building blocks: member tables, argument conversion, and calls into
// host objects through their dispatch interfaces.
#pragma once
#include <oaidl.h>

#include <cstddef>
#include <string>

#include "support/com_ptr.h"

// Gives one interface of a multi-interface object an IDispatch of its own: the
// calls are forwarded to Owner with a tag naming the interface, so that each
// interface answers its own members.
template <class Itf, class Owner>
class DispatchAs : public Itf {
public:
    using Interface = Itf;

    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        return owner()->typeInfoCount(tag(), count);
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) noexcept override {
        return owner()->typeInfo(tag(), index, lcid, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) noexcept override {
        return owner()->idsOfNames(tag(), riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argError) noexcept override {
        return owner()->invoke(tag(), member, riid, lcid, flags, params, result, excepInfo, argError);
    }

private:
    static Itf* tag() noexcept { return nullptr; }
    Owner* owner() noexcept { return static_cast<Owner*>(this); }
};

// One member of a dispatch table, with the names of its arguments in order.
struct DispatchMember {
    static constexpr UINT kMaxParameters = 4;
    const wchar_t* name;
    DISPID id;
    UINT parameterCount;
    const wchar_t* parameters[kMaxParameters];
};

// Automation compares names without regard to case.
bool sameNameIgnoringCase(const wchar_t* a, const wchar_t* b) noexcept;

// GetIDsOfNames over a table: the first name is a member, further names are
// that member's parameters, which answer their position.
HRESULT idsOfNames(const DispatchMember* members, std::size_t memberCount, REFIID riid, LPOLESTR* names,
                   UINT nameCount, DISPID* ids) noexcept;

const DispatchMember* findMember(const DispatchMember* members, std::size_t memberCount, DISPID id) noexcept;

// The checks every Invoke of a method makes before it converts arguments.
HRESULT checkMethodCall(const DispatchMember& member, REFIID riid, WORD flags, const DISPPARAMS* params) noexcept;

// Reads argument `index` (an rgvarg position) as interface `iid`. Office passes
// a plain VT_DISPATCH; a by-reference object, VT_UNKNOWN, or a by-reference
// VARIANT holding one is accepted as well. A null object yields null; a
// by-reference form that refers to no variable is DISP_E_TYPEMISMATCH.
HRESULT interfaceArgument(const DISPPARAMS& params, UINT index, REFIID iid, void** out, UINT* argError) noexcept;

template <class I>
HRESULT interfaceArgument(const DISPPARAMS& params, UINT index, ComPtr<I>& out, UINT* argError) noexcept {
    return interfaceArgument(params, index, __uuidof(I), out.putVoid(), argError);
}

// Reads argument `index` as a string, coercing as automation would.
HRESULT stringArgument(const DISPPARAMS& params, UINT index, BSTR* out, UINT* argError) noexcept;

// Calls a member of a host object through IDispatch as an automation client
// does. `arguments` are in the member's own order; `result` may be null. When
// the host raises an exception, its error code is returned and its description
// is left in `failureDetail`.
HRESULT callDispatch(IDispatch* target, DISPID member, WORD flags, VARIANT* arguments, UINT argumentCount,
                     VARIANT* result, std::wstring& failureDetail) noexcept;
