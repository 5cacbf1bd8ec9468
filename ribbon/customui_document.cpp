// The customUI document as one compile-time template, one source line per
// element or small group, in document order, filled in a language on first use.
//
// The odd blanks are part of the shipped text and stay: a blank before "/>" in
// six elements, a blank between the controls SortDescendingExcel and Filter,
// and the end tag "</group >". The spellings "rxlable" and "Usedt" are ids and
// an idMso exactly as Office and the callbacks know them.
#include "ribbon/customui_document.h"

#include "ribbon/menu_catalogue.h"
#include "ribbon/menu_frame.h"
#include "ribbon/ribbon_texts.h"

namespace ribbon {
namespace {

// One legacy menu as a dynamicMenu whose content comes from rxKorvanta_get.
#define KORVANTA_DYNAMIC_MENU(id, label, screentip, supertip, tag)                                           \
    "<dynamicMenu id=\"" id "\" label=\"" KORVANTA_TEXT(label) "\" screentip=\"" KORVANTA_TEXT(screentip) \
    "\" supertip=\"" KORVANTA_TEXT(supertip) "\" tag=\"" tag "\" getContent=\"rxKorvanta_get\"/>"
// Inside the combined menu: the id stem with "1".
#define KORVANTA_MENU_IN_ALL(menu, tag, id, label, screentip, supertip, spacer, document) \
    KORVANTA_DYNAMIC_MENU("rxMenu_" id "1", label, screentip, supertip, tag)
// On the menu bar: the id stem alone, then the spacer before the next menu.
#define KORVANTA_MENU_ON_BAR(menu, tag, id, label, screentip, supertip, spacer, document) \
    KORVANTA_DYNAMIC_MENU("rxMenu_" id, label, screentip, supertip, tag) spacer

constexpr char kCustomUi[] =
    "<customUI xmlns=\"" KORVANTA_CUSTOMUI_NAMESPACE R"(" onLoad="rxcustomUI_onLoad">)"
    R"(<ribbon><tabs>)"
    // Excel's own tabs, each hidden or shown by the user's settings.
    R"(<tab idMso="TabHome" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabInsert" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabPageLayoutExcel" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabFormulas" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabData" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabReview" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabView" getVisible="GetVisibleII"/>)"
    R"(<tab idMso="TabDeveloper" getVisible="GetVisibleII"/>)"
    R"(<tab id="rxWordVBA" label="Korvanta" insertBeforeMso="TabHome">)"
    R"(<group id="rxDemo" label=" ">)"

    // The legacy menu bar: the combined menu "全部" and its spacer follow the
    // ShowAllMenu setting through the tag "一"; then the nine menus.
    R"(<box id="Korvanta_menu">)"
    R"(<menu id="rxMenu_quanbu" label=")" KORVANTA_TEXT(AllMenu) R"(" screentip=")" KORVANTA_TEXT(AllMenuTip) R"(" tag="一" getVisible="GetVisibleI">)"
    KORVANTA_LEGACY_MENUS(KORVANTA_MENU_IN_ALL)
    R"(</menu>)"
    R"(<labelControl id="rxlable9" label="   " getVisible="GetVisibleI" tag="一"/>)"
    KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ON_BAR)
    R"(</box>)"

    // Toolbar row 1: file, print, proofing, editing, formula, sort, insert,
    // auditing and comment commands.
    R"(<box id="Korvanta_tools1">)"
    R"(<buttonGroup id="RXbutton2"><control idMso="FileNew" showLabel="false"/><control idMso="FileOpen" showLabel="false"/><control idMso="FileSave" showLabel="false"/><control idMso="FileSaveAsExcel97_2003" showLabel="false"/></buttonGroup>)"
    R"(<buttonGroup id="RXbutton1"><control idMso="FilePermission" showLabel="false"/><control idMso="FileSendAsAttachment" showLabel="false" /></buttonGroup>)"
    R"(<labelControl id="rxlable13" label=" "/>)"
    R"(<buttonGroup id="RXbutton3"><control idMso="FilePrintQuick" showLabel="false" /><control idMso="FilePrintPreview" showLabel="false"/>)"
    R"(<menu id="RXPageSetupPageDialog" imageMso="PageSetupPageDialog" itemSize="large" showLabel="false">)"
    R"(<gallery idMso="PageMarginsGallery"/><gallery idMso="PageOrientationGallery"/><gallery idMso="PageSizeGallery"/>)"
    R"(<menuSeparator id="rxAuditMiscSeparator_DAYING1"/>)"
    R"(<menu idMso="PrintAreaMenu"/><menu idMso="PageBreakMenu"/><button idMso="SheetBackground"/>)"
    R"(<menuSeparator id="rxAuditMiscSeparator_DAYING2"/>)"
    R"(<button idMso="PrintTitles"/><checkBox idMso="SheetPrintGridlines" label=")" KORVANTA_TEXT(PrintGridlines) R"("/>)"
    R"(<checkBox idMso="SheetPrintHeadings" label=")" KORVANTA_TEXT(PrintHeadings) R"("/>)"
    R"(</menu></buttonGroup>)"
    R"(<buttonGroup id="RXbutton4"><control idMso="Spelling" showLabel="false"/><control idMso="ResearchPane" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable15" label=" "/>)"
    R"(<buttonGroup id="RXbutton5"><control idMso="Cut" showLabel="false"/><control idMso="Copy" showLabel="false"/><control idMso="PasteMenu" showLabel="false" /><control idMso="FormatPainter" showLabel="false"/></buttonGroup>)"
    R"(<buttonGroup id="RXbutton6"><control idMso="Undo" showLabel="false"/><control idMso="Redo" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable17" label=" "/>)"
    R"(<buttonGroup id="RXbutton7"><control idMso="HyperlinkInsert" showLabel="false"/><control idMso="AutoSumMenu" showLabel="false"/>)"
    R"(<menu id="RxFunctionWizard" imageMso="FunctionWizard" itemSize="large" showLabel="false">)"
    R"(<button idMso="FunctionWizard"/><splitButton idMso="AutoSumMenu"/><gallery idMso="FunctionsRecentlyUsedtInsertGallery"/>)"
    R"(<menuSeparator id="rxAuditMiscSeparator_gongshi1"/>)"
    R"(<gallery idMso="FunctionsFinancialInsertGallery"/><gallery idMso="FunctionsLogicalInsertGallery"/><gallery idMso="FunctionsTextInsertGallery"/>)"
    R"(<gallery idMso="FunctionsDateTimeInsertGallery"/><gallery idMso="FunctionsLookupReferenceInsertGallery"/><gallery idMso="FunctionsMathTrigInsertGallery"/>)"
    R"(<menu idMso="FormulaMoreFunctionsMenu"/>)"
    R"(</menu></buttonGroup>)"
    R"(<buttonGroup id="RXbutton8"><control idMso="SortAscendingExcel" showLabel="false"/><control idMso="SortDescendingExcel" showLabel="false"/> <control idMso="Filter" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable19" label=" "/>)"
    R"(<buttonGroup id="RXbutton19"><control idMso="ChartTypeAllInsertDialog" showLabel="false"/><control idMso="ShapesInsertGallery" showLabel="false"/><control idMso="TableInsertExcel" showLabel="false"/></buttonGroup>)"
    // The new-comment image stands on the auditing commands and the
    // trace-error image on the comment commands: the pairing is the shipped one.
    R"(<buttonGroup id="RXbutton20">)"
    R"(<menu id="RxReviewNewComment" imageMso="ReviewNewComment" itemSize="large" showLabel="false">)"
    R"(<button idMso="TracePrecedents"/><button idMso="TraceDependents"/><splitButton idMso="ErrorCheckingMenu"/><splitButton idMso="TraceRemoveArrowsMenu"/>)"
    R"(<menuSeparator id="rxAuditMiscSeparator_jianshi1"/>)"
    R"(<gallery idMso="CircularReferences"/>)"
    R"(<menuSeparator id="rxAuditMiscSeparator_jianshi2"/>)"
    R"(<button idMso="FormulaEvaluate"/><toggleButton idMso="WatchWindow"/><toggleButton idMso="ShowFormulas"/>)"
    R"(</menu>)"
    R"(<menu id="RxTraceError" imageMso="TraceError" itemSize="large" showLabel="false">)"
    R"(<button idMso="ReviewNewComment"/><button idMso="ReviewDeleteComment"/><button idMso="ReviewPreviousComment"/><button idMso="ReviewNextComment"/>)"
    R"(<button idMso="ReviewShowOrHideComment"/><toggleButton idMso="ReviewShowAllComments"/><toggleButton idMso="ReviewShowInk"/>)"
    R"(</menu></buttonGroup>)"
    R"(</box>)"

    // Toolbar row 2: font, alignment, number format, indent, border and
    // colour commands, then the macro editor, zoom and help.
    R"(<box id="Korvanta_tools2">)"
    R"(<comboBox idMso="Font" /><comboBox idMso="FontSize"/>)"
    R"(<buttonGroup id="RX_ziti"><control idMso="Bold" showLabel="false"/><control idMso="Italic" showLabel="false"/><control idMso="Underline" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable32" label=" "/>)"
    R"(<buttonGroup id="RXbutton32"><control idMso="AlignLeft" showLabel="false"/><control idMso="AlignCenter" showLabel="false"/><control idMso="AlignRight" showLabel="false"/><control idMso="MergeCenterMenu" showLabel="false"/><control idMso="WrapText" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable33" label=" "/>)"
    R"(<control idMso="NumberFormatGallery" showLabel="false"/>)"
    R"(<buttonGroup id="RXbutton33"><control idMso="AccountingFormatMenu" showLabel="false"/><control idMso="PercentStyle" showLabel="false"/><control idMso="CommaStyle" showLabel="false"/><control idMso="DecimalsIncrease" showLabel="false"/><control idMso="DecimalsDecrease" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable34" label=" "/>)"
    R"(<buttonGroup id="RXbutton34"><control idMso="IndentIncreaseExcel" showLabel="false"/><control idMso="IndentDecreaseExcel" showLabel="false"/><control idMso="FormatCellsMenu" showLabel="false"/></buttonGroup>)"
    R"(<buttonGroup id="RXbutton35"><control idMso="BordersGallery" showLabel="false" /><control idMso="CellFillColorPicker" showLabel="false"/><control idMso="FontColorPicker" showLabel="false"/></buttonGroup>)"
    R"(<labelControl id="rxlable36" label=" "/>)"
    R"(<buttonGroup id="RXbutton36"><control idMso="VisualBasic" showLabel="false" /><control idMso="ZoomClassic" showLabel="false"/><control idMso="Help" showLabel="false"/></buttonGroup>)"
    R"(</box>)"

    R"(</group ></tab>)"
    R"(</tabs></ribbon></customUI>)";

#undef KORVANTA_MENU_ON_BAR
#undef KORVANTA_MENU_IN_ALL
#undef KORVANTA_DYNAMIC_MENU

static_assert(slotsNameTexts(templateOf(kCustomUi)), "a slot of the customUI document names no text");

FilledTemplate g_customUi(templateOf(kCustomUi));

}  // namespace

std::wstring_view customUiDocument(Language language) { return g_customUi.in(language); }

}  // namespace ribbon
