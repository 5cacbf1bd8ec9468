// Office's way of calling callbacks.
#include "hostsim/office_caller.h"

namespace hostsim {

CallbackResult invokeMember(IDispatch* addin, DISPID id, WORD flags, VARIANT* rgvarg, UINT count) {
    CallbackResult outcome;
    DISPPARAMS params{rgvarg, nullptr, count, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    outcome.hr = addin->Invoke(id, IID_NULL, 1033, flags, &params, &result, &exception, &outcome.argError);
    outcome.type = result.vt;
    if (result.vt == VT_BOOL) outcome.boolean = result.boolVal;
    if (result.vt == VT_BSTR && result.bstrVal) outcome.text.assign(result.bstrVal, SysStringLen(result.bstrVal));
    if (outcome.hr == DISP_E_EXCEPTION) {
        outcome.scode = exception.scode;
        if (exception.bstrSource) outcome.source = exception.bstrSource;
        if (exception.bstrDescription) outcome.description = exception.bstrDescription;
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    VariantClear(&result);
    return outcome;
}

CallbackResult callCallback(IDispatch* addin, const wchar_t* name, IDispatch* argument) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT found = addin->GetIDsOfNames(IID_NULL, names, 1, 1033, &id);
    if (FAILED(found)) {
        CallbackResult outcome;
        outcome.hr = found;
        return outcome;
    }
    VARIANT control;
    control.vt = VT_DISPATCH;
    control.pdispVal = argument;
    return invokeMember(addin, id, DISPATCH_METHOD, argument ? &control : nullptr, argument ? 1 : 0);
}

}  // namespace hostsim
