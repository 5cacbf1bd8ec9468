// The layout arithmetic and tables, and the dialog's reading of stored texts.
// Pure: builds natively as well as for Windows.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/choices.h"
#include "dialogs/layout.h"

using namespace dialogs::layout;

namespace {

std::vector<int> idsInTabOrder(const DialogDesign& dialog) {
    std::vector<std::size_t> order(dialog.controlCount);
    tabOrder(dialog, order.data());
    std::vector<int> ids;
    for (std::size_t index : order) ids.push_back(dialog.controls[index].id);
    return ids;
}

TEST(Layout, TwipsBecomePixelsRoundedToTheNearest) {
    EXPECT_EQ(1, twipsToPixels(15, 96));
    EXPECT_EQ(0, twipsToPixels(7, 96));
    EXPECT_EQ(1, twipsToPixels(8, 96));
    EXPECT_EQ(377, twipsToPixels(5654, 96));
    EXPECT_EQ(-1, twipsToPixels(-8, 96));
    EXPECT_EQ(309, twipsToPixels(3705, 120));
    EXPECT_EQ(288, twipsToPixels(3450, 120));  // 287.5
    EXPECT_EQ(371, twipsToPixels(3705, 144));
    // Large values do not overflow on the way.
    EXPECT_EQ(2000000, twipsToPixels(30000000, 96));
}

TEST(Layout, RectanglesConvertTheirEdgesSoNeighboursStillTouch) {
    // 120 DPI: 12 twips a pixel. Left 6 -> 1 (0.5 rounds up), right 18 -> 2 (1.5).
    const PixelRect box = toPixels(TwipsRect{6, 6, 12, 30}, 120);
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(2, box.right);
    EXPECT_EQ(3, box.bottom);
    const PixelRect next = toPixels(TwipsRect{18, 6, 12, 30}, 120);
    EXPECT_EQ(box.right, next.left);
}

TEST(Layout, FontSizesAndLineWidthsScaleWithTheDpi) {
    EXPECT_EQ(-12, fontHeight(90, 96));
    EXPECT_EQ(-14, fontHeight(105, 96));
    EXPECT_EQ(-24, fontHeight(180, 96));
    EXPECT_EQ(-15, fontHeight(90, 120));
    EXPECT_EQ(-18, fontHeight(105, 120));
    EXPECT_EQ(-18, fontHeight(90, 144));
    EXPECT_EQ(2, scalePixels(2, 96));
    EXPECT_EQ(1, scalePixels(1, 120));
    EXPECT_EQ(3, scalePixels(2, 144));
    EXPECT_EQ(1, scalePixels(1, 48));
}

TEST(Layout, ControlsAreCreatedInTabOrderWhichIsTheReadingOrder) {
    using namespace customise;
    EXPECT_EQ((std::vector<int>{kCheckAll, kCheckRce, kFrameShowCustom, kLanguageList, kLanguageNote, kFrameLanguage,
                                kListBuiltin, kCommandCheckAll, kCommandUnCheckAll, kFrameBuiltinTabs, kCommandOk,
                                kCommandCancel}),
              idsInTabOrder(kCustomiseDialog));
    using namespace about;
    EXPECT_EQ((std::vector<int>{kCmdOk, kPicIcon, kLabel1, kLabel2, kLabel3, kLabel4, kLabel5, kLabel6, kLabel7, kLabel8,
                                kLabel9, kLabelBlog}),
              idsInTabOrder(kAboutDialog));
}

TEST(Layout, ControlIdsAreUniqueAndClearOfTheDialogManagersOwn) {
    for (const DialogDesign* dialog : {&kCustomiseDialog, &kCustomiseDialogWithPolicyNote, &kAboutDialog}) {
        for (std::size_t i = 0; i < dialog->controlCount; ++i) {
            const int id = dialog->controls[i].id;
            EXPECT_EQ(&dialog->controls[i], findControl(*dialog, id));
            // Only the About dialog's 确定 may be IDOK; nothing may be IDCANCEL.
            EXPECT_NE(2, id);
            if (dialog != &kAboutDialog) {
                EXPECT_NE(1, id);
            }
        }
    }
    EXPECT_EQ(nullptr, findControl(kCustomiseDialog, 1));
}

TEST(Layout, HighContrastTakesEveryColourFromTheSystem) {
    const ControlDesign* title = findControl(kAboutDialog, about::kLabel1);
    const ControlDesign* note = findControl(kAboutDialog, about::kLabel7);
    const ControlDesign* link = findControl(kAboutDialog, about::kLabelBlog);
    const ControlDesign* checkBox = findControl(kCustomiseDialog, customise::kCheckAll);
    const struct {
        const DialogDesign* dialog;
        const ControlDesign* control;
        bool highContrast;
        Colour background, text;
    } kCases[] = {
        {&kAboutDialog, nullptr, false, Colour::HighlightText, Colour::ButtonText},
        {&kAboutDialog, title, false, Colour::HighlightText, Colour::Own},
        {&kAboutDialog, note, false, Colour::HighlightText, Colour::ButtonText},
        {&kAboutDialog, link, false, Colour::HighlightText, Colour::Own},
        {&kAboutDialog, nullptr, true, Colour::Window, Colour::WindowText},
        {&kAboutDialog, title, true, Colour::Window, Colour::WindowText},
        {&kAboutDialog, note, true, Colour::Window, Colour::WindowText},
        {&kAboutDialog, link, true, Colour::Window, Colour::HotLight},
        {&kCustomiseDialog, checkBox, false, Colour::ButtonFace, Colour::ButtonText},
        {&kCustomiseDialog, checkBox, true, Colour::ButtonFace, Colour::ButtonText},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << (c.control ? c.control->id : 0) << (c.highContrast ? " high contrast" : ""));
        const Palette palette = paletteFor(*c.dialog, c.control, c.highContrast);
        EXPECT_EQ(c.background, palette.background);
        EXPECT_EQ(c.text, palette.text);
    }
}

// With a policy note the customisation dialog is the same dialog, one line
// taller: every other control keeps its place, and the note fits the new line.
TEST(Layout, ThePolicyNoteAddsALineBelowEverythingElse) {
    using namespace customise;
    const DialogDesign& plain = kCustomiseDialog;
    const DialogDesign& noted = kCustomiseDialogWithPolicyNote;
    EXPECT_EQ(nullptr, findControl(plain, kPolicyNote));
    const ControlDesign* note = findControl(noted, kPolicyNote);
    ASSERT_NE(nullptr, note);
    EXPECT_EQ(ControlKind::Label, note->kind);
    EXPECT_STREQ(L"部分选项已由管理员设置。", note->text.in(Language::SimplifiedChinese));
    for (Language language : kLanguages) EXPECT_STREQ(plain.caption.in(language), noted.caption.in(language));
    EXPECT_EQ(plain.clientWidth, noted.clientWidth);
    EXPECT_EQ(plain.controls, noted.controls);
    EXPECT_EQ(plain.controlCount + 1, noted.controlCount);
    EXPECT_LE(plain.clientHeight, note->box.top);
    EXPECT_LE(note->box.top + note->box.height, noted.clientHeight);
    EXPECT_LE(0, note->box.left);
    EXPECT_LE(note->box.left + note->box.width, noted.clientWidth);
    // At the design DPI it is one line of the nine-point font.
    EXPECT_LE(-fontHeight(noted.font->tenthsOfPoint, kDesignDpi), toPixels(note->box, kDesignDpi).height());
    EXPECT_EQ(254, twipsToPixels(noted.clientHeight, kDesignDpi));
}

TEST(Choices, OnlyTheExactTextZeroUnchecks) {
    std::array<std::wstring, dialogs::kChoiceCount> texts{L"", L"0", L"00", L"1", L"0 ", L" 0", L"yes", L"1", L"0", L"-1"};
    const dialogs::Choices expected{true, false, true, true, true, true, true, true, false, true};
    EXPECT_EQ(expected, dialogs::choicesFromTexts(texts));
    EXPECT_STREQ(L"1", dialogs::storedText(true));
    EXPECT_STREQ(L"0", dialogs::storedText(false));
}

}  // namespace
