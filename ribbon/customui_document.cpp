// The customUI document as one compile-time constant, one source line per
// element or small group, in document order.
//
// The odd blanks are part of the shipped text and stay: a blank before "/>" in
// six elements, a blank between the controls SortDescendingExcel and Filter,
// and the end tag "</group >". The spellings "rxlable" and "Usedt" are ids and
// an idMso exactly as Office and the callbacks know them.
#include "ribbon/customui_document.h"

#include "ribbon/menu_frame.h"

namespace ribbon {
namespace {

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
    LR"(<dynamicMenu id="rxMenu_wenjian1" label="文件" screentip="文件菜单" supertip="获取Excel2007打开关闭等和文件相关操作。" tag="File" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_bianji1" label="编辑" screentip="编辑菜单" supertip="获取和Excel2007复制剪切等和文件编辑有关的操作。" tag="Edit" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_shitu1" label="视图" screentip="视图菜单" supertip="获取和Excel2007页面布局，外观等的有关操作。" tag="View" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_charu1" label="插入" screentip="插入菜单" supertip="获取和Excel2007各种对象插入的有关操作。" tag="Insert" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_geshi1" label="格式" screentip="格式菜单" supertip="获取和Excel2007各种对象格式有关的操作。" tag="Format" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_gongju1" label="工具" screentip="工具菜单" supertip="获取和Excel2007检查，保护，宏及方案管理等有关的操作。" tag="Tools" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_shuju1" label="数据" screentip="数据菜单" supertip="获取和Excel2007数据操作有关的操作。" tag="Date" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_chuangkou1" label="窗口" screentip="窗口菜单" supertip="获取和Excel2007窗口布局有关的操作。" tag="Windows" getContent="rxKorvanta_get"/>)"
    LR"(<dynamicMenu id="rxMenu_bangzhu1" label="帮助" screentip="帮助菜单" supertip="获取和Excel2007有关的信息。" tag="Help" getContent="rxKorvanta_get"/>)"
    LR"(</menu>)"
    LR"(<labelControl id="rxlable9" label="   " getVisible="GetVisibleI" tag="一"/>)"
    LR"(<dynamicMenu id="rxMenu_wenjian" label="文件" screentip="文件菜单" supertip="获取Excel2007打开关闭等和文件相关操作。" tag="File" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable1" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_bianji" label="编辑" screentip="编辑菜单" supertip="获取和Excel2007复制剪切等和文件编辑有关的操作。" tag="Edit" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable2" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_shitu" label="视图" screentip="视图菜单" supertip="获取和Excel2007页面布局，外观等的有关操作。" tag="View" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable3" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_charu" label="插入" screentip="插入菜单" supertip="获取和Excel2007各种对象插入的有关操作。" tag="Insert" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable4" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_geshi" label="格式" screentip="格式菜单" supertip="获取和Excel2007各种对象格式有关的操作。" tag="Format" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable5" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_gongju" label="工具" screentip="工具菜单" supertip="获取和Excel2007检查，保护，宏及方案管理等有关的操作。" tag="Tools" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable6" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_shuju" label="数据" screentip="数据菜单" supertip="获取和Excel2007数据操作有关的操作。" tag="Date" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable7" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_chuangkou" label="窗口" screentip="窗口菜单" supertip="获取和Excel2007窗口布局有关的操作。" tag="Windows" getContent="rxKorvanta_get"/>)"
    LR"(<labelControl id="rxlable8" label="   "/>)"
    LR"(<dynamicMenu id="rxMenu_bangzhu" label="帮助" screentip="帮助菜单" supertip="获取和Excel2007有关的信息。" tag="Help" getContent="rxKorvanta_get"/>)"
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

}  // namespace

std::wstring_view customUiDocument() noexcept {
    return std::wstring_view(kCustomUi, sizeof kCustomUi / sizeof kCustomUi[0] - 1);
}

}  // namespace ribbon
