// The calls the add-in makes into the simulated host, counted in the order it
// makes them, with a trigger that fails one of them by its number. Every fake
// of Excel and Office passes its entry points through here, so that one count
// covers the whole host; the numbering is process-wide because the add-in
// meets several fakes (Excel, its collections, the ribbon, each control).
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace hostsim {

// Counting is off until a test starts it, so that the other tests, the demo
// and the benchmark pay nothing for it.
class HostCalls {
public:
    // Starts counting from 0 with nothing to fail.
    static void start();
    // Stops counting and failing.
    static void stop();
    // Call `number` (1-based) fails with `failure`; a host member whose
    // contract allows only one failure code answers that code instead.
    static void failCall(std::size_t number, HRESULT failure);

    // Counts one call and answers the failure it is to give, or S_OK.
    static HRESULT enter(const wchar_t* name);
    // For members with a fixed failure code (QueryInterface answers only
    // E_NOINTERFACE), the code to give when the call is to fail.
    static HRESULT enter(const wchar_t* name, HRESULT onlyFailure);

    static std::size_t count();
    // Names of the calls counted so far, in order: "Application.Caption", ...
    static const std::vector<std::wstring>& names();
    // The failure actually given, S_OK while none was.
    static HRESULT injected();
};

}  // namespace hostsim
