// The About dialog `frmAbout`: logo, credits and a link to the maker's web page.
#pragma once
#include "dialogs/modal_dialog.h"

namespace dialogs {

// Opens an address (in the ANSI code page) in the user's browser.
using WebPageOpener = void (*)(const char* address);

class AboutDialog final : public ModalDialog {
public:
    AboutDialog() noexcept;

    // Replaces the browser; the tests record the addresses instead.
    void setWebPageOpener(WebPageOpener opener) noexcept { m_openWebPage = opener; }

private:
    HRESULT onLoad() override;
    void onCommand(int id, int notification) override;
    void onClose() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    HRESULT showLogo();
    HRESULT setIcons() noexcept;
    void openWebPage();

    WebPageOpener m_openWebPage;
    UniqueBitmap m_logo;
    UniqueIcon m_icon;
    UniqueIcon m_smallIcon;
    UniqueIcon m_handCursor;  // made from the icon; the system's hand when that fails
    HCURSOR m_linkCursor = nullptr;
};

}  // namespace dialogs
