// The window of this Excel that owns a dialog of the add-in, looked up each time
// a dialog opens: Excel 2013 and later show every workbook in a top-level
// window of its own, open and close them while they run, and give none of them
// Application.Caption as its title.
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace excel {

// The first of these that is a live, visible, top-level XLMAIN window of this
// process: the calling thread's active window, Application.Hwnd, and the
// window titled as Application.Caption. Null when none is. Excel failing to
// answer Hwnd or Caption only passes that candidate over, leaving no error
// information behind: a dialog without an owner still opens. Only running out
// of memory is thrown (std::bad_alloc).
HWND dialogOwner(IDispatch* application);

}  // namespace excel
