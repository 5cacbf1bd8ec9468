// The customisation dialog `custom`: which built-in tabs, whether the combined
// menu and whether the recent files are shown, and the language of Korvanta's
// own texts.
#pragma once
#include "dialogs/modal_dialog.h"

namespace dialogs {

class CustomiseDialog final : public ModalDialog {
public:
    CustomiseDialog() noexcept;

private:
    HRESULT onLoad() override;
    void onCommand(int id, int notification) override;
    void onClose() override;
    HRESULT onDpiChanged() override;

    HRESULT fillLanguages();
    void fillListWidth() noexcept;
    void checkAllTabs(bool checked) noexcept;
    void store();
};

}  // namespace dialogs
