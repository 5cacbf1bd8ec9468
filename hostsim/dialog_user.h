// A user for the modal dialogs: while the host's thread runs a dialog's modal
// loop, a second thread finds the dialog and works it through its windows, as
// a person with mouse and keyboard would.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace hostsim {

// Runs `show` on this thread while `user` acts on a second one. A dialog that
// `user` leaves open is closed through its close box, so a failing test cannot
// hang in the modal loop.
HRESULT showWhile(const std::function<HRESULT()>& show, const std::function<void()>& user);

// Calls into the add-in made on the host's thread from inside whatever message
// loop it runs, a dialog's modal loop included, as a ribbon click or Excel's
// own shutdown reaches the add-in while a dialog shows. Made on the host's
// thread; `run` is called from the user's.
class HostThreadCalls {
public:
    HostThreadCalls();
    ~HostThreadCalls();
    HostThreadCalls(const HostThreadCalls&) = delete;
    HostThreadCalls& operator=(const HostThreadCalls&) = delete;
    // Runs `work` on the host's thread and returns once it has run.
    void run(const std::function<void()>& work) const;

private:
    HWND m_window;
};

// The visible dialog with this caption, once it is shown; null after 5 s.
HWND waitForDialog(const wchar_t* caption);
// Polls `condition` until it holds; false after 5 s.
bool waitUntil(const std::function<bool()>& condition);

std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// A control's window rectangle in its dialog's client coordinates.
RECT rectInDialog(HWND control);
SIZE clientSize(HWND window);
LOGFONTW fontOf(HWND control);
HWND focusOf(HWND dialog);

// Keys as the keyboard delivers them: posted to the control with the focus.
void pressKey(HWND dialog, UINT key);
// Tab, then waits until focus has left the control that had it.
HWND pressTab(HWND dialog);
// Left click inside a control.
void clickAt(HWND control);
// The close box of the title bar.
void clickCloseBox(HWND dialog);

int listCount(HWND list);
std::wstring listText(HWND list, int index);
bool listChecked(HWND list, int index);
// An item of a combo box's list.
std::wstring comboText(HWND comboBox, int index);

}  // namespace hostsim
