// The ribbon's own texts in every language, and the document templates they
// fill. Pure: no COM or Win32 types.
//
// A document is kept once, as a template: UTF-8 text in which each own text
// stands as a slot, KORVANTA_TEXT(name). Filled in a language it becomes the
// UTF-16 document Office reads; each language's documents are filled on first
// use and kept, since Office asks for the same ones again and again.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "support/language.h"

// KORVANTA_RIBBON_TEXTS(T) expands T(name, simplified, traditional, english)
// once per text. Every text stands inside a double-quoted XML attribute as it
// is, so none holds "&", "<", ">" or a double quote (checked below).
#define KORVANTA_RIBBON_TEXTS(T)                                                                                     \
    /* The combined menu, and the print check boxes of toolbar row 1's page setup menu. Excel names */             \
    /* the headings check box "Print Headings"; zh-TW says which headings, as 列印標題 is Print Titles. */         \
    T(AllMenu, L"全部", L"全部", L"All")                                                                            \
    T(AllMenuTip, L"全部菜单", L"全部功能表", L"All Menus")                                                         \
    T(PrintGridlines, L"打印网格线", L"列印格線", L"Print Gridlines")                                               \
    T(PrintHeadings, L"打印标题", L"列印列和欄標題", L"Print Headings")                                             \
    /* The nine legacy menus: label, screentip, supertip. */                                                       \
    T(FileMenu, L"文件", L"檔案", L"File")                                                                          \
    T(FileMenuTip, L"文件菜单", L"檔案功能表", L"File Menu")                                                        \
    T(FileMenuNote, L"获取Excel2007打开关闭等和文件相关操作。", L"取得 Excel 2007 開啟、關閉等與檔案相關的操作。",    \
      L"Excel 2007 commands for files, such as Open and Close.")                                                   \
    T(EditMenu, L"编辑", L"編輯", L"Edit")                                                                          \
    T(EditMenuTip, L"编辑菜单", L"編輯功能表", L"Edit Menu")                                                        \
    T(EditMenuNote, L"获取和Excel2007复制剪切等和文件编辑有关的操作。",                                             \
      L"取得與 Excel 2007 複製、剪下等文件編輯有關的操作。", L"Excel 2007 commands for editing, such as Copy and Cut.") \
    T(ViewMenu, L"视图", L"檢視", L"View")                                                                          \
    T(ViewMenuTip, L"视图菜单", L"檢視功能表", L"View Menu")                                                        \
    T(ViewMenuNote, L"获取和Excel2007页面布局，外观等的有关操作。", L"取得與 Excel 2007 版面配置、外觀等有關的操作。", \
      L"Excel 2007 commands for page layout, appearance and more.")                                               \
    T(InsertMenu, L"插入", L"插入", L"Insert")                                                                      \
    T(InsertMenuTip, L"插入菜单", L"插入功能表", L"Insert Menu")                                                    \
    T(InsertMenuNote, L"获取和Excel2007各种对象插入的有关操作。", L"取得與 Excel 2007 插入各種物件有關的操作。",      \
      L"Excel 2007 commands for inserting all kinds of objects.")                                                  \
    T(FormatMenu, L"格式", L"格式", L"Format")                                                                      \
    T(FormatMenuTip, L"格式菜单", L"格式功能表", L"Format Menu")                                                    \
    T(FormatMenuNote, L"获取和Excel2007各种对象格式有关的操作。", L"取得與 Excel 2007 各種物件格式有關的操作。",      \
      L"Excel 2007 commands for formatting all kinds of objects.")                                                 \
    T(ToolsMenu, L"工具", L"工具", L"Tools")                                                                        \
    T(ToolsMenuTip, L"工具菜单", L"工具功能表", L"Tools Menu")                                                      \
    T(ToolsMenuNote, L"获取和Excel2007检查，保护，宏及方案管理等有关的操作。",                                       \
      L"取得與 Excel 2007 檢查、保護、巨集及分析藍本管理等有關的操作。",                                             \
      L"Excel 2007 commands for checking, protection, macros, scenario management and more.")                      \
    T(DataMenu, L"数据", L"資料", L"Data")                                                                          \
    T(DataMenuTip, L"数据菜单", L"資料功能表", L"Data Menu")                                                        \
    T(DataMenuNote, L"获取和Excel2007数据操作有关的操作。", L"取得與 Excel 2007 資料處理有關的操作。",                 \
      L"Excel 2007 commands for working with data.")                                                               \
    T(WindowMenu, L"窗口", L"視窗", L"Window")                                                                      \
    T(WindowMenuTip, L"窗口菜单", L"視窗功能表", L"Window Menu")                                                    \
    T(WindowMenuNote, L"获取和Excel2007窗口布局有关的操作。", L"取得與 Excel 2007 視窗配置有關的操作。",               \
      L"Excel 2007 commands for arranging windows.")                                                               \
    T(HelpMenu, L"帮助", L"說明", L"Help")                                                                          \
    T(HelpMenuTip, L"帮助菜单", L"說明功能表", L"Help Menu")                                                        \
    T(HelpMenuNote, L"获取和Excel2007有关的信息。", L"取得與 Excel 2007 有關的資訊。", L"Information about Excel 2007.") \
    /* The File menu. zh-TW names the workbook 活頁簿, not the zh-CN text's misspelt 工作薄. The */                 \
    /* recent-file supertip begins with OpenPrefix, then the path. */                                               \
    T(SaveAsExcel97, L"另存为Excel97_2003工作薄", L"另存為 Excel 97-2003 活頁簿", L"Save as Excel 97-2003 Workbook") \
    T(PageSetupMenu, L"页面设置", L"版面設定", L"Page Setup")                                                       \
    T(SendMenu, L"发送", L"傳送", L"Send")                                                                          \
    T(OpenPrefix, L"打开:  ", L"開啟:  ", L"Open:  ")                                                               \
    /* Own submenus and the Customise button of the other menus: Excel 2007's names of the ribbon */               \
    /* groups whose commands they hold. */                                                                          \
    T(FunctionLibrary, L"函数库", L"函數程式庫", L"Function Library")                                               \
    T(Comments, L"批注", L"註解", L"Comments")                                                                      \
    T(Arrange, L"排列", L"排列", L"Arrange")                                                                        \
    T(Proofing, L"校对", L"校訂", L"Proofing")                                                                      \
    T(FormulaAuditing, L"公式审核", L"公式稽核", L"Formula Auditing")                                               \
    T(Controls, L"控件", L"控制項", L"Controls")                                                                    \
    T(Calculation, L"计算", L"計算", L"Calculation")                                                                \
    T(Connections, L"连接", L"連線", L"Connections")                                                                \
    T(Customise, L"自定义...", L"自訂...", L"Customize...")

// A slot in a document template: where the text `name` goes.
#define KORVANTA_TEXT(name) "\x01" #name "\x02"

namespace ribbon {

#define KORVANTA_TEXT_ENUMERATOR(name, ...) name,
enum class RibbonText : unsigned char { KORVANTA_RIBBON_TEXTS(KORVANTA_TEXT_ENUMERATOR) };
#undef KORVANTA_TEXT_ENUMERATOR

#define KORVANTA_TEXT_NAME(name, ...) #name,
inline constexpr std::string_view kRibbonTextNames[] = {KORVANTA_RIBBON_TEXTS(KORVANTA_TEXT_NAME)};
#undef KORVANTA_TEXT_NAME

#define KORVANTA_TEXT_TRANSLATION(name, simplified, traditional, english) Translation(simplified, traditional, english),
inline constexpr Translation kRibbonTexts[] = {KORVANTA_RIBBON_TEXTS(KORVANTA_TEXT_TRANSLATION)};
#undef KORVANTA_TEXT_TRANSLATION

inline constexpr std::size_t kRibbonTextCount = sizeof kRibbonTexts / sizeof kRibbonTexts[0];

constexpr const wchar_t* ribbonText(RibbonText text, Language language) noexcept {
    return kRibbonTexts[static_cast<std::size_t>(text)].in(language);
}

namespace texts_detail {

inline constexpr char kSlotStart = '\x01';
inline constexpr char kSlotEnd = '\x02';

constexpr bool isTextName(std::string_view name) noexcept {
    for (std::string_view known : kRibbonTextNames) {
        if (known == name) return true;
    }
    return false;
}

constexpr bool fitsAnAttribute(const wchar_t* text) noexcept {
    for (; *text; ++text) {
        if (*text == L'&' || *text == L'<' || *text == L'>' || *text == L'"') return false;
    }
    return true;
}

constexpr bool allFitAttributes() noexcept {
    for (const Translation& text : kRibbonTexts) {
        for (Language language : kLanguages) {
            if (!fitsAnAttribute(text.in(language))) return false;
        }
    }
    return true;
}

}  // namespace texts_detail

static_assert(texts_detail::allFitAttributes(), "a ribbon text needs escaping in XML");

// Whether every slot of a template is closed and names a text: checked where
// each template is defined, so that a misspelt slot does not compile.
constexpr bool slotsNameTexts(std::string_view documentTemplate) noexcept {
    for (std::size_t at = 0; at < documentTemplate.size(); ++at) {
        if (documentTemplate[at] == texts_detail::kSlotEnd) return false;
        if (documentTemplate[at] != texts_detail::kSlotStart) continue;
        const std::size_t end = documentTemplate.find(texts_detail::kSlotEnd, at + 1);
        if (end == std::string_view::npos ||
            !texts_detail::isTextName(documentTemplate.substr(at + 1, end - at - 1))) {
            return false;
        }
        at = end;
    }
    return true;
}

// The template in UTF-16 with each slot replaced by its text in `language`.
std::wstring fillTemplate(std::string_view documentTemplate, Language language);

// A template filled in each language on first use and kept for the process's
// life. Office calls on Excel's one user-interface thread, so no lock guards it.
class FilledTemplate {
public:
    explicit FilledTemplate(std::string_view documentTemplate) noexcept : m_template(documentTemplate) {}
    FilledTemplate(const FilledTemplate&) = delete;
    FilledTemplate& operator=(const FilledTemplate&) = delete;

    // Throws std::bad_alloc when the first filling runs out of memory.
    std::wstring_view in(Language language);

private:
    std::string_view m_template;
    std::wstring m_filled[kLanguageCount];  // empty until filled; no template fills to nothing
};

// A narrow literal's text without its terminating NUL.
template <std::size_t N>
constexpr std::string_view templateOf(const char (&text)[N]) noexcept {
    return std::string_view(text, N - 1);
}

}  // namespace ribbon
