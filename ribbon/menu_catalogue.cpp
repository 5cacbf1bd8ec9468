// The fixed legacy menu documents, one constant per menu, one source line per
// menu line, so that each document is sent with a single copy.
//
// The texts are the menus as shipped: built-in controls that stand twice in a
// menu are sent twice, and the blanks before "/>" (present in most elements,
// missing in a few) and odd spellings such as "OleObjectctInsert" are kept.
#include "ribbon/menu_catalogue.h"

#include <cstddef>

#include "ribbon/menu_frame.h"

namespace ribbon {
namespace {

// The File menu is built from the host's recent files on every opening.
constexpr wchar_t kNoFixedDocument[] = L"";

constexpr wchar_t kEdit[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<gallery idMso="Undo" /><gallery idMso="Redo" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_bianji1" />)" KORVANTA_CRLF
    LR"(<button idMso="Cut" /><button idMso="Copy" /><button idMso="ShowClipboard" /><splitButton idMso="PasteMenu" /><button idMso="PasteSpecialDialog" /><button idMso="PasteAsHyperlink" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_bianji2" />)" KORVANTA_CRLF
    LR"(<menu idMso="FillMenu" /><menu idMso="ClearMenu" /><button idMso="PasteSpecialDialog" /><button idMso="PasteAsHyperlink" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_bianji3" />)" KORVANTA_CRLF
    LR"(<menu idMso="FillMenu" /><menu idMso="ClearMenu" /><splitButton idMso="TableDeleteRowsAndColumnsMenu" /><button idMso="SheetMoveOrCopy" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_bianji4" />)" KORVANTA_CRLF
    LR"(<button idMso="PasteAsHyperlink" /><button idMso="FindDialogExcel" /><button idMso="ReplaceDialog" /><button idMso="GoTo" /><menu idMso="SelectMenuExcel" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_bianji5" />)" KORVANTA_CRLF
    LR"(<button idMso="ObjectFormatDialog" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr wchar_t kView[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<toggleButton idMso="ViewNormalViewExcel" /><toggleButton idMso="ViewPageLayoutView" /><toggleButton idMso="ViewPageBreakPreviewView" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shitu3" />)" KORVANTA_CRLF
    LR"(<checkBox idMso="ViewFormulaBar" /><checkBox idMso="ViewMessageBar" /><checkBox idMso="ViewRulerExcel" /><checkBox idMso="GridlinesExcel" /><checkBox idMso="ViewHeadings" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shitu4" />)" KORVANTA_CRLF
    LR"(<button idMso="HeaderFooterInsert" /><toggleButton idMso="ReviewShowAllComments" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shitu5" />)" KORVANTA_CRLF
    LR"(<button idMso="ViewCustomViews" /><toggleButton idMso="ViewFullScreenView" /><button idMso="ZoomDialog" /><button idMso="ZoomCurrent100" /><button idMso="ZoomToSelection" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr wchar_t kInsert[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="CellsInsertDialog" /><button idMso="SheetRowsInsert" /><button idMso="SheetColumnsInsert" /><button idMso="SheetInsert" /><button idMso="ChartTypeAllInsertDialog" /><button idMso="SymbolInsert" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_charu3" />)" KORVANTA_CRLF
    LR"(<button idMso="PageBreakInsertOrRemove" /><menu id="RXcharuhanshu" label="函数库" itemSize="large"><button idMso="FunctionWizard" /><splitButton idMso="AutoSumMenu" /><gallery idMso="FunctionsRecentlyUsedtInsertGallery" /><menuSeparator id="rxAuditMiscSeparator_chruhanshu1" /><gallery idMso="FunctionsFinancialInsertGallery" /><gallery idMso="FunctionsLogicalInsertGallery" /><gallery idMso="FunctionsTextInsertGallery" /><gallery idMso="FunctionsDateTimeInsertGallery" /><gallery idMso="FunctionsLookupReferenceInsertGallery" /><gallery idMso="FunctionsMathTrigInsertGallery" /><menu idMso="FormulaMoreFunctionsMenu" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXcharumingcheng" getLabel="GetLabel" itemSize="large"><button idMso="NameManager" /><menuSeparator id="rxAuditMiscSeparator_mingcheng1" /><button idMso="NameDefine" /><button idMso="NamePasteName" /><button idMso="NameCreateFromSelection" /><button idMso="NamesApply" /><gallery idMso="NameUseInFormula" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXcharupizhu" label="批注" itemSize="large"><button idMso="ReviewNewComment" /><button idMso="ReviewDeleteComment" /><button idMso="ReviewPreviousComment" /><button idMso="ReviewNextComment" /><button idMso="ReviewShowOrHideComment" /><toggleButton idMso="ReviewShowAllComments" /><toggleButton idMso="ReviewShowInk" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_charu4" />)" KORVANTA_CRLF
    LR"(<menu id="RXcharutupian" getLabel="GetLabel" itemSize="large"><button idMso="PictureInsertFromFile" /><toggleButton idMso="ClipArtInsert" /><gallery idMso="ShapesInsertGallery" /><gallery idMso="WordArtInsertGallery" /><button idMso="SmartArtInsert" /></menu><button idMso="SmartArtInsert" /><splitButton idMso="TextBoxInsertMenu" /><button idMso="OleObjectctInsert" /><button idMso="HyperlinkInsert" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_charu5" />)" KORVANTA_CRLF
    LR"(<button idMso="TableInsertExcel" /><splitButton idMso="SignatureLineInsertMenu" /><button idMso="HeaderFooterInsert" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr wchar_t kFormat[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="FormatCellsDialog" /><menu id="RXhang" getLabel="GetLabel" itemSize="large"><button idMso="RowHeight" /><button idMso="RowHeightAutoFit" /><button idMso="RowsHide" /><button idMso="RowsUnhide" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXlie" getLabel="GetLabel" itemSize="large"><button idMso="ColumnWidth" /><button idMso="ColumnWidthAutoFit" /><button idMso="ColumnsHide" /><button idMso="ColumnsUnhide" /><button idMso="ColumnWidthDefault" /><button idMso="ColumnWidthAutoFit" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXgongzuobiao" getLabel="GetLabel" itemSize="large"><button idMso="SheetRename" /><button idMso="SheetHide" /><button idMso="SheetUnhide" /><button idMso="SheetBackground" /><button idMso="SheetTabColorMoreColorsDialog" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_geshi3" />)" KORVANTA_CRLF
    LR"(<button idMso="AutoFormatDialog" /><menu idMso="ConditionalFormattingMenu" /><gallery idMso="FormatAsTableGallery" /><gallery idMso="CellStylesGallery" /><button idMso="StylesDialogClassic" /><splitButton idMso="PhoneticGuideMenu" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_geshi4" />)" KORVANTA_CRLF
    LR"(<gallery idMso="ThemesGallery" /><gallery idMso="ThemeColorsGallery" /><gallery idMso="ThemeFontsGallery" /><gallery idMso="ThemeEffectsGallery" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_geshi5" />)" KORVANTA_CRLF
    LR"(<menu id="RXpailie" label="排列" itemSize="large"><splitButton idMso="ObjectBringToFrontMenu" /><splitButton idMso="ObjectSendToBackMenu" /><toggleButton idMso="SelectionPane" /><menu idMso="ObjectAlignMenu" /><menu idMso="ObjectsGroupMenu" /><gallery idMso="ObjectRotateGallery" /></menu>)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr wchar_t kTools[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="Spelling" /><toggleButton idMso="ResearchPane" /><menu id="RXxiaodui" label="校对" itemSize="large"><button idMso="Thesaurus" /><button idMso="TranslationPane" /></menu><button idMso="ErrorChecking" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_gongju1" />)" KORVANTA_CRLF
    LR"(<toggleButton idMso="FileCreateDocumentWorkspace" /><button idMso="ReviewShareWorkbook" /><menu idMso="ReviewTrackChangesMenu" /><button idMso="CompareAndMergeWorkbooks" />)" KORVANTA_CRLF
    LR"(<menu id="RXbaohu" getLabel="GetLabel" itemSize="large"><button idMso="SheetProtect" /><button idMso="ReviewAllowUsersToEditRanges" /><button idMso="ReviewShareWorkbook" /><button idMso="ReviewProtectAndShareWorkbook" /><menu idMso="ReviewProtectWorkbookMenu" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_gongju2" />)" KORVANTA_CRLF
    LR"(<button idMso="GoalSeek" /><button idMso="ScenarioManager" /><menu id="RXgongshishenghe" label="公式审核" itemSize="large"><button idMso="ReviewNewComment" /><button idMso="ReviewDeleteComment" /><button idMso="ReviewPreviousComment" /><button idMso="ReviewNextComment"/><button idMso="ReviewShowOrHideComment" /><toggleButton idMso="ReviewShowAllComments" /><toggleButton idMso="ReviewShowInk" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_gongju3" />)" KORVANTA_CRLF
    LR"(<menu id="RXhong" getLabel="GetLabel" itemSize="large"><button idMso="MacroPlay" /><button idMso="MacroRecord" /><button idMso="MacroSecurity" /><toggleButton idMso="MacroRelativeReferences" /><menuSeparator id="rxAuditMiscSeparator_gongjumacro" /><button idMso="VisualBasic" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXkongjian" label="控件" itemSize="large"><gallery idMso="ControlsGallery" /><toggleButton idMso="DesignMode" /><button idMso="ControlProperties" /><button idMso="ViewCode" /><menuSeparator id="RunDialog" /></menu>)" KORVANTA_CRLF
    LR"(<button idMso="AddInManager" /><button idMso="FileAddDigitalSignature"/><button idMso="ApplicationOptionsDialog" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr wchar_t kData[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="SortDialog" /><toggleButton idMso="Filter" /><button idMso="DataFormExcel" /><button idMso="OutlineSubtotals" /><splitButton idMso="DataValidationMenu" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shuju1" />)" KORVANTA_CRLF
    LR"(<menu idMso="WhatIfAnalysisMenu" /><button idMso="ConvertTextToTable" /><button idMso="RemoveDuplicates" /><button idMso="Consolidate" /><menu id="RXjisuan" label="计算" itemSize="large"><menu idMso="CalculationOptionsMenu" /><button idMso="CalculateNow" /><button idMso="CalculateSheet" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXfenjixianshi" getLabel="GetLabel" itemSize="large"><button idMso="OutlineHideDetail" /><button idMso="OutlineShowDetail" /><button idMso="OutlineGroup" /><button idMso="OutlineUngroup" /><menuSeparator id="rxAuditMiscSeparator_zuhe1" /><button idMso="OutlineAuto" /><button idMso="OutlineClear" /><button idMso="OutlineSettings" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shuju2" />)" KORVANTA_CRLF
    LR"(<button idMso="PivotTableReport" /><menu id="RXdaorushuju" getLabel="GetLabel" itemSize="large"><button idMso="GetExternalDataImportClassic" /><button idMso="GetExternalDataFromWeb" /><gallery idMso="GetExternalDataFromOtherSources" /><button idMso="ConnectionProperties" /><button idMso="DataRangeProperties" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXlianjie" label="连接" itemSize="large"><splitButton idMso="RefreshAllMenu" /><button idMso="Connections" /><button idMso="DataRangeProperties" /><button idMso="EditLinks" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXliebiao" getLabel="GetLabel" itemSize="large"><button idMso="TableInsertExcel" /><button idMso="TableResize" /><checkBox idMso="TableStyleTotalsRow" /><button idMso="TableConvertToRange" /><button idMso="TableExportTableToSharePointList" /><button idMso="TableOpenInBrowser" /><button idMso="TableUnlinkExternalData" /><button idMso="ListSynchronize" /><button idMso="TableOpenInBrowser" /></menu>)" KORVANTA_CRLF
    LR"(<menu id="RXxml" label="XML" itemSize="large"><button idMso="XmlImport" /><button idMso="XmlExport" /><button idMso="XmlDataRefresh" /><menuSeparator id="rxAuditMiscSeparator_XML1" /><toggleButton idMso="XmlSource" /><menuSeparator id="rxAuditMiscSeparator_XML2" /><button idMso="XmlMapProperties" /><button idMso="XmlExpansionPacksExcel" /></menu>)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_shuju3" />)" KORVANTA_CRLF
    LR"(<button idMso="Refresh" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

// The separators' differing spellings are ids only; they stay as shipped.
constexpr wchar_t kWindow[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="WindowNew" /><button idMso="WindowsArrangeAll" /><toggleButton idMso="ViewSideBySide" /><toggleButton idMso="WindowSideBySideSynchronousScrolling" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_chiuangkou1" />)" KORVANTA_CRLF
    LR"(<button idMso="WindowResetPosition" /><button idMso="WindowHide" /><button idMso="WindowUnhide" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_chuangkou2" />)" KORVANTA_CRLF
    LR"(<toggleButton idMso="WindowSplitToggle" /><gallery idMso="ViewFreezePanesGallery" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_chuangkou3" />)" KORVANTA_CRLF
    LR"(<menu idMso="WindowSwitchWindowsMenuExcel" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

// "Dizhi" and "AboutMe" call back into the add-in to open its dialogs.
constexpr wchar_t kHelp[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="Help" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_help1" />)" KORVANTA_CRLF
    LR"(<button idMso="ContactUs" />)" KORVANTA_CRLF
    LR"(<button idMso="CheckForUpdates" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_help2" />)" KORVANTA_CRLF
    LR"(<button id="Dizhi" label="自定义..." onAction="CustomMenu"/>)" KORVANTA_CRLF
    LR"(<button id="AboutMe" getLabel="GetLabel" onAction="AboutMenu" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

struct CataloguedMenu {
    std::wstring_view tag;
    LegacyMenu menu;
    std::wstring_view document;
};

// In menu-bar order, which is the order the content callback compares the tags in.
#define KORVANTA_MENU_ENTRY(menu, tag, id, label, screentip, supertip, spacer, document) \
    {tag, LegacyMenu::menu, viewOf(document)},
constexpr CataloguedMenu kMenus[] = {KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ENTRY)};
#undef KORVANTA_MENU_ENTRY

}  // namespace

std::optional<LegacyMenu> menuForTag(std::wstring_view tag) noexcept {
    for (const CataloguedMenu& entry : kMenus) {
        if (entry.tag == tag) return entry.menu;
    }
    return std::nullopt;
}

std::wstring_view fixedMenuDocument(LegacyMenu menu) noexcept {
    for (const CataloguedMenu& entry : kMenus) {
        if (entry.menu == menu) return entry.document;
    }
    return {};
}

}  // namespace ribbon
