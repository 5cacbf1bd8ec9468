// Error information for the callers of the add-in's COM entries: the thread's
// error object for vtable callers, EXCEPINFO for IDispatch callers.
#pragma once
#include <oaidl.h>

#include <new>
#include <string_view>

// Every error the add-in reports names this source.
inline constexpr wchar_t kErrorSource[] = L"Korvanta";

// Sets the thread's error object (source, interface, description) and returns hr.
// `detail`, when given, is the host's own description of the failure.
HRESULT reportError(HRESULT hr, REFIID iid, std::wstring_view description,
                    std::wstring_view detail = {}) noexcept;

// Turns the failure of a member called through IDispatch::Invoke into
// DISP_E_EXCEPTION with EXCEPINFO filled from the thread's error object.
// Without an EXCEPINFO the caller gets hr itself.
HRESULT failureAsException(HRESULT hr, EXCEPINFO* excepInfo) noexcept;

// Runs a COM entry's body; no C++ exception crosses the COM boundary.
template <class Body>
HRESULT guardComEntry(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
