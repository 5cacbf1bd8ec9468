// Calls the add-in's ribbon callbacks the way Office does: GetIDsOfNames with
// the name written in the XML, then Invoke(DISPATCH_METHOD) with the ribbon or
// control as a plain VT_DISPATCH argument, the value read from pVarResult.
#pragma once
#include <oaidl.h>

#include <string>

namespace hostsim {

struct CallbackResult {
    HRESULT hr = E_FAIL;  // what GetIDsOfNames or Invoke answered
    VARTYPE type = VT_EMPTY;
    VARIANT_BOOL boolean = VARIANT_FALSE;
    std::wstring text;
    // From EXCEPINFO when Invoke answered DISP_E_EXCEPTION.
    SCODE scode = S_OK;
    std::wstring source;
    std::wstring description;
    UINT argError = ~0u;
};

// `argument` null: the callback is called without an argument (GetRibbonXML).
CallbackResult callCallback(IDispatch* addin, const wchar_t* name, IDispatch* argument);
// Invoke with arguments already in rgvarg order, for the argument-form tests.
CallbackResult invokeMember(IDispatch* addin, DISPID id, WORD flags, VARIANT* rgvarg, UINT count);

}  // namespace hostsim
