// The customisation dialog: load shows the choices in force (those that a
// policy sets disabled), OK stores every choice the user may make, the
// language among them, and refreshes the ribbon; Cancel and the close box
// store nothing.
#include "dialogs/customise_dialog.h"

#include <commctrl.h>

#include "host/interfaces.h"
#include "dialogs/choices.h"
#include "host/ribbon_object.h"
#include "settings/settings_store.h"
#include "support/hresult.h"

namespace dialogs {

using namespace layout::customise;

// The design, with or without the note's line, is chosen before the window
// exists; load reads the policies again a moment later. Reading them may run
// out of memory, which the add-in's entry turns into E_OUTOFMEMORY.
CustomiseDialog::CustomiseDialog()
    : ModalDialog(settings::AnySettingEnforced() ? layout::kCustomiseDialogWithPolicyNote : layout::kCustomiseDialog) {}

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
    lockEnforcedChoices();

    RETURN_IF_FAILED(fillLanguages());

    // Enter presses 确定 wherever the focus is but on another push button, as
    // in every Windows dialog; Esc is 取消 (onCommand). The focus starts on
    // the first choice the user may change.
    SendMessageW(window(), DM_SETDEFID, kCommandOk, 0);
    HWND first = control(kCheckAll);
    if (!IsWindowEnabled(first)) first = GetNextDlgTabItem(window(), first, FALSE);
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    return S_OK;
}

HRESULT CustomiseDialog::fillLanguages() {
    HWND languages = control(kLanguageList);
    for (const LanguageItem& item : kLanguageItems) {
        const LRESULT added = SendMessageW(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.in(language())));
        if (added == CB_ERR || added == CB_ERRSPACE) return E_OUTOFMEMORY;
    }
    const settings::LanguageInForce inForce = settings::ReadLanguageChoice();
    SendMessageW(languages, CB_SETCURSEL, languageItemOf(inForce.choice), 0);
    // A policy's language shows as the policy sets it, and cannot be changed.
    m_languageEnforced = inForce.enforced;
    EnableWindow(languages, !m_languageEnforced);
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

void CustomiseDialog::lockEnforcedChoices() noexcept {
    const auto& enforced = settings::SettingEnforced;
    EnableWindow(control(kCheckAll), !enforced[settings::kShowAllMenu]);
    EnableWindow(control(kCheckRce), !enforced[settings::kShowRecentFiles]);
    m_entriesLocked = true;
}

bool CustomiseDialog::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY || !m_entriesLocked) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != static_cast<UINT_PTR>(kListBuiltin)) return false;
    const auto locked = [](std::size_t k) {
        return k < settings::kTabCount && settings::SettingEnforced[settings::kFirstTab + k];
    };
    if (header->code == LVN_ITEMCHANGING) {
        // A list view cannot disable one entry: a locked entry refuses any
        // new check mark, from the mouse, the space bar or SetCheckState.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        const UINT newMark = change->uNewState & LVIS_STATEIMAGEMASK;
        result = (change->uChanged & LVIF_STATE) && newMark && newMark != (change->uOldState & LVIS_STATEIMAGEMASK) &&
                 locked(static_cast<std::size_t>(change->iItem));
        return true;
    }
    if (header->code == NM_CUSTOMDRAW) {
        // Locked entries are drawn in the system's colour for disabled text.
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && locked(draw->nmcd.dwItemSpec)) {
            draw->clrText = GetSysColor(COLOR_GRAYTEXT);
            result = CDRF_NEWFONT;
        } else {
            result = CDRF_DODEFAULT;
        }
        return true;
    }
    return false;
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

    // All ten, changed or not, in table order, but those that a policy sets:
    // they keep the policy's state and the user's own value stays as it was.
    // SettingFlags follows the choice even when the registry refuses it, so
    // the ribbon shows what was chosen.
    for (std::size_t i = 0; i < kChoiceCount; ++i) {
        if (settings::SettingEnforced[i]) continue;
        settings::SettingFlags[i] = checked[i] ? VARIANT_TRUE : VARIANT_FALSE;
        settings::WriteSetting(HKEY_CURRENT_USER, settings::kSettingsSubKey, settings::kSettings[i].name,
                               storedText(checked[i]));
    }
    // Then the language the drop-down shows, unless a policy sets it: the
    // ribbon takes it when Excel next starts, the dialogs when they next open.
    const LRESULT item = SendMessageW(control(kLanguageList), CB_GETCURSEL, 0, 0);
    if (!m_languageEnforced && item >= 0 && static_cast<std::size_t>(item) < kLanguageItemCount) {
        settings::WriteLanguageChoice(kLanguageItems[item].choice);
    }

    // The whole ribbon asks its callbacks again. Without a ribbon (Office never
    // called onLoad) there is nothing to refresh; a refusal changes nothing
    // that was stored, so the dialog closes regardless.
    if (const ComPtr<IRibbonUI> ribbon = ribbon::ribbonObject()) ribbon->Invalidate();
}

}  // namespace dialogs
