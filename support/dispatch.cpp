// IDispatch building blocks.
#include "support/dispatch.h"

#include "support/bstr.h"
#include "support/hresult.h"

namespace {

// Excel's object model is called in US English, as its own automation clients do.
constexpr LCID kHostLcid = 1033;

wchar_t asciiLower(wchar_t c) noexcept { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// The VARIANT that an argument stands for, looking through a by-reference VARIANT.
const VARIANT* unwrapped(const VARIANT& argument) noexcept {
    if (argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal) return argument.pvarVal;
    return &argument;
}

HRESULT typeMismatch(UINT index, UINT* argError) noexcept {
    if (argError) *argError = index;
    return DISP_E_TYPEMISMATCH;
}

}  // namespace

bool sameNameIgnoringCase(const wchar_t* a, const wchar_t* b) noexcept {
    for (; *a && *b; ++a, ++b) {
        if (asciiLower(*a) != asciiLower(*b)) return false;
    }
    return *a == *b;
}

HRESULT idsOfNames(const DispatchMember* members, std::size_t memberCount, REFIID riid, LPOLESTR* names,
                   UINT nameCount, DISPID* ids) noexcept {
    RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, riid != IID_NULL);
    RETURN_HR_IF(E_POINTER, !names || !ids);
    RETURN_HR_IF(E_INVALIDARG, nameCount == 0);
    for (UINT i = 0; i < nameCount; ++i) ids[i] = DISPID_UNKNOWN;
    RETURN_HR_IF(DISP_E_UNKNOWNNAME, !names[0]);

    const DispatchMember* found = nullptr;
    for (std::size_t i = 0; i < memberCount && !found; ++i) {
        if (sameNameIgnoringCase(names[0], members[i].name)) found = &members[i];
    }
    RETURN_HR_IF(DISP_E_UNKNOWNNAME, !found);
    ids[0] = found->id;

    HRESULT hr = S_OK;
    for (UINT i = 1; i < nameCount; ++i) {
        for (UINT k = 0; k < found->parameterCount && names[i]; ++k) {
            if (sameNameIgnoringCase(names[i], found->parameters[k])) ids[i] = static_cast<DISPID>(k);
        }
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

const DispatchMember* findMember(const DispatchMember* members, std::size_t memberCount, DISPID id) noexcept {
    for (std::size_t i = 0; i < memberCount; ++i) {
        if (members[i].id == id) return &members[i];
    }
    return nullptr;
}

HRESULT checkMethodCall(const DispatchMember& member, REFIID riid, WORD flags, const DISPPARAMS* params) noexcept {
    RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, riid != IID_NULL);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, !(flags & DISPATCH_METHOD));
    RETURN_HR_IF(E_INVALIDARG, !params);
    RETURN_HR_IF(DISP_E_BADPARAMCOUNT, params->cArgs != member.parameterCount);
    RETURN_HR_IF(E_INVALIDARG, params->cNamedArgs > params->cArgs);
    // Arguments are taken by position; a name is accepted only where it cannot
    // change the order: the one argument of a one-argument member.
    if (params->cNamedArgs > 0) {
        RETURN_HR_IF(DISP_E_NONAMEDARGS, member.parameterCount != 1);
        RETURN_HR_IF(DISP_E_PARAMNOTFOUND, !params->rgdispidNamedArgs || params->rgdispidNamedArgs[0] != 0);
    }
    RETURN_HR_IF(E_INVALIDARG, params->cArgs > 0 && !params->rgvarg);
    return S_OK;
}

HRESULT interfaceArgument(const DISPPARAMS& params, UINT index, REFIID iid, void** out, UINT* argError) noexcept {
    *out = nullptr;
    const VARIANT* argument = unwrapped(params.rgvarg[index]);
    IUnknown* object = nullptr;
    switch (argument->vt) {
    case VT_DISPATCH: object = argument->pdispVal; break;
    case VT_UNKNOWN: object = argument->punkVal; break;
    // A by-reference form must refer to the caller's variable. One that refers
    // to nothing is malformed, and every member refuses it alike, whether or
    // not it goes on to read the object.
    case VT_DISPATCH | VT_BYREF:
        if (!argument->ppdispVal) return typeMismatch(index, argError);
        object = *argument->ppdispVal;
        break;
    case VT_UNKNOWN | VT_BYREF:
        if (!argument->ppunkVal) return typeMismatch(index, argError);
        object = *argument->ppunkVal;
        break;
    default:
        return typeMismatch(index, argError);
    }
    if (!object) return S_OK;
    if (FAILED(object->QueryInterface(iid, out))) {
        *out = nullptr;
        return typeMismatch(index, argError);
    }
    return S_OK;
}

HRESULT stringArgument(const DISPPARAMS& params, UINT index, BSTR* out, UINT* argError) noexcept {
    *out = nullptr;
    Variant text;
    const HRESULT hr = VariantChangeType(text.put(), const_cast<VARIANT*>(unwrapped(params.rgvarg[index])), 0, VT_BSTR);
    if (FAILED(hr)) {
        if (argError) *argError = index;
        return DISP_E_TYPEMISMATCH;
    }
    *out = text.get()->bstrVal;
    text.get()->vt = VT_EMPTY;  // ownership moved to *out
    return S_OK;
}

HRESULT callDispatch(IDispatch* target, DISPID member, WORD flags, VARIANT* arguments, UINT argumentCount,
                     VARIANT* result, std::wstring& failureDetail) noexcept {
    RETURN_HR_IF(E_POINTER, !target);
    constexpr UINT kMaxArguments = 16;
    RETURN_HR_IF(E_INVALIDARG, argumentCount > kMaxArguments);
    // IDispatch takes its arguments last to first.
    VARIANT reversed[kMaxArguments];
    for (UINT i = 0; i < argumentCount; ++i) reversed[i] = arguments[argumentCount - 1 - i];
    DISPPARAMS params{argumentCount ? reversed : nullptr, nullptr, argumentCount, 0};

    EXCEPINFO exception{};
    UINT argError = 0;
    HRESULT hr = target->Invoke(member, IID_NULL, kHostLcid, flags, &params, result, &exception, &argError);
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        if (FAILED(exception.scode)) hr = exception.scode;
        try {
            failureDetail.assign(exception.bstrDescription ? exception.bstrDescription : L"");
        } catch (...) {
        }
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

HRESULT dispatchTypeInfoCount(const DispatchInterface& table, UINT* count) noexcept {
    RETURN_HR_IF(E_POINTER, !count);
    *count = table.typeInfo ? 1 : 0;
    return S_OK;
}

HRESULT dispatchInvoke(const DispatchInterface& table, IDispatch* target, DISPID id, REFIID riid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) noexcept {
    const DispatchMember* member = findMember(table.members, table.memberCount, id);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, !member);
    RETURN_IF_FAILED(checkMethodCall(*member, riid, flags, params));
    if (result) VariantInit(result);
    return member->invoke(target, *params, result, excepInfo, argError);
}
