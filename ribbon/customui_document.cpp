// The customUI document as one compile-time constant, one source line per
// element or small group, in document order.
//
// The odd blanks are part of the shipped text and stay: a blank before "/>" in
// six elements, a blank between the controls SortDescendingExcel and Filter,
// and the end tag "</group >". The spellings "rxlable" and "Usedt" are ids and
// an idMso exactly as Office and the callbacks know them.
#include "ribbon/customui_document.h"

#include "ribbon/menu_catalogue.h"
#include "ribbon/menu_frame.h"

namespace ribbon {
namespace {

// One legacy menu as a dynamicMenu whose content comes from rxKorvanta_get.
#define KORVANTA_DYNAMIC_MENU(id, label, screentip, supertip, tag)                                   \
    L"<dynamicMenu id=\"" id L"\" label=\"" label L"\" screentip=\"" screentip L"\" supertip=\"" supertip \
    L"\" tag=\"" tag L"\" getContent=\"rxKorvanta_get\"/>"
// Inside the combined menu: the id stem with "1".
#define KORVANTA_MENU_IN_ALL(menu, tag, id, label, screentip, supertip, spacer, document) \
    KORVANTA_DYNAMIC_MENU(L"rxMenu_" id L"1", label, screentip, supertip, tag)
// On the menu bar: the id stem alone, then the spacer before the next menu.
#define KORVANTA_MENU_ON_BAR(menu, tag, id, label, screentip, supertip, spacer, document) \
    KORVANTA_DYNAMIC_MENU(L"rxMenu_" id, label, screentip, supertip, tag) spacer

constexpr wchar_t kCustomUi[] =
    L"<customUI xmlns=\"" KORVANTA_CUSTOMUI_NAMESPACE LR"(" onLoad="rxcustomUI_onLoad">)"
    LR"(<ribbon><tabs>)"
    // Excel's own tabs, each hidden or shown by the user's settings.
    LR"(<tab idMso="TabHome" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabInsert" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabPageLayoutExcel" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabFormulas" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabData" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabReview" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabView" getVisible="GetVisibleII"/>)"
    LR"(<tab idMso="TabDeveloper" getVisible="GetVisibleII"/>)"
    LR"(<tab id="rxWordVBA" label="Korvanta" insertBeforeMso="TabHome">)"
    LR"(<group id="rxDemo" label=" ">)"

    // The legacy menu bar: the combined menu "全部" and its spacer follow the
    // ShowAllMenu setting through the tag "一"; then the nine menus.
    LR"(<box id="Korvanta_menu">)"
    LR"(<menu id="rxMenu_quanbu" label="全部" screentip="全部菜单" tag="一" getVisible="GetVisibleI">)"
    KORVANTA_LEGACY_MENUS(KORVANTA_MENU_IN_ALL)
    LR"(</menu>)"
    LR"(<labelControl id="rxlable9" label="   " getVisible="GetVisibleI" tag="一"/>)"
    KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ON_BAR)
    LR"(</box>)"

    // Toolbar row 1: file, print, proofing, editing, formula, sort, insert,
    // auditing and comment commands.
    LR"(<box id="Korvanta_tools1">)"
    LR"(<buttonGroup id="RXbutton2"><control idMso="FileNew" showLabel="false"/><control idMso="FileOpen" showLabel="false"/><control idMso="FileSave" showLabel="false"/><control idMso="FileSaveAsExcel97_2003" showLabel="false"/></buttonGroup>)"
    LR"(<buttonGroup id="RXbutton1"><control idMso="FilePermission" showLabel="false"/><control idMso="FileSendAsAttachment" showLabel="false" /></buttonGroup>)"
    LR"(<labelControl id="rxlable13" label=" "/>)"
    LR"(<buttonGroup id="RXbutton3"><control idMso="FilePrintQuick" showLabel="false" /><control idMso="FilePrintPreview" showLabel="false"/>)"
    LR"(<menu id="RXPageSetupPageDialog" imageMso="PageSetupPageDialog" itemSize="large" showLabel="false">)"
    LR"(<gallery idMso="PageMarginsGallery"/><gallery idMso="PageOrientationGallery"/><gallery idMso="PageSizeGallery"/>)"
    LR"(<menuSeparator id="rxAuditMiscSeparator_DAYING1"/>)"
    LR"(<menu idMso="PrintAreaMenu"/><menu idMso="PageBreakMenu"/><button idMso="SheetBackground"/>)"
    LR"(<menuSeparator id="rxAuditMiscSeparator_DAYING2"/>)"
    LR"(<button idMso="PrintTitles"/><checkBox idMso="SheetPrintGridlines" label="打印网格线"/><checkBox idMso="SheetPrintHeadings" label="打印标题"/>)"
    LR"(</menu></buttonGroup>)"
    LR"(<buttonGroup id="RXbutton4"><control idMso="Spelling" showLabel="false"/><control idMso="ResearchPane" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable15" label=" "/>)"
    LR"(<buttonGroup id="RXbutton5"><control idMso="Cut" showLabel="false"/><control idMso="Copy" showLabel="false"/><control idMso="PasteMenu" showLabel="false" /><control idMso="FormatPainter" showLabel="false"/></buttonGroup>)"
    LR"(<buttonGroup id="RXbutton6"><control idMso="Undo" showLabel="false"/><control idMso="Redo" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable17" label=" "/>)"
    LR"(<buttonGroup id="RXbutton7"><control idMso="HyperlinkInsert" showLabel="false"/><control idMso="AutoSumMenu" showLabel="false"/>)"
    LR"(<menu id="RxFunctionWizard" imageMso="FunctionWizard" itemSize="large" showLabel="false">)"
    LR"(<button idMso="FunctionWizard"/><splitButton idMso="AutoSumMenu"/><gallery idMso="FunctionsRecentlyUsedtInsertGallery"/>)"
    LR"(<menuSeparator id="rxAuditMiscSeparator_gongshi1"/>)"
    LR"(<gallery idMso="FunctionsFinancialInsertGallery"/><gallery idMso="FunctionsLogicalInsertGallery"/><gallery idMso="FunctionsTextInsertGallery"/>)"
    LR"(<gallery idMso="FunctionsDateTimeInsertGallery"/><gallery idMso="FunctionsLookupReferenceInsertGallery"/><gallery idMso="FunctionsMathTrigInsertGallery"/>)"
    LR"(<menu idMso="FormulaMoreFunctionsMenu"/>)"
    LR"(</menu></buttonGroup>)"
    LR"(<buttonGroup id="RXbutton8"><control idMso="SortAscendingExcel" showLabel="false"/><control idMso="SortDescendingExcel" showLabel="false"/> <control idMso="Filter" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable19" label=" "/>)"
    LR"(<buttonGroup id="RXbutton19"><control idMso="ChartTypeAllInsertDialog" showLabel="false"/><control idMso="ShapesInsertGallery" showLabel="false"/><control idMso="TableInsertExcel" showLabel="false"/></buttonGroup>)"
    // The new-comment image stands on the auditing commands and the
    // trace-error image on the comment commands: the pairing is the shipped one.
    LR"(<buttonGroup id="RXbutton20">)"
    LR"(<menu id="RxReviewNewComment" imageMso="ReviewNewComment" itemSize="large" showLabel="false">)"
    LR"(<button idMso="TracePrecedents"/><button idMso="TraceDependents"/><splitButton idMso="ErrorCheckingMenu"/><splitButton idMso="TraceRemoveArrowsMenu"/>)"
    LR"(<menuSeparator id="rxAuditMiscSeparator_jianshi1"/>)"
    LR"(<gallery idMso="CircularReferences"/>)"
    LR"(<menuSeparator id="rxAuditMiscSeparator_jianshi2"/>)"
    LR"(<button idMso="FormulaEvaluate"/><toggleButton idMso="WatchWindow"/><toggleButton idMso="ShowFormulas"/>)"
    LR"(</menu>)"
    LR"(<menu id="RxTraceError" imageMso="TraceError" itemSize="large" showLabel="false">)"
    LR"(<button idMso="ReviewNewComment"/><button idMso="ReviewDeleteComment"/><button idMso="ReviewPreviousComment"/><button idMso="ReviewNextComment"/>)"
    LR"(<button idMso="ReviewShowOrHideComment"/><toggleButton idMso="ReviewShowAllComments"/><toggleButton idMso="ReviewShowInk"/>)"
    LR"(</menu></buttonGroup>)"
    LR"(</box>)"

    // Toolbar row 2: font, alignment, number format, indent, border and
    // colour commands, then the macro editor, zoom and help.
    LR"(<box id="Korvanta_tools2">)"
    LR"(<comboBox idMso="Font" /><comboBox idMso="FontSize"/>)"
    LR"(<buttonGroup id="RX_ziti"><control idMso="Bold" showLabel="false"/><control idMso="Italic" showLabel="false"/><control idMso="Underline" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable32" label=" "/>)"
    LR"(<buttonGroup id="RXbutton32"><control idMso="AlignLeft" showLabel="false"/><control idMso="AlignCenter" showLabel="false"/><control idMso="AlignRight" showLabel="false"/><control idMso="MergeCenterMenu" showLabel="false"/><control idMso="WrapText" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable33" label=" "/>)"
    LR"(<control idMso="NumberFormatGallery" showLabel="false"/>)"
    LR"(<buttonGroup id="RXbutton33"><control idMso="AccountingFormatMenu" showLabel="false"/><control idMso="PercentStyle" showLabel="false"/><control idMso="CommaStyle" showLabel="false"/><control idMso="DecimalsIncrease" showLabel="false"/><control idMso="DecimalsDecrease" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable34" label=" "/>)"
    LR"(<buttonGroup id="RXbutton34"><control idMso="IndentIncreaseExcel" showLabel="false"/><control idMso="IndentDecreaseExcel" showLabel="false"/><control idMso="FormatCellsMenu" showLabel="false"/></buttonGroup>)"
    LR"(<buttonGroup id="RXbutton35"><control idMso="BordersGallery" showLabel="false" /><control idMso="CellFillColorPicker" showLabel="false"/><control idMso="FontColorPicker" showLabel="false"/></buttonGroup>)"
    LR"(<labelControl id="rxlable36" label=" "/>)"
    LR"(<buttonGroup id="RXbutton36"><control idMso="VisualBasic" showLabel="false" /><control idMso="ZoomClassic" showLabel="false"/><control idMso="Help" showLabel="false"/></buttonGroup>)"
    LR"(</box>)"

    LR"(</group ></tab>)"
    LR"(</tabs></ribbon></customUI>)";

#undef KORVANTA_MENU_ON_BAR
#undef KORVANTA_MENU_IN_ALL
#undef KORVANTA_DYNAMIC_MENU

}  // namespace

std::wstring_view customUiDocument() noexcept {
    return std::wstring_view(kCustomUi, sizeof kCustomUi / sizeof kCustomUi[0] - 1);
}

}  // namespace ribbon
