// The fixed legacy menu documents, one template per menu, one source line per
// menu line, filled in a language on first use so that afterwards each
// document is sent with a single copy; and the File menu's fixed head.
//
// The texts are the menus as shipped: built-in controls that stand twice in a
// menu are sent twice, and the blanks before "/>" (present in most elements,
// missing in a few) and odd spellings such as "OleObjectctInsert" are kept.
#include "ribbon/menu_catalogue.h"

#include <cstddef>

#include "ribbon/menu_frame.h"
#include "ribbon/ribbon_texts.h"

namespace ribbon {
namespace {

// The File menu is built from the host's recent files on every opening,
// after this head: up to the separator after which the recent files follow,
// on the same line.
constexpr char kNoFixedDocument[] = "";
constexpr char kFileHead[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="FileNew" /><button idMso="FileOpen" /><button idMso="FileClose" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_wenjian1" />)" KORVANTA_CRLF
    R"(<button idMso="FileSave" /><button idMso="FileSaveAs" /><button idMso="FileSaveAsExcel97_2003" label=")" KORVANTA_TEXT(SaveAsExcel97) R"("/><button idMso="FileSaveAsWebPage" /><button idMso="WindowSaveWorkspace" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_wenjian2" />)" KORVANTA_CRLF
    R"(<menu idMso="FilePermissionRestrictMenu" /><menuSeparator id="rxAuditMiscSeparator_wenjian3" /><button idMso="WebPagePreview" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_wenjian4" />)" KORVANTA_CRLF
    R"(<button idMso="PageSetupPageDialog" /><menu id="RXPageSetupPage" label=")" KORVANTA_TEXT(PageSetupMenu) R"(" itemSize="large"><gallery idMso="PageMarginsGallery" /><gallery idMso="PageOrientationGallery" /><gallery idMso="PageSizeGallery" /><menuSeparator id="rxAuditMiscSeparator_yemian" /><menu idMso="PrintAreaMenu" /><menu idMso="PageBreakMenu" /><button idMso="SheetBackground" /><button idMso="PrintTitles" /></menu><menu idMso="PrintAreaMenu" /><button idMso="FilePrintPreview" /><button idMso="FilePrint" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_wenjian5" />)" KORVANTA_CRLF
    R"(<menu idMso="FilePrepareMenu" /><menu id="RXfasong" label=")" KORVANTA_TEXT(SendMenu) R"(" itemSize="large"><toggleButton idMso="SendCopySendToMailRecipient" /><button idMso="ReviewSendForReview" /><button idMso="ExchangeFolder" /><button idMso="FileInternetFax" /></menu><menu idMso="MenuPublish" /><toggleButton idMso="FileProperties" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_wenjian6" />)";

constexpr char kEdit[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<gallery idMso="Undo" /><gallery idMso="Redo" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_bianji1" />)" KORVANTA_CRLF
    R"(<button idMso="Cut" /><button idMso="Copy" /><button idMso="ShowClipboard" /><splitButton idMso="PasteMenu" /><button idMso="PasteSpecialDialog" /><button idMso="PasteAsHyperlink" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_bianji2" />)" KORVANTA_CRLF
    R"(<menu idMso="FillMenu" /><menu idMso="ClearMenu" /><button idMso="PasteSpecialDialog" /><button idMso="PasteAsHyperlink" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_bianji3" />)" KORVANTA_CRLF
    R"(<menu idMso="FillMenu" /><menu idMso="ClearMenu" /><splitButton idMso="TableDeleteRowsAndColumnsMenu" /><button idMso="SheetMoveOrCopy" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_bianji4" />)" KORVANTA_CRLF
    R"(<button idMso="PasteAsHyperlink" /><button idMso="FindDialogExcel" /><button idMso="ReplaceDialog" /><button idMso="GoTo" /><menu idMso="SelectMenuExcel" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_bianji5" />)" KORVANTA_CRLF
    R"(<button idMso="ObjectFormatDialog" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr char kView[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<toggleButton idMso="ViewNormalViewExcel" /><toggleButton idMso="ViewPageLayoutView" /><toggleButton idMso="ViewPageBreakPreviewView" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shitu3" />)" KORVANTA_CRLF
    R"(<checkBox idMso="ViewFormulaBar" /><checkBox idMso="ViewMessageBar" /><checkBox idMso="ViewRulerExcel" /><checkBox idMso="GridlinesExcel" /><checkBox idMso="ViewHeadings" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shitu4" />)" KORVANTA_CRLF
    R"(<button idMso="HeaderFooterInsert" /><toggleButton idMso="ReviewShowAllComments" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shitu5" />)" KORVANTA_CRLF
    R"(<button idMso="ViewCustomViews" /><toggleButton idMso="ViewFullScreenView" /><button idMso="ZoomDialog" /><button idMso="ZoomCurrent100" /><button idMso="ZoomToSelection" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr char kInsert[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="CellsInsertDialog" /><button idMso="SheetRowsInsert" /><button idMso="SheetColumnsInsert" /><button idMso="SheetInsert" /><button idMso="ChartTypeAllInsertDialog" /><button idMso="SymbolInsert" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_charu3" />)" KORVANTA_CRLF
    R"(<button idMso="PageBreakInsertOrRemove" /><menu id="RXcharuhanshu" label=")" KORVANTA_TEXT(FunctionLibrary) R"(" itemSize="large"><button idMso="FunctionWizard" /><splitButton idMso="AutoSumMenu" /><gallery idMso="FunctionsRecentlyUsedtInsertGallery" /><menuSeparator id="rxAuditMiscSeparator_chruhanshu1" /><gallery idMso="FunctionsFinancialInsertGallery" /><gallery idMso="FunctionsLogicalInsertGallery" /><gallery idMso="FunctionsTextInsertGallery" /><gallery idMso="FunctionsDateTimeInsertGallery" /><gallery idMso="FunctionsLookupReferenceInsertGallery" /><gallery idMso="FunctionsMathTrigInsertGallery" /><menu idMso="FormulaMoreFunctionsMenu" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXcharumingcheng" getLabel="GetLabel" itemSize="large"><button idMso="NameManager" /><menuSeparator id="rxAuditMiscSeparator_mingcheng1" /><button idMso="NameDefine" /><button idMso="NamePasteName" /><button idMso="NameCreateFromSelection" /><button idMso="NamesApply" /><gallery idMso="NameUseInFormula" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXcharupizhu" label=")" KORVANTA_TEXT(Comments) R"(" itemSize="large"><button idMso="ReviewNewComment" /><button idMso="ReviewDeleteComment" /><button idMso="ReviewPreviousComment" /><button idMso="ReviewNextComment" /><button idMso="ReviewShowOrHideComment" /><toggleButton idMso="ReviewShowAllComments" /><toggleButton idMso="ReviewShowInk" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_charu4" />)" KORVANTA_CRLF
    R"(<menu id="RXcharutupian" getLabel="GetLabel" itemSize="large"><button idMso="PictureInsertFromFile" /><toggleButton idMso="ClipArtInsert" /><gallery idMso="ShapesInsertGallery" /><gallery idMso="WordArtInsertGallery" /><button idMso="SmartArtInsert" /></menu><button idMso="SmartArtInsert" /><splitButton idMso="TextBoxInsertMenu" /><button idMso="OleObjectctInsert" /><button idMso="HyperlinkInsert" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_charu5" />)" KORVANTA_CRLF
    R"(<button idMso="TableInsertExcel" /><splitButton idMso="SignatureLineInsertMenu" /><button idMso="HeaderFooterInsert" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr char kFormat[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="FormatCellsDialog" /><menu id="RXhang" getLabel="GetLabel" itemSize="large"><button idMso="RowHeight" /><button idMso="RowHeightAutoFit" /><button idMso="RowsHide" /><button idMso="RowsUnhide" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXlie" getLabel="GetLabel" itemSize="large"><button idMso="ColumnWidth" /><button idMso="ColumnWidthAutoFit" /><button idMso="ColumnsHide" /><button idMso="ColumnsUnhide" /><button idMso="ColumnWidthDefault" /><button idMso="ColumnWidthAutoFit" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXgongzuobiao" getLabel="GetLabel" itemSize="large"><button idMso="SheetRename" /><button idMso="SheetHide" /><button idMso="SheetUnhide" /><button idMso="SheetBackground" /><button idMso="SheetTabColorMoreColorsDialog" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_geshi3" />)" KORVANTA_CRLF
    R"(<button idMso="AutoFormatDialog" /><menu idMso="ConditionalFormattingMenu" /><gallery idMso="FormatAsTableGallery" /><gallery idMso="CellStylesGallery" /><button idMso="StylesDialogClassic" /><splitButton idMso="PhoneticGuideMenu" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_geshi4" />)" KORVANTA_CRLF
    R"(<gallery idMso="ThemesGallery" /><gallery idMso="ThemeColorsGallery" /><gallery idMso="ThemeFontsGallery" /><gallery idMso="ThemeEffectsGallery" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_geshi5" />)" KORVANTA_CRLF
    R"(<menu id="RXpailie" label=")" KORVANTA_TEXT(Arrange) R"(" itemSize="large"><splitButton idMso="ObjectBringToFrontMenu" /><splitButton idMso="ObjectSendToBackMenu" /><toggleButton idMso="SelectionPane" /><menu idMso="ObjectAlignMenu" /><menu idMso="ObjectsGroupMenu" /><gallery idMso="ObjectRotateGallery" /></menu>)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr char kTools[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="Spelling" /><toggleButton idMso="ResearchPane" /><menu id="RXxiaodui" label=")" KORVANTA_TEXT(Proofing) R"(" itemSize="large"><button idMso="Thesaurus" /><button idMso="TranslationPane" /></menu><button idMso="ErrorChecking" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_gongju1" />)" KORVANTA_CRLF
    R"(<toggleButton idMso="FileCreateDocumentWorkspace" /><button idMso="ReviewShareWorkbook" /><menu idMso="ReviewTrackChangesMenu" /><button idMso="CompareAndMergeWorkbooks" />)" KORVANTA_CRLF
    R"(<menu id="RXbaohu" getLabel="GetLabel" itemSize="large"><button idMso="SheetProtect" /><button idMso="ReviewAllowUsersToEditRanges" /><button idMso="ReviewShareWorkbook" /><button idMso="ReviewProtectAndShareWorkbook" /><menu idMso="ReviewProtectWorkbookMenu" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_gongju2" />)" KORVANTA_CRLF
    R"(<button idMso="GoalSeek" /><button idMso="ScenarioManager" /><menu id="RXgongshishenghe" label=")" KORVANTA_TEXT(FormulaAuditing) R"(" itemSize="large"><button idMso="ReviewNewComment" /><button idMso="ReviewDeleteComment" /><button idMso="ReviewPreviousComment" /><button idMso="ReviewNextComment"/><button idMso="ReviewShowOrHideComment" /><toggleButton idMso="ReviewShowAllComments" /><toggleButton idMso="ReviewShowInk" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_gongju3" />)" KORVANTA_CRLF
    R"(<menu id="RXhong" getLabel="GetLabel" itemSize="large"><button idMso="MacroPlay" /><button idMso="MacroRecord" /><button idMso="MacroSecurity" /><toggleButton idMso="MacroRelativeReferences" /><menuSeparator id="rxAuditMiscSeparator_gongjumacro" /><button idMso="VisualBasic" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXkongjian" label=")" KORVANTA_TEXT(Controls) R"(" itemSize="large"><gallery idMso="ControlsGallery" /><toggleButton idMso="DesignMode" /><button idMso="ControlProperties" /><button idMso="ViewCode" /><menuSeparator id="RunDialog" /></menu>)" KORVANTA_CRLF
    R"(<button idMso="AddInManager" /><button idMso="FileAddDigitalSignature"/><button idMso="ApplicationOptionsDialog" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

constexpr char kData[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="SortDialog" /><toggleButton idMso="Filter" /><button idMso="DataFormExcel" /><button idMso="OutlineSubtotals" /><splitButton idMso="DataValidationMenu" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shuju1" />)" KORVANTA_CRLF
    R"(<menu idMso="WhatIfAnalysisMenu" /><button idMso="ConvertTextToTable" /><button idMso="RemoveDuplicates" /><button idMso="Consolidate" /><menu id="RXjisuan" label=")" KORVANTA_TEXT(Calculation) R"(" itemSize="large"><menu idMso="CalculationOptionsMenu" /><button idMso="CalculateNow" /><button idMso="CalculateSheet" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXfenjixianshi" getLabel="GetLabel" itemSize="large"><button idMso="OutlineHideDetail" /><button idMso="OutlineShowDetail" /><button idMso="OutlineGroup" /><button idMso="OutlineUngroup" /><menuSeparator id="rxAuditMiscSeparator_zuhe1" /><button idMso="OutlineAuto" /><button idMso="OutlineClear" /><button idMso="OutlineSettings" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shuju2" />)" KORVANTA_CRLF
    R"(<button idMso="PivotTableReport" /><menu id="RXdaorushuju" getLabel="GetLabel" itemSize="large"><button idMso="GetExternalDataImportClassic" /><button idMso="GetExternalDataFromWeb" /><gallery idMso="GetExternalDataFromOtherSources" /><button idMso="ConnectionProperties" /><button idMso="DataRangeProperties" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXlianjie" label=")" KORVANTA_TEXT(Connections) R"(" itemSize="large"><splitButton idMso="RefreshAllMenu" /><button idMso="Connections" /><button idMso="DataRangeProperties" /><button idMso="EditLinks" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXliebiao" getLabel="GetLabel" itemSize="large"><button idMso="TableInsertExcel" /><button idMso="TableResize" /><checkBox idMso="TableStyleTotalsRow" /><button idMso="TableConvertToRange" /><button idMso="TableExportTableToSharePointList" /><button idMso="TableOpenInBrowser" /><button idMso="TableUnlinkExternalData" /><button idMso="ListSynchronize" /><button idMso="TableOpenInBrowser" /></menu>)" KORVANTA_CRLF
    R"(<menu id="RXxml" label="XML" itemSize="large"><button idMso="XmlImport" /><button idMso="XmlExport" /><button idMso="XmlDataRefresh" /><menuSeparator id="rxAuditMiscSeparator_XML1" /><toggleButton idMso="XmlSource" /><menuSeparator id="rxAuditMiscSeparator_XML2" /><button idMso="XmlMapProperties" /><button idMso="XmlExpansionPacksExcel" /></menu>)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_shuju3" />)" KORVANTA_CRLF
    R"(<button idMso="Refresh" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

// The separators' differing spellings are ids only; they stay as shipped.
constexpr char kWindow[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="WindowNew" /><button idMso="WindowsArrangeAll" /><toggleButton idMso="ViewSideBySide" /><toggleButton idMso="WindowSideBySideSynchronousScrolling" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_chiuangkou1" />)" KORVANTA_CRLF
    R"(<button idMso="WindowResetPosition" /><button idMso="WindowHide" /><button idMso="WindowUnhide" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_chuangkou2" />)" KORVANTA_CRLF
    R"(<toggleButton idMso="WindowSplitToggle" /><gallery idMso="ViewFreezePanesGallery" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_chuangkou3" />)" KORVANTA_CRLF
    R"(<menu idMso="WindowSwitchWindowsMenuExcel" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

// "Dizhi" and "AboutMe" call back into the add-in to open its dialogs.
constexpr char kHelp[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    R"(<button idMso="Help" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_help1" />)" KORVANTA_CRLF
    R"(<button idMso="ContactUs" />)" KORVANTA_CRLF
    R"(<button idMso="CheckForUpdates" />)" KORVANTA_CRLF
    R"(<menuSeparator id="rxAuditMiscSeparator_help2" />)" KORVANTA_CRLF
    R"(<button id="Dizhi" label=")" KORVANTA_TEXT(Customise) R"(" onAction="CustomMenu"/>)" KORVANTA_CRLF
    R"(<button id="AboutMe" getLabel="GetLabel" onAction="AboutMenu" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

struct CataloguedMenu {
    std::wstring_view tag;
    LegacyMenu menu;
};

// In menu-bar order, which is the order the content callback compares the tags in.
#define KORVANTA_MENU_ENTRY(menu, tag, id, label, screentip, supertip, spacer, document) {L"" tag, LegacyMenu::menu},
constexpr CataloguedMenu kMenus[] = {KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ENTRY)};
#undef KORVANTA_MENU_ENTRY

#define KORVANTA_MENU_SLOTS(menu, tag, id, label, screentip, supertip, spacer, document) \
    static_assert(slotsNameTexts(templateOf(document)), "a slot of " #document " names no text");
KORVANTA_LEGACY_MENUS(KORVANTA_MENU_SLOTS)
#undef KORVANTA_MENU_SLOTS
static_assert(slotsNameTexts(templateOf(kFileHead)), "a slot of kFileHead names no text");

// Indexed as LegacyMenu.
#define KORVANTA_MENU_DOCUMENT(menu, tag, id, label, screentip, supertip, spacer, document) \
    FilledTemplate(templateOf(document)),
FilledTemplate g_documents[] = {KORVANTA_LEGACY_MENUS(KORVANTA_MENU_DOCUMENT)};
#undef KORVANTA_MENU_DOCUMENT
FilledTemplate g_fileHead(templateOf(kFileHead));

}  // namespace

std::optional<LegacyMenu> menuForTag(std::wstring_view tag) noexcept {
    for (const CataloguedMenu& entry : kMenus) {
        if (entry.tag == tag) return entry.menu;
    }
    return std::nullopt;
}

std::wstring_view fixedMenuDocument(LegacyMenu menu, Language language) {
    if (menu == LegacyMenu::File) return {};
    return g_documents[static_cast<std::size_t>(menu)].in(language);
}

std::wstring_view fileMenuHead(Language language) { return g_fileHead.in(language); }

}  // namespace ribbon
