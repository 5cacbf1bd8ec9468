// The two dialogs as data: every window, caption, font, colour and line in
// twips, and the conversion to pixels at a given DPI. Pure: no Windows types,
// so that the tables and the arithmetic also build and test natively.
#pragma once
#include <cstddef>
#include <cstdint>

#include "support/language.h"

namespace dialogs::layout {

// Twips are 1/1440 inch; the dialogs were drawn on a 96 DPI screen, where 15
// twips make one pixel.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    constexpr int width() const noexcept { return right - left; }
    constexpr int height() const noexcept { return bottom - top; }
};

// Colours in COLORREF order (0x00BBGGRR), so the shell passes them on as they are.
constexpr std::uint32_t rgb(unsigned r, unsigned g, unsigned b) noexcept { return r | (g << 8) | (b << 16); }
inline constexpr std::uint32_t kBlue = rgb(0, 0, 255);
inline constexpr std::uint32_t kGrey = rgb(128, 128, 128);
inline constexpr std::uint32_t kWhite = rgb(255, 255, 255);

// GB2312, the character set the dialogs' Chinese font is asked for in.
inline constexpr int kChineseCharset = 134;

struct FontDesign {
    const wchar_t* face;
    int tenthsOfPoint;  // 10.5 points is 105
    int weight;
    bool underline;
    int charset;
};

enum class ControlKind { GroupBox, CheckBox, CheckList, DropDownList, PushButton, Label, Link, Picture };

// Where a control's text colour comes from.
enum class TextColour { System, Custom };

struct ControlDesign {
    int id;  // the control id of its window
    ControlKind kind;
    Translation text;  // Translation::none(): no text
    // A drop-down list's box holds its list when dropped down; closed, it is
    // as tall as its font makes it.
    TwipsRect box;
    int tabIndex;  // the order in which focus visits the controls
    const FontDesign* font;  // nullptr: the dialog's font
    TextColour colourSource;
    std::uint32_t colour;  // used with TextColour::Custom
};

// Where a colour the dialog paints with comes from: the design's own, or one
// of the system's colours.
enum class Colour { Own, ButtonFace, ButtonText, HighlightText, Window, WindowText, HotLight };

// A line drawn on the dialog's background, from (x1, y) to (x2, y) in twips,
// `pixels` wide at the design DPI.
struct LineDesign {
    int x1;
    int x2;
    int y;
    int pixels;
    std::uint32_t colour;
    Colour highContrast;  // the system colour it takes with high contrast on
};

// The system colour a dialog's background takes.
enum class Background { ButtonFace, HighlightText };

struct DialogDesign {
    Translation caption;
    int clientWidth;  // twips
    int clientHeight;  // twips
    const FontDesign* font;
    Background background;
    const ControlDesign* controls;
    std::size_t controlCount;
    const LineDesign* lines;
    std::size_t lineCount;
};

// Twips to pixels at `dpi`, rounded to the nearest pixel (halves away from zero).
int twipsToPixels(int twips, int dpi) noexcept;
// The rectangle's edges converted one by one, so that controls that touch at
// the design DPI still touch when scaled.
PixelRect toPixels(const TwipsRect& box, int dpi) noexcept;
// The LOGFONT height (negative: character height) of a font size at `dpi`.
int fontHeight(int tenthsOfPoint, int dpi) noexcept;
// A pixel measure given at the design DPI, scaled to `dpi` (at least 1).
int scalePixels(int pixels, int dpi) noexcept;

// The background and text colours of `control` (nullptr: of the dialog itself).
// With high contrast off they are the design's; with it on, every one is the
// system's: window and window text on a dialog of its own colour, the link in
// the system's link colour, and a button-face dialog as the system draws it.
struct Palette {
    Colour background;
    Colour text;
};
Palette paletteFor(const DialogDesign& dialog, const ControlDesign* control, bool highContrast) noexcept;

// The controls of `dialog` in tab order: `order` receives controlCount indices
// into dialog.controls. Windows are created in this order, which is the order
// the dialog manager moves focus in.
void tabOrder(const DialogDesign& dialog, std::size_t* order) noexcept;
const ControlDesign* findControl(const DialogDesign& dialog, int id) noexcept;

// ---- The customisation dialog -------------------------------------------

namespace customise {
// Control ids stay clear of IDOK (1) and IDCANCEL (2), which the dialog manager
// sends of its own: Enter reaches 确定 as the default button, and the dialog
// takes Esc's IDCANCEL for 取消.
inline constexpr int kFrameShowCustom = 100;
inline constexpr int kCheckAll = 101;
inline constexpr int kCheckRce = 102;
inline constexpr int kFrameBuiltinTabs = 103;
inline constexpr int kListBuiltin = 104;
inline constexpr int kCommandCheckAll = 105;
inline constexpr int kCommandUnCheckAll = 106;
inline constexpr int kCommandOk = 107;
inline constexpr int kCommandCancel = 108;
// The line saying that an administrator set some choices.
inline constexpr int kPolicyNote = 109;
// The language of Korvanta's texts, in a frame of its own right of the first
// two: the drop-down and a note that the ribbon changes at the next start.
inline constexpr int kFrameLanguage = 110;
inline constexpr int kLanguageList = 111;
inline constexpr int kLanguageNote = 112;
// The list's entries and the drop-down's items are in dialogs/choices.h.
}  // namespace customise

extern const DialogDesign kCustomiseDialog;
// The same dialog one line taller, the line holding kPolicyNote: shown when a
// policy sets at least one choice. Nothing else moves.
extern const DialogDesign kCustomiseDialogWithPolicyNote;

// ---- The About dialog -----------------------------------------------------

namespace about {
// cmdOK is IDOK so that the dialog manager's Enter and Esc both reach it.
inline constexpr int kCmdOk = 1;
inline constexpr int kPicIcon = 200;
inline constexpr int kLabel1 = 201;
inline constexpr int kLabel2 = 202;
inline constexpr int kLabel3 = 203;
inline constexpr int kLabel4 = 204;
inline constexpr int kLabel5 = 205;
inline constexpr int kLabel6 = 206;
inline constexpr int kLabel7 = 207;
inline constexpr int kLabel8 = 208;
inline constexpr int kLabel9 = 209;
inline constexpr int kLabelBlog = 210;

// The maker's web page: shown by the link and opened by a click on it.
extern const wchar_t kMakerWebPage[];
// Where the pointing hand's tip is in the 32 by 32 hand icon.
inline constexpr int kHandHotspotX = 13;
inline constexpr int kHandHotspotY = 3;
}  // namespace about

extern const DialogDesign kAboutDialog;

}  // namespace dialogs::layout
