// The customisation dialog: load shows the stored choices, OK stores all ten
// and the language and refreshes the ribbon, Cancel and the close box store
// nothing.
#include "dialogs/customise_dialog.h"

#include <commctrl.h>

#include "host/interfaces.h"
#include "dialogs/choices.h"
#include "host/ribbon_object.h"
#include "settings/settings_store.h"
#include "support/hresult.h"

namespace dialogs {

using namespace layout::customise;

CustomiseDialog::CustomiseDialog() noexcept : ModalDialog(layout::kCustomiseDialog) {}

HRESULT CustomiseDialog::onLoad() {
    settings::LoadSettings();

    HWND list = control(kListBuiltin);
    for (std::size_t k = 0; k < settings::kTabCount; ++k) {
        LVITEMW entry{};
        entry.mask = LVIF_TEXT;
        entry.iItem = static_cast<int>(k);
        entry.pszText = const_cast<wchar_t*>(kTabEntries[k].in(language()));
        if (SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry)) != static_cast<LRESULT>(k)) {
            return E_OUTOFMEMORY;
        }
    }
    fillListWidth();

    const Choices checked = choicesFromTexts(settings::SettingTexts);
    CheckDlgButton(window(), kCheckAll, checked[settings::kShowAllMenu] ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window(), kCheckRce, checked[settings::kShowRecentFiles] ? BST_CHECKED : BST_UNCHECKED);
    for (std::size_t k = 0; k < settings::kTabCount; ++k) {
        ListView_SetCheckState(list, static_cast<int>(k), checked[settings::kFirstTab + k] ? TRUE : FALSE);
    }

    RETURN_IF_FAILED(fillLanguages());

    // Enter presses 确定 wherever the focus is but on another push button, as
    // in every Windows dialog; Esc is 取消 (onCommand).
    SendMessageW(window(), DM_SETDEFID, kCommandOk, 0);
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(kCheckAll)), TRUE);
    return S_OK;
}

HRESULT CustomiseDialog::fillLanguages() {
    HWND languages = control(kLanguageList);
    for (const LanguageItem& item : kLanguageItems) {
        const LRESULT added = SendMessageW(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.in(language())));
        if (added == CB_ERR || added == CB_ERRSPACE) return E_OUTOFMEMORY;
    }
    SendMessageW(languages, CB_SETCURSEL, languageItemOf(settings::ReadLanguageChoice()), 0);
    return S_OK;
}

// The one column fills the list, beside the scroll bar when there is one.
void CustomiseDialog::fillListWidth() noexcept {
    SendMessageW(control(kListBuiltin), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
}

HRESULT CustomiseDialog::onDpiChanged() {
    fillListWidth();
    return S_OK;
}

void CustomiseDialog::onCommand(int id, int notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
    case kCommandCheckAll:
        checkAllTabs(true);
        break;
    case kCommandUnCheckAll:
        checkAllTabs(false);
        break;
    case kCommandOk:
        store();
        unload();
        break;
    case kCommandCancel:
    case IDCANCEL:  // Esc, from the dialog manager
        unload();
        break;
    default:
        break;
    }
}

void CustomiseDialog::onClose() { unload(); }

void CustomiseDialog::checkAllTabs(bool checked) noexcept {
    HWND list = control(kListBuiltin);
    for (std::size_t k = 0; k < settings::kTabCount; ++k) {
        ListView_SetCheckState(list, static_cast<int>(k), checked ? TRUE : FALSE);
    }
}

void CustomiseDialog::store() {
    Choices checked{};
    checked[settings::kShowAllMenu] = IsDlgButtonChecked(window(), kCheckAll) == BST_CHECKED;
    checked[settings::kShowRecentFiles] = IsDlgButtonChecked(window(), kCheckRce) == BST_CHECKED;
    HWND list = control(kListBuiltin);
    for (std::size_t k = 0; k < settings::kTabCount; ++k) {
        checked[settings::kFirstTab + k] = ListView_GetCheckState(list, static_cast<int>(k)) != 0;
    }

    // All ten, changed or not, in table order. SettingFlags follows the choice
    // even when the registry refuses it, so the ribbon shows what was chosen.
    for (std::size_t i = 0; i < kChoiceCount; ++i) {
        settings::SettingFlags[i] = checked[i] ? VARIANT_TRUE : VARIANT_FALSE;
        settings::WriteSetting(HKEY_CURRENT_USER, settings::kSettingsSubKey, settings::kSettings[i].name,
                               storedText(checked[i]));
    }
    // Then the language the drop-down shows: the ribbon takes it when Excel
    // next starts, the dialogs when they next open.
    const LRESULT item = SendMessageW(control(kLanguageList), CB_GETCURSEL, 0, 0);
    if (item >= 0 && static_cast<std::size_t>(item) < kLanguageItemCount) {
        settings::WriteLanguageChoice(kLanguageItems[item].choice);
    }

    // The whole ribbon asks its callbacks again. Without a ribbon (Office never
    // called onLoad) there is nothing to refresh; a refusal changes nothing
    // that was stored, so the dialog closes regardless.
    if (const ComPtr<IRibbonUI> ribbon = ribbon::ribbonObject()) ribbon->Invalidate();
}

}  // namespace dialogs
