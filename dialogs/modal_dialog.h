// ModalDialog: what the two dialogs share. One instance is one opening: the
// opener sets the inputs, shows it modally, and destroys it afterwards.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "dialogs/gdi_handles.h"
#include "dialogs/layout.h"
#include "support/com_ptr.h"

namespace dialogs {

class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;
    virtual ~ModalDialog();

    // SetHostApplication: held until unload; the dialog calls nothing on it.
    void setHostApplication(IDispatch* application) noexcept;
    // SetOwnerWindow: the window that owns the dialog while it is loaded (may be null).
    void setOwnerWindow(HWND owner) noexcept;
    // The DPI the layout is converted at; 0, the default, takes that of the
    // owner's monitor.
    void setLayoutDpi(int dpi) noexcept;
    // The language of its texts; Simplified Chinese unless set.
    void setLanguage(Language language) noexcept;
    // Whether high contrast is on; the default asks Windows (SPI_GETHIGHCONTRAST).
    using HighContrastQuery = bool (*)() noexcept;
    void setHighContrastQuery(HighContrastQuery query) noexcept { m_highContrastQuery = query; }

    // Loads the dialog, runs it modally and returns once it is unloaded. A
    // failure to create or load it is returned; nothing is shown to the user.
    // While loaded it is modal to every window of the calling thread.
    HRESULT showModal();
    // While it shows: puts the dialog in front of every other window.
    void bringToFront() noexcept;
    // Ends the modal show as Cancel and the close box do, storing nothing;
    // asked before load has run, the dialog ends as soon as it has.
    void endAsCancel() noexcept;

    // The owner that load replaced, kept until unload gives it back.
    HWND previousOwner() const noexcept { return m_previousOwner; }
    bool holdsHostApplication() const noexcept { return static_cast<bool>(m_hostApplication); }

protected:
    explicit ModalDialog(const layout::DialogDesign& design) noexcept;

    // The dialog's own part of load, after its windows exist.
    virtual HRESULT onLoad() = 0;
    // A WM_COMMAND from a control or from the dialog manager (Enter: IDOK, Esc: IDCANCEL).
    virtual void onCommand(int id, int notification) = 0;
    // The close box, Alt+F4 and the system menu's Close.
    virtual void onClose() = 0;
    // Any other message; true when handled, with `result` as the dialog procedure's answer.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // After the windows and fonts have been laid out at a new DPI: what the
    // dialog draws at a size of its own follows.
    virtual HRESULT onDpiChanged() { return S_OK; }

    // Unload: the previous owner given back, the host application released, the
    // modal show ended. Runs once; later calls do nothing.
    void unload() noexcept;

    HWND window() const noexcept { return m_window; }
    HWND control(int id) const noexcept { return GetDlgItem(m_window, id); }
    int dpi() const noexcept { return m_dpi; }
    Language language() const noexcept { return m_language; }
    bool highContrast() const noexcept { return m_highContrast; }
    const layout::DialogDesign& design() const noexcept { return m_design; }
    layout::PixelRect pixels(const layout::TwipsRect& box) const noexcept { return layout::toPixels(box, m_dpi); }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    HRESULT load();
    void takeOwner();
    void enableDisabledWindows() noexcept;
    void placeWindow() noexcept;
    HRESULT createControls();
    HRESULT setFont(HWND child, const layout::ControlDesign& control);
    HFONT fontFor(const layout::FontDesign* font);
    bool paintLines();
    void drawLines(HDC dc) noexcept;
    bool colourControl(UINT message, HDC dc, HWND control, INT_PTR& result) noexcept;
    // DPI changes, system colours and high contrast while the dialog is shown.
    bool handleDisplayChange(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    SIZE frameSize(int dpi) const noexcept;
    void moveWithinWorkArea(int x, int y, SIZE size, const RECT& onMonitorOf) noexcept;
    HRESULT layOutAgain(int dpi);
    void followSystemColours(bool coloursChanged) noexcept;

    const layout::DialogDesign& m_design;
    ComPtr<IDispatch> m_hostApplication;
    HWND m_ownerWindow = nullptr;
    HWND m_previousOwner = nullptr;
    int m_requestedDpi = 0;
    Language m_language = Language::SimplifiedChinese;
    int m_dpi = layout::kDesignDpi;
    HighContrastQuery m_highContrastQuery;
    bool m_highContrast = false;

    HWND m_window = nullptr;
    bool m_loaded = false;
    bool m_endRequested = false;
    // The windows load disabled, exactly those, for unload to enable again.
    std::vector<HWND> m_disabled;
    HRESULT m_failure = S_OK;
    struct Font {
        const layout::FontDesign* design;
        UniqueFont font;
    };
    std::vector<Font> m_fonts;
};

}  // namespace dialogs
