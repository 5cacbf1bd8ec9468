// The About dialog `frmAbout`: logo, credits and a link to the maker's web page.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "dialogs/modal_dialog.h"

namespace dialogs {

// What the link calls to open the web page: ShellExecuteA, or a stand-in.
using ShellExecuteFunction = decltype(&ShellExecuteA);

class AboutDialog final : public ModalDialog {
public:
    AboutDialog() noexcept;

    // Replaces ShellExecuteA; the tests record its arguments instead.
    void setShellExecute(ShellExecuteFunction shellExecute) noexcept { m_shellExecute = shellExecute; }

private:
    HRESULT onLoad() override;
    void onCommand(int id, int notification) override;
    void onClose() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    HRESULT onDpiChanged() override;

    HRESULT showLogo();
    void makeSpaceOpenTheLink() noexcept;
    HRESULT setIcons() noexcept;
    void openWebPage();

    ShellExecuteFunction m_shellExecute;
    UniqueBitmap m_logo;
    UniqueIcon m_icon;
    UniqueIcon m_smallIcon;
    UniqueIcon m_handCursor;  // made from the icon; the system's hand when that fails
    HCURSOR m_linkCursor = nullptr;
};

}  // namespace dialogs
