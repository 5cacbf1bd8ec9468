// The customisation dialog `custom`: which built-in tabs, whether the combined
// menu and whether the recent files are shown, and the language of Korvanta's
// own texts.
#pragma once
#include "dialogs/modal_dialog.h"

namespace dialogs {

class CustomiseDialog final : public ModalDialog {
public:
    CustomiseDialog();

private:
    HRESULT onLoad() override;
    void onCommand(int id, int notification) override;
    void onClose() override;
    HRESULT onDpiChanged() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    HRESULT fillLanguages();
    void fillListWidth() noexcept;
    void checkAllTabs(bool checked) noexcept;
    void lockEnforcedChoices() noexcept;
    void store();

    // From the end of load on, the list entries whose check mark a policy
    // sets keep it: no click, key or 全选/全不选 changes them.
    bool m_entriesLocked = false;
    // A policy sets the language: the drop-down shows it, disabled, and OK
    // leaves the user's own choice as it was.
    bool m_languageEnforced = false;
};

}  // namespace dialogs
