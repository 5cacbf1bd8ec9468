// The dialogs' layout tables and the twips-to-pixels arithmetic.
#include "dialogs/layout.h"

#include "maker.h"

namespace dialogs::layout {
namespace {

int roundedDivide(long long numerator, long long denominator) noexcept {
    const long long half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

// "微软雅黑" is Microsoft YaHei; its GB2312 charset makes Windows pick it (or
// the system's substitute) with Chinese glyphs.
constexpr wchar_t kYaHei[] = L"微软雅黑";
constexpr FontDesign kNinePoint{kYaHei, 90, 400, false, kChineseCharset};
constexpr FontDesign kTitle{kYaHei, 180, 400, false, kChineseCharset};
constexpr FontDesign kNote{kYaHei, 105, 400, false, kChineseCharset};
constexpr FontDesign kLink{kYaHei, 90, 400, true, kChineseCharset};

constexpr TextColour kSys = TextColour::System;
constexpr TextColour kOwn = TextColour::Custom;

}  // namespace

int twipsToPixels(int twips, int dpi) noexcept {
    return roundedDivide(static_cast<long long>(twips) * dpi, kTwipsPerInch);
}

PixelRect toPixels(const TwipsRect& box, int dpi) noexcept {
    return PixelRect{twipsToPixels(box.left, dpi), twipsToPixels(box.top, dpi),
                     twipsToPixels(box.left + box.width, dpi), twipsToPixels(box.top + box.height, dpi)};
}

int fontHeight(int tenthsOfPoint, int dpi) noexcept {
    return -roundedDivide(static_cast<long long>(tenthsOfPoint) * dpi, 720);
}

int scalePixels(int pixels, int dpi) noexcept {
    const int scaled = roundedDivide(static_cast<long long>(pixels) * dpi, kDesignDpi);
    return scaled < 1 ? 1 : scaled;
}

Palette paletteFor(const DialogDesign& dialog, const ControlDesign* control, bool highContrast) noexcept {
    const bool ownBackground = dialog.background == Background::HighlightText;
    if (!highContrast) {
        const bool ownText = control && control->colourSource == TextColour::Custom;
        return {ownBackground ? Colour::HighlightText : Colour::ButtonFace, ownText ? Colour::Own : Colour::ButtonText};
    }
    if (control && control->kind == ControlKind::Link) {
        return {ownBackground ? Colour::Window : Colour::ButtonFace, Colour::HotLight};
    }
    return ownBackground ? Palette{Colour::Window, Colour::WindowText} : Palette{Colour::ButtonFace, Colour::ButtonText};
}

void tabOrder(const DialogDesign& dialog, std::size_t* order) noexcept {
    for (std::size_t i = 0; i < dialog.controlCount; ++i) order[i] = i;
    // Insertion sort: a dozen entries, and equal tab indices keep table order.
    for (std::size_t i = 1; i < dialog.controlCount; ++i) {
        const std::size_t moving = order[i];
        std::size_t j = i;
        for (; j > 0 && dialog.controls[order[j - 1]].tabIndex > dialog.controls[moving].tabIndex; --j) {
            order[j] = order[j - 1];
        }
        order[j] = moving;
    }
}

const ControlDesign* findControl(const DialogDesign& dialog, int id) noexcept {
    for (std::size_t i = 0; i < dialog.controlCount; ++i) {
        if (dialog.controls[i].id == id) return &dialog.controls[i];
    }
    return nullptr;
}

// ---- The customisation dialog -------------------------------------------

namespace {
using namespace customise;
constexpr Translation kNone = Translation::none();
// The check-box captions begin with a blank, which keeps the text off the box.
// Focus moves in reading order, top to bottom, then left to right; each frame
// comes after what it encloses. The language frame stands right of the other
// two, which keep their places and sizes; the dialog is wider by it.
constexpr ControlDesign kCustomiseControls[] = {
    {kFrameShowCustom, ControlKind::GroupBox, {L"请选择", L"請選擇", L"Please select"}, {120, 120, 3495, 1095}, 2,
     nullptr, kSys, 0},
    {kCheckAll, ControlKind::CheckBox, {L" 显示“全部”菜单", L" 顯示「全部」功能表", L" Show “All” menu"},
     {720, 360, 2175, 375}, 0, nullptr, kSys, 0},
    // "Show recently opened files" does not fit the box in English.
    {kCheckRce, ControlKind::CheckBox, {L" 显示最近打开的文档", L" 顯示最近開啟的文件", L" Show recent files"},
     {720, 720, 2175, 375}, 1, nullptr, kSys, 0},
    {kFrameBuiltinTabs, ControlKind::GroupBox,
     {L"请选择需显示的内置选项卡", L"請選擇要顯示的內建索引標籤", L"Select the built-in tabs to show"},
     {120, 1320, 3495, 1575}, 9, nullptr, kSys, 0},
    {kListBuiltin, ControlKind::CheckList, kNone, {240, 1680, 2295, 915}, 6, nullptr, kSys, 0},
    // "Select All" does not fit the button at 144 DPI in English.
    {kCommandCheckAll, ControlKind::PushButton, {L"全选", L"全選", L"All"}, {2640, 1680, 855, 375}, 7, nullptr, kSys, 0},
    {kCommandUnCheckAll, ControlKind::PushButton, {L"全不选", L"全不選", L"None"}, {2640, 2400, 855, 375}, 8, nullptr,
     kSys, 0},
    {kCommandOk, ControlKind::PushButton, {L"确定", L"確定", L"OK"}, {240, 3000, 885, 375}, 10, nullptr, kSys, 0},
    {kCommandCancel, ControlKind::PushButton, {L"取消", L"取消", L"Cancel"}, {2640, 3000, 885, 375}, 11, nullptr, kSys,
     0},
    {kFrameLanguage, ControlKind::GroupBox, {L"语言", L"語言", L"Language"}, {3720, 120, 1800, 2775}, 5, nullptr, kSys,
     0},
    {kLanguageList, ControlKind::DropDownList, kNone, {3840, 360, 1560, 1500}, 3, nullptr, kSys, 0},
    // Wraps within its box, below the drop-down's closed height at any DPI.
    {kLanguageNote, ControlKind::Label,
     {L"功能区在下次启动 Excel 时更改。", L"功能區在下次啟動 Excel 時變更。", L"The ribbon changes at Excel's next start."},
     {3840, 810, 1560, 1020}, 4, nullptr, kSys, 0},
    // Last, so that the dialog without it is the table without its last row.
    // It spans the frames above it, as wide as English needs.
    {kPolicyNote, ControlKind::Label,
     {L"部分选项已由管理员设置。", L"部分選項已由系統管理員設定。", L"Some options are set by your administrator."},
     {240, 3480, 5280, 255}, 12, nullptr, kSys, 0},
};
constexpr std::size_t kCustomiseControlCount = sizeof kCustomiseControls / sizeof kCustomiseControls[0];
}  // namespace

const DialogDesign kCustomiseDialog{
    {L"自定义", L"自訂", L"Customize"}, 5610, 3450, &kNinePoint, Background::ButtonFace,
    kCustomiseControls, kCustomiseControlCount - 1, nullptr, 0,
};

const DialogDesign kCustomiseDialogWithPolicyNote{
    {L"自定义", L"自訂", L"Customize"}, 5610, 3810, &kNinePoint, Background::ButtonFace,
    kCustomiseControls, kCustomiseControlCount, nullptr, 0,
};

// ---- The About dialog -----------------------------------------------------

namespace about {
const wchar_t kMakerWebPage[] = L"" KORVANTA_MAKER_WEB;
}  // namespace about

namespace {
using namespace about;
// The blanks inside the contact labels line the values up under each other;
// "Code by:" is narrower than 代码制作：, so more blanks follow it. The title
// drops "2007" in Traditional Chinese and English, where it does not fit at
// 18 points, and the note says in three lines of English what the maker said.
constexpr ControlDesign kAboutControls[] = {
    {kPicIcon, ControlKind::Picture, Translation::none(), {450, 315, 2655, 1215}, 1, nullptr, kSys, 0},
    {kLabel1, ControlKind::Label, Translation::same(L"Korvanta"), {3960, 330, 1575, 495}, 2, &kTitle, kOwn, kBlue},
    {kLabel2, ControlKind::Label, {L"EXCEL2007菜单", L"Excel 功能表", L"Excel Menus"}, {3375, 960, 2655, 495}, 3,
     &kTitle, kSys, 0},
    {kLabel7, ControlKind::Label,
     {L"    本人制作此菜单插件纯属娱乐，加之能力有限，人又比较笨，所以出现错误请大家原谅。希望大家多联系我，共同进步。",
      L"    本人製作這個功能表增益集純屬娛樂，加上能力有限，人又比較笨，所以出現錯誤還請大家原諒。希望大家多和我聯繫，共同進步。",
      L"    I made this menu add-in purely for fun. My skills are limited and I am rather slow, so please forgive any "
      L"mistakes. I hope we keep in touch and improve together."},
     {480, 1800, 5655, 975}, 8, &kNote, kSys, 0},
    {kLabel8, ControlKind::Label,
     {L"代码制作：       " KORVANTA_MAKER_NAME, L"程式設計：       " KORVANTA_MAKER_NAME,
      L"Code by:            " KORVANTA_MAKER_NAME},
     {480, 3000, 4815, 375}, 9, nullptr, kSys, 0},
    {kLabel3, ControlKind::Label, {L"联系方式：", L"聯絡方式：", L"Contact:"}, {480, 3360, 1215, 255}, 4, nullptr, kSys, 0},
    {kLabel4, ControlKind::Label, Translation::same(L"Q  Q:  " KORVANTA_MAKER_QQ), {1800, 3360, 1575, 255}, 5, nullptr,
     kSys, 0},
    {kLabel5, ControlKind::Label, Translation::same(L"U  C :  " KORVANTA_MAKER_UC), {1800, 3600, 1815, 255}, 6, nullptr,
     kSys, 0},
    {kLabel6, ControlKind::Label, Translation::same(L"MSN:  " KORVANTA_MAKER_MSN), {1800, 3840, 2415, 255}, 7, nullptr,
     kSys, 0},
    // 我的部落格: does not fit; 網誌 is Taiwan's other word for a blog.
    {kLabel9, ControlKind::Label, {L"我的博客:", L"我的網誌:", L"My blog:"}, {480, 4200, 855, 255}, 10, nullptr, kSys, 0},
    {kLabelBlog, ControlKind::Link, Translation::same(L"" KORVANTA_MAKER_WEB), {1800, 4200, 3015, 375}, 11, &kLink, kOwn,
     kBlue},
    {kCmdOk, ControlKind::PushButton, {L"确定", L"確定", L"OK"}, {5160, 4560, 1020, 345}, 0, nullptr, kSys, 0},
};

// A grey rule under the title, and a white one that gives it an etched look on
// backgrounds that are not white. With high contrast the rule takes the text's
// colour and the white line the window's, which is where it does not show.
constexpr LineDesign kAboutLines[] = {
    {0, 6720, 1560, 1, kGrey, Colour::WindowText},
    {105, 5654, 2460, 2, kWhite, Colour::Window},
};
}  // namespace

const DialogDesign kAboutDialog{
    {L"关于Korvanta", L"關於 Korvanta", L"About Korvanta"}, 6645, 5145, &kNinePoint, Background::HighlightText,
    kAboutControls, sizeof kAboutControls / sizeof kAboutControls[0],
    kAboutLines, sizeof kAboutLines / sizeof kAboutLines[0],
};

}  // namespace dialogs::layout
