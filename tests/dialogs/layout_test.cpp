// The layout arithmetic and tables, and the dialog's reading of stored texts.
// Pure: builds natively as well as for Windows.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

#include "dialogs/choices.h"
#include "dialogs/layout.h"

using namespace dialogs::layout;

namespace {

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
    EXPECT_EQ(-15, fontHeight(90, 120));
    EXPECT_EQ(-18, fontHeight(105, 120));
    EXPECT_EQ(-18, fontHeight(90, 144));
    EXPECT_EQ(2, scalePixels(2, 96));
    EXPECT_EQ(1, scalePixels(1, 120));
    EXPECT_EQ(3, scalePixels(2, 144));
    EXPECT_EQ(1, scalePixels(1, 48));
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

// At 96 DPI, where they were drawn, both dialogs are exactly as shipped: each
// control's left, top, width and height in pixels, and its font.
TEST(Layout, AtTheDesignDpiTheDialogsAreAsShipped) {
    using namespace about;
    using namespace customise;
    const DialogDesign* const a = &kAboutDialog;
    const DialogDesign* const c = &kCustomiseDialogWithPolicyNote;
    const struct {
        const DialogDesign* dialog;
        int id;
        int left, top, width, height;
        int fontHeight;
    } kShipped[] = {
        {a, kPicIcon, 30, 21, 177, 81, 0},         {a, kLabel1, 264, 22, 105, 33, -24},
        {a, kLabel2, 225, 64, 177, 33, -24},       {a, kLabel7, 32, 120, 377, 65, -14},
        {a, kLabel8, 32, 200, 321, 25, -12},       {a, kLabel3, 32, 224, 81, 17, -12},
        {a, kLabel4, 120, 224, 105, 17, -12},      {a, kLabel5, 120, 240, 121, 17, -12},
        {a, kLabel6, 120, 256, 161, 17, -12},      {a, kLabel9, 32, 280, 57, 17, -12},
        {a, kLabelBlog, 120, 280, 201, 25, -12},   {a, kCmdOk, 344, 304, 68, 23, -12},
        {c, kFrameShowCustom, 8, 8, 233, 73, -12}, {c, kCheckAll, 48, 24, 145, 25, -12},
        {c, kCheckRce, 48, 48, 145, 25, -12},      {c, kFrameBuiltinTabs, 8, 88, 233, 105, -12},
        {c, kListBuiltin, 16, 112, 153, 61, -12},  {c, kCommandCheckAll, 176, 112, 57, 25, -12},
        {c, kCommandUnCheckAll, 176, 160, 57, 25, -12}, {c, kCommandOk, 16, 200, 59, 25, -12},
        {c, kCommandCancel, 176, 200, 59, 25, -12}, {c, kFrameLanguage, 248, 8, 120, 185, -12},
        // The drop-down's box holds its list.
        {c, kLanguageList, 256, 24, 104, 100, -12}, {c, kLanguageNote, 256, 54, 104, 68, -12},
        {c, kPolicyNote, 16, 232, 352, 17, -12},
    };
    for (const auto& row : kShipped) {
        SCOPED_TRACE(row.id);
        const ControlDesign* control = findControl(*row.dialog, row.id);
        ASSERT_NE(nullptr, control);
        const PixelRect box = toPixels(control->box, kDesignDpi);
        EXPECT_EQ(row.left, box.left);
        EXPECT_EQ(row.top, box.top);
        EXPECT_EQ(row.width, box.width());
        EXPECT_EQ(row.height, box.height());
        if (row.fontHeight == 0) continue;
        const FontDesign& font = control->font ? *control->font : *row.dialog->font;
        EXPECT_EQ(row.fontHeight, fontHeight(font.tenthsOfPoint, kDesignDpi));
        EXPECT_STREQ(L"微软雅黑", font.face);
        EXPECT_EQ(400, font.weight);
        EXPECT_EQ(134, font.charset);
        EXPECT_EQ(row.id == kLabelBlog, font.underline);
    }
    EXPECT_EQ(std::size(kShipped), kAboutDialog.controlCount + kCustomiseDialogWithPolicyNote.controlCount);
    EXPECT_EQ(443, twipsToPixels(kAboutDialog.clientWidth, kDesignDpi));
    EXPECT_EQ(343, twipsToPixels(kAboutDialog.clientHeight, kDesignDpi));
    EXPECT_EQ(374, twipsToPixels(kCustomiseDialogWithPolicyNote.clientWidth, kDesignDpi));
    EXPECT_EQ(230, twipsToPixels(kCustomiseDialog.clientHeight, kDesignDpi));
    EXPECT_EQ(254, twipsToPixels(kCustomiseDialogWithPolicyNote.clientHeight, kDesignDpi));
}

// The About dialog's colours are checked as it paints them; the customisation
// dialog keeps the system's button colours, with high contrast or without.
TEST(Layout, TheCustomisationDialogIsDrawnInTheSystemsButtonColours) {
    for (const bool highContrast : {false, true}) {
        for (std::size_t i = 0; i <= kCustomiseDialog.controlCount; ++i) {
            const ControlDesign* control = i < kCustomiseDialog.controlCount ? &kCustomiseDialog.controls[i] : nullptr;
            const Palette palette = paletteFor(kCustomiseDialog, control, highContrast);
            EXPECT_EQ(Colour::ButtonFace, palette.background);
            EXPECT_EQ(Colour::ButtonText, palette.text);
        }
    }
}

// With a policy note the customisation dialog is the same dialog with the
// note last, in the line it adds below everything else (pinned above).
TEST(Layout, ThePolicyNoteAddsALineBelowEverythingElse) {
    const DialogDesign& plain = kCustomiseDialog;
    const DialogDesign& noted = kCustomiseDialogWithPolicyNote;
    EXPECT_EQ(nullptr, findControl(plain, customise::kPolicyNote));
    EXPECT_EQ(plain.controls, noted.controls);
    EXPECT_EQ(plain.controlCount + 1, noted.controlCount);
    EXPECT_EQ(plain.clientWidth, noted.clientWidth);
    for (Language language : kLanguages) EXPECT_STREQ(plain.caption.in(language), noted.caption.in(language));
}

TEST(Choices, OnlyTheExactTextZeroUnchecks) {
    std::array<std::wstring, dialogs::kChoiceCount> texts{L"", L"0", L"00", L"1", L"0 ", L" 0", L"yes", L"1", L"0", L"-1"};
    const dialogs::Choices expected{true, false, true, true, true, true, true, true, false, true};
    EXPECT_EQ(expected, dialogs::choicesFromTexts(texts));
}

}  // namespace
