// Error information for the callers of the add-in's COM entries: the thread's
// error object for vtable callers, EXCEPINFO for IDispatch callers.
//
// Code below the add-in object describes a failure (reportFailure,
// RETURN_HR_IF_MSG); only the COM entry the caller came through knows which
// interface that was, so comEntry names it on the error object.
#pragma once
#include <oaidl.h>

#include <atomic>
#include <new>
#include <string_view>

// Every error the add-in reports names this source.
inline constexpr wchar_t kErrorSource[] = L"Korvanta";

// Sets the thread's error object (source and description) and returns hr.
// `detail`, when given, is the host's own description of the failure.
HRESULT reportFailure(HRESULT hr, std::wstring_view description, std::wstring_view detail = {}) noexcept;

// When `condition` holds: describes the failure and returns hr from the caller.
#define RETURN_HR_IF_MSG(hr, condition, description)          \
    do {                                                      \
        if (condition) return reportFailure((hr), (description)); \
    } while (0)

// When `expr` fails: describes the failure and returns it from the caller.
#define RETURN_IF_FAILED_MSG(expr, description)                                   \
    do {                                                                         \
        const HRESULT hrReturnIfFailedMsg_ = (expr);                             \
        if (FAILED(hrReturnIfFailedMsg_)) return reportFailure(hrReturnIfFailedMsg_, (description)); \
    } while (0)

// How many failures reportFailure has described so far. An entry compares it
// before and after its body: a failure that nothing described must not pass
// on an error object an earlier call left on the thread.
extern std::atomic<unsigned> g_describedFailures;

// Names `iid` as the failing interface on the thread's error object and
// returns hr. `described` false: nothing described this failure, so it is
// described by its code alone.
HRESULT nameFailingInterface(HRESULT hr, REFIID iid, bool described) noexcept;

// Turns the failure of a member called through IDispatch::Invoke into
// DISP_E_EXCEPTION with EXCEPINFO filled from the thread's error object.
// Without an EXCEPINFO the caller gets hr itself.
HRESULT failureAsException(HRESULT hr, EXCEPINFO* excepInfo) noexcept;

// Runs the body of a COM entry of interface `iid`: no C++ exception crosses
// the COM boundary, and a failure's error object names `iid`.
template <class Body>
HRESULT comEntry(REFIID iid, Body&& body) noexcept {
    const unsigned describedBefore = g_describedFailures.load(std::memory_order_relaxed);
    HRESULT hr;
    try {
        hr = body();
    } catch (const std::bad_alloc&) {
        hr = reportFailure(E_OUTOFMEMORY, L"Out of memory");
    } catch (...) {
        hr = reportFailure(E_UNEXPECTED, L"Unexpected failure");
    }
    if (SUCCEEDED(hr)) return hr;
    return nameFailingInterface(hr, iid, g_describedFailures.load(std::memory_order_relaxed) != describedBefore);
}
