// What the dialogs' tests check of a shown dialog, whichever it is: its layout
// and fonts at a DPI, which common controls it is made of, its DPI awareness.
#pragma once
#include <windows.h>

#include "dialogs/layout.h"

namespace korvanta_test {

// Every control at its design box and with its design font, converted at
// `dpi`; the client area `client` pixels (given as numbers, so that the
// dialog's own conversion is not what checks it).
void expectLaidOutAt(HWND dialog, const dialogs::layout::DialogDesign& design, int dpi, SIZE client,
                     const char* file = __builtin_FILE(), int line = __builtin_LINE());

// A button of Common Controls 6: only that version answers BCM_GETIDEALSIZE.
bool isVersion6Button(HWND button);
// The same question of a button this thread makes with no activation context
// of the dialogs' own: the test program's manifest asks for no version 6.
bool hostMakesVersion6Buttons();

// Sends what Windows sends when the dialog lands on a monitor of `dpi`, with
// the rectangle it suggests.
void changeDpi(HWND dialog, int dpi, RECT suggested);

// Windows 10's DPI awareness functions, looked up as the DLL looks them up;
// `available` is false where Windows (or Wine) lacks them.
struct DpiAwareness {
    DpiAwareness();
    bool available = false;
    DPI_AWARENESS_CONTEXT (WINAPI* setThread)(DPI_AWARENESS_CONTEXT) = nullptr;
    DPI_AWARENESS_CONTEXT (WINAPI* ofThread)() = nullptr;
    DPI_AWARENESS_CONTEXT (WINAPI* ofWindow)(HWND) = nullptr;
    BOOL (WINAPI* equal)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
    bool perMonitor(HWND window) const;
};

}  // namespace korvanta_test
