// The one family of early-return macros for HRESULTs. The forms that also
// describe the failure for the caller, RETURN_HR_IF_MSG and
// RETURN_IF_FAILED_MSG, are in support/error_info.h.
#pragma once
#include <winerror.h>

#define RETURN_IF_FAILED(expr)                                  \
    do {                                                        \
        const HRESULT hrReturnIfFailed_ = (expr);               \
        if (FAILED(hrReturnIfFailed_)) return hrReturnIfFailed_; \
    } while (0)

#define RETURN_HR_IF(hr, condition)     \
    do {                                \
        if (condition) return (hr);     \
    } while (0)

#define RETURN_IF_NULL_ALLOC(pointer) RETURN_HR_IF(E_OUTOFMEMORY, !(pointer))

// Win32 status codes are positive: compare with ERROR_SUCCESS, never with < 0.
#define RETURN_IF_WIN32_ERROR(expr)                                        \
    do {                                                                   \
        const LONG statusReturnIf_ = (expr);                               \
        if (statusReturnIf_ != ERROR_SUCCESS)                              \
            return HRESULT_FROM_WIN32(static_cast<DWORD>(statusReturnIf_)); \
    } while (0)
