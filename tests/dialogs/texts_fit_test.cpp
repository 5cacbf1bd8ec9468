// Every text of both dialogs, in every language at 96, 120 and 144 DPI,
// measured in the font its control draws it with against the control's real
// rectangle: none may be clipped. Measured as the screenshots draw them, with
// WenQuanYi Micro Hei standing in for 微软雅黑; without that font in the
// prefix the test says so and is skipped.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "dialogs/about_dialog.h"
#include "dialogs/customise_dialog.h"
#include "dialogs/gdi_handles.h"
#include "dialogs/layout.h"
#include "hostsim/dialog_user.h"
#include "support/module.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/korvanta_test.h"
#include "tests/support/language_names.h"

using namespace hostsim;
namespace layout = dialogs::layout;

namespace {

constexpr wchar_t kStandIn[] = L"WenQuanYi Micro Hei";

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Why the texts cannot be measured as the screenshots draw them; empty when they can.
std::string missingFont() {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW family{};
    family.lfCharSet = DEFAULT_CHARSET;
    wcscpy(family.lfFaceName, kStandIn);
    bool installed = false;
    EnumFontFamiliesExW(dc, &family, noteFamily, reinterpret_cast<LPARAM>(&installed), 0);
    // The dialogs ask for 微软雅黑; with the prefix's replacement its Chinese comes out.
    HFONT yaHei = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, layout::kChineseCharset, 0, 0, 0, 0, L"微软雅黑");
    HGDIOBJ before = SelectObject(dc, yaHei);
    WORD glyph = 0xFFFF;
    GetGlyphIndicesW(dc, L"繁", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, before);
    DeleteObject(yaHei);
    DeleteDC(dc);
    if (!installed) return "WenQuanYi Micro Hei is not installed (Debian's fonts-wqy-microhei, which scripts/setup.sh installs)";
    if (glyph == 0xFFFF) return "the Wine prefix does not draw 微软雅黑 as WenQuanYi Micro Hei (scripts/wine-env.sh maps it)";
    return {};
}

// The room `text` takes in `font`: on one line, or wrapped as a static control
// wraps it in `wrapWidth`, where it is the width of its widest line or word
// and the height of all its lines.
SIZE extentOf(HFONT font, const std::wstring& text, int wrapWidth = 0) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(dc, font);
    RECT box{0, 0, wrapWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, before);
    DeleteDC(dc);
    return SIZE{box.right, box.bottom};
}

void expectFits(const std::wstring& text, int needs, int room, const char* what) {
    EXPECT_LE(needs, room) << what << " of " << testing::PrintToString(text);
}

// Every text the dialog shows, against the room its control gives it. The
// insets are those of Windows' own drawing at 96 DPI, scaled: a check box's
// box and gap, a button's edges, a frame's caption indent on both sides.
void expectTextsFit(HWND dialog, const layout::DialogDesign& design, Language language, int dpi) {
    const auto scaled = [dpi](int pixels) { return layout::scalePixels(pixels, dpi); };
    for (std::size_t i = 0; i < design.controlCount; ++i) {
        const layout::ControlDesign& designed = design.controls[i];
        HWND control = GetDlgItem(dialog, designed.id);
        SCOPED_TRACE(designed.id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const auto width = [font](const std::wstring& shown) { return extentOf(font, shown).cx; };
        const SIZE client = clientSize(control);
        const std::wstring text = textOf(control);
        switch (designed.kind) {
        case layout::ControlKind::CheckBox: expectFits(text, width(text), client.cx - scaled(17), "width"); break;
        case layout::ControlKind::PushButton: expectFits(text, width(text), client.cx - scaled(8), "width"); break;
        case layout::ControlKind::GroupBox: expectFits(text, width(text), client.cx - scaled(18), "width"); break;
        case layout::ControlKind::Label: {
            const SIZE wrapped = extentOf(font, text, client.cx);
            expectFits(text, wrapped.cx, client.cx, "widest line");
            expectFits(text, wrapped.cy, client.cy, "height");
            break;
        }
        case layout::ControlKind::Link: {
            // The link's text without its mark-up.
            const std::wstring shown = designed.text.in(language);
            expectFits(shown, width(shown), client.cx, "width");
            expectFits(shown, extentOf(font, shown).cy, client.cy, "height");
            break;
        }
        case layout::ControlKind::CheckList:
            for (int item = 0; item < listCount(control); ++item) {
                RECT label{};
                label.left = LVIR_LABEL;
                SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&label));
                const std::wstring entry = listText(control, item);
                expectFits(entry, width(entry), label.right - label.left - scaled(4), "width");
            }
            break;
        case layout::ControlKind::DropDownList: {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(control, &info));
            for (int item = 0; item < SendMessageW(control, CB_GETCOUNT, 0, 0); ++item) {
                const std::wstring shown = comboText(control, item);
                expectFits(shown, width(shown), info.rcItem.right - info.rcItem.left - scaled(4), "width");
            }
            // Closed, it stays above what follows it in its frame.
            const RECT note = rectInDialog(GetDlgItem(dialog, layout::customise::kLanguageNote));
            EXPECT_LE(rectInDialog(control).bottom, note.top);
            break;
        }
        case layout::ControlKind::Picture: break;
        }
    }
    // The caption in the system's caption font at this DPI, left of the close box.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    metrics.lfCaptionFont.lfHeight = MulDiv(metrics.lfCaptionFont.lfHeight, dpi, 96);
    const dialogs::UniqueFont captionFont(CreateFontIndirectW(&metrics.lfCaptionFont));
    const std::wstring caption = textOf(dialog);
    const int closeBoxAndIcon = scaled(metrics.iCaptionWidth + GetSystemMetrics(SM_CXSMICON) + 16);
    expectFits(caption, extentOf(captionFont.get(), caption).cx, clientSize(dialog).cx - closeBoxAndIcon, "caption width");
}

class TextsFit : public korvanta_test::KorvantaTest, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        module::setInstance(GetModuleHandleW(nullptr));
        if (const std::string missing = missingFont(); !missing.empty()) {
            GTEST_SKIP() << "The dialogs' texts cannot be measured as the screenshots draw them: " << missing;
        }
    }

    void expectFitAtEachDpi(dialogs::ModalDialog& dialog, const layout::DialogDesign& design) {
        for (int dpi : {96, 120, 144}) {
            EXPECT_EQ(S_OK, korvanta_test::showAt(dialog, design, GetParam(), dpi, [&](HWND window) {
                SCOPED_TRACE(testing::Message() << dpi << " DPI");
                expectTextsFit(window, design, GetParam(), dpi);
            }));
        }
    }
};

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, testing::ValuesIn(kLanguages), korvanta_test::languageName);

TEST_P(TextsFit, InTheCustomisationDialog) {
    // A policy makes it show every text it has, the administrator's line too;
    // the drop-down's items are measured from its list.
    korvanta_test::writeRaw(HKEY_CURRENT_USER, korvanta_test::kPolicyKey, L"TabHome", REG_DWORD,
                            korvanta_test::dwordBytes(1));
    dialogs::CustomiseDialog dialog;
    expectFitAtEachDpi(dialog, layout::kCustomiseDialogWithPolicyNote);
}

TEST_P(TextsFit, InTheAboutDialog) {
    dialogs::AboutDialog dialog;
    expectFitAtEachDpi(dialog, layout::kAboutDialog);
}

}  // namespace
