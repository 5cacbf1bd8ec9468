// IDispatch building blocks: member tables, argument conversion, and calls into
// host objects through their dispatch interfaces.
#pragma once
#include <oaidl.h>

#include <cstddef>
#include <string>
#include <tuple>
#include <utility>

#include "support/bstr.h"
#include "support/com_ptr.h"
#include "support/error_info.h"

struct DispatchMember;
struct DispatchInterface;

// Answers one Invoke of a member on `target` (the interface the member belongs
// to): converts the arguments, calls the member and delivers its result. A
// failure of the member itself comes back as an exception (failureAsException).
using DispatchInvoker = HRESULT (*)(IDispatch* target, const DISPPARAMS& params, VARIANT* result,
                                    EXCEPINFO* excepInfo, UINT* argError) noexcept;

// The four IDispatch methods over a DispatchInterface, written once for every interface.
HRESULT dispatchTypeInfoCount(const DispatchInterface& table, UINT* count) noexcept;
HRESULT dispatchInvoke(const DispatchInterface& table, IDispatch* target, DISPID id, REFIID riid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) noexcept;

// One member of a dispatch table, with the names of its arguments in order,
// and how an Invoke of it is answered.
struct DispatchMember {
    static constexpr UINT kMaxParameters = 4;
    const wchar_t* name;
    DISPID id;
    UINT parameterCount;
    const wchar_t* parameters[kMaxParameters];
    DispatchInvoker invoke;
};

// The dispatch view of one interface: its members, and the interface whose
// type information describes it (null: no type information is offered).
struct DispatchInterface {
    const DispatchMember* members;
    std::size_t memberCount;
    const IID* typeInfo;
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

// Gives one interface of a multi-interface object an IDispatch of its own,
// answered from Owner::dispatchOf<Itf>(); type information comes from
// Owner::typeInfoOf.
template <class Itf, class Owner>
class DispatchAs : public Itf {
public:
    using Interface = Itf;

    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        return dispatchTypeInfoCount(Owner::template dispatchOf<Itf>(), count);
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override {
        if (!info) return E_POINTER;
        *info = nullptr;
        const IID* described = Owner::template dispatchOf<Itf>().typeInfo;
        if (!described || index != 0) return DISP_E_BADINDEX;
        return static_cast<Owner*>(this)->typeInfoOf(*described, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override {
        const DispatchInterface& table = Owner::template dispatchOf<Itf>();
        return idsOfNames(table.members, table.memberCount, riid, names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argError) noexcept override {
        return dispatchInvoke(Owner::template dispatchOf<Itf>(), this, member, riid, flags, params, result, excepInfo,
                              argError);
    }
};

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

// ---- Invokers generated from a member's signature ----
//
// invokeMethod<&Interface::Member> answers Invoke for a member whose
// parameters are interface pointers ([in] I* or [in, out] I**) or strings
// ([in] BSTR), optionally followed by an [out, retval] BSTR* or VARIANT_BOOL*.
// Argument i is rgvarg[cArgs - 1 - i]; checkMethodCall has checked the count.

namespace dispatch_detail {

template <class T>
struct Argument;

template <class I>
struct Argument<I*> {
    ComPtr<I> object;
    HRESULT read(const DISPPARAMS& params, UINT index, UINT* argError) noexcept {
        return interfaceArgument(params, index, object, argError);
    }
    I* value() noexcept { return object.get(); }
};

// [in, out]: the member gets a copy of the pointer, so the caller's variable
// is never written.
template <class I>
struct Argument<I**> {
    ComPtr<I> object;
    I* copy = nullptr;
    HRESULT read(const DISPPARAMS& params, UINT index, UINT* argError) noexcept {
        const HRESULT hr = interfaceArgument(params, index, object, argError);
        copy = object.get();
        return hr;
    }
    I** value() noexcept { return &copy; }
};

template <>
struct Argument<BSTR> {
    Bstr text;
    HRESULT read(const DISPPARAMS& params, UINT index, UINT* argError) noexcept {
        return stringArgument(params, index, text.put(), argError);
    }
    BSTR value() noexcept { return text.get(); }
};

// An [out, retval] parameter: what the member writes is delivered through
// pVarResult on success.
template <class T>
struct Result {};
template <>
struct Result<BSTR*> {
    BSTR text = nullptr;
    BSTR* out() noexcept { return &text; }
    // Hands the string to the caller's VARIANT, or frees it.
    void deliver(VARIANT* result) noexcept {
        if (result) {
            result->vt = VT_BSTR;
            result->bstrVal = text;
        } else {
            SysFreeString(text);
        }
    }
    void discard() noexcept { SysFreeString(text); }
};
template <>
struct Result<VARIANT_BOOL*> {
    VARIANT_BOOL value = VARIANT_FALSE;
    VARIANT_BOOL* out() noexcept { return &value; }
    void deliver(VARIANT* result) noexcept {
        if (!result) return;
        result->vt = VT_BOOL;
        result->boolVal = value;
    }
    void discard() noexcept {}
};

template <class T, class = void>
struct IsResult : std::false_type {};
template <class T>
struct IsResult<T, std::void_t<decltype(&Result<T>::deliver)>> : std::true_type {};

template <class Method>
struct Signature;
template <class Class, class... Parameters>
struct Signature<HRESULT (STDMETHODCALLTYPE Class::*)(Parameters...)> {
    using Interface = Class;
    using All = std::tuple<Parameters...>;
    // The last parameter, or void for none.
    using Last = std::tuple_element_t<sizeof...(Parameters), std::tuple<void, Parameters...>>;
    static constexpr bool kHasResult = IsResult<Last>::value;
    static constexpr std::size_t kArguments = sizeof...(Parameters) - (kHasResult ? 1 : 0);
};

template <auto Method, std::size_t... I>
HRESULT invokeWith(IDispatch* target, [[maybe_unused]] const DISPPARAMS& params, VARIANT* result,
                   EXCEPINFO* excepInfo, [[maybe_unused]] UINT* argError, std::index_sequence<I...>) noexcept {
    using Sig = Signature<decltype(Method)>;
    std::tuple<Argument<std::tuple_element_t<I, typename Sig::All>>...> arguments;
    HRESULT hr = S_OK;
    // Read in order, stopping at the first argument that does not convert.
    ((SUCCEEDED(hr) ? (hr = std::get<I>(arguments).read(params, params.cArgs - 1 - static_cast<UINT>(I), argError))
                    : hr),
     ...);
    if (FAILED(hr)) return hr;
    auto* self = static_cast<typename Sig::Interface*>(target);
    if constexpr (Sig::kHasResult) {
        Result<typename Sig::Last> answer;
        hr = (self->*Method)(std::get<I>(arguments).value()..., answer.out());
        if (FAILED(hr)) {
            answer.discard();
            return failureAsException(hr, excepInfo);
        }
        answer.deliver(result);
    } else {
        hr = (self->*Method)(std::get<I>(arguments).value()...);
        if (FAILED(hr)) return failureAsException(hr, excepInfo);
    }
    return S_OK;
}

}  // namespace dispatch_detail

template <auto Method>
HRESULT invokeMethod(IDispatch* target, const DISPPARAMS& params, VARIANT* result, EXCEPINFO* excepInfo,
                     UINT* argError) noexcept {
    using Sig = dispatch_detail::Signature<decltype(Method)>;
    return dispatch_detail::invokeWith<Method>(target, params, result, excepInfo, argError,
                                               std::make_index_sequence<Sig::kArguments>{});
}
