// Writes Korvanta's Group Policy templates from the settings table: the
// language-neutral Korvanta.admx and, in a folder per language, Korvanta.adml,
// laid out as a PolicyDefinitions folder or the domain's central store holds
// them. One enabled/disabled policy per display setting, and one that chooses
// the language of Korvanta's texts from a list, for computers and users alike,
// naming the value that the add-in reads below the policy key.
// Usage: korvanta-policy-templates OUTPUT-FOLDER
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "dialogs/choices.h"
#include "packaging/xml_text.h"
#include "settings/language_setting.h"
#include "settings/settings_table.h"

namespace {

using packaging::escaped;

// Raised with every change to the policies, so that an editor with both files
// in its store takes the newer one (and its ADML files with it).
constexpr char kRevision[] = "1.0";
constexpr char kSchemaNamespace[] = "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions";
// The templates' own namespace, unique among all ADMX files of a store.
constexpr char kTargetNamespace[] = "Korvanta.Policies.Excel";
constexpr char kCategory[] = "Korvanta";
constexpr char kSupportedOn[] = "SUPPORTED_Korvanta";
// How the add-in reads a policy value: REG_DWORD 1 shows, 0 hides.
constexpr char kEnabledValue[] = "1";
constexpr char kDisabledValue[] = "0";

struct PolicyText {
    const char* displayName;
    const char* explain;
};

// Every text of one language's ADML file. A tab's texts are made from its
// name with the two patterns ("%s" standing for the name). The Language
// policy's list shows the customisation dialog's own items, in `language`.
struct AdmlLanguage {
    const char* culture;
    Language language;
    const char* title;
    const char* description;
    const char* supportedOn;
    // Follows every policy's own explanation.
    const char* whatThePolicyDoes;
    PolicyText allMenu;
    PolicyText recentFiles;
    const char* tabDisplayName;
    const char* tabExplain;
    const char* tabs[settings::kTabCount];
    PolicyText languagePolicy;
    const char* languageLabel;  // before the list
};

constexpr AdmlLanguage kAdmlLanguages[] = {
    {
        "en-US",
        Language::English,
        "Korvanta",
        "Group Policy settings of Korvanta, the classic menu tab for Excel",
        "Korvanta 1.1 and later, in Excel 2007 to Microsoft 365",
        "If you enable this policy setting, it is shown; if you disable it, it is hidden. Either way the user "
        "cannot change it: Korvanta's Customise (自定义) dialog shows it greyed out, "
        "with a line saying that the administrator set it.\n\n"
        "If you do not configure this policy setting, the user's own choice in the Customise dialog applies; a new "
        "user sees it shown.\n\n"
        "The setting under Computer Configuration takes precedence over the same setting under User Configuration. "
        "Korvanta reads these settings when Excel starts and each time the Customise dialog opens; the ribbon "
        "follows a change at the latest when Excel next starts.",
        {"Show the All (全部) menu",
         "Specifies whether the Korvanta tab shows the All (全部) menu, which holds the nine "
         "classic menus once more."},
        {"Show recently used files in the File (文件) menu",
         "Specifies whether Korvanta's File (文件) menu lists the three most recently used "
         "workbooks."},
        "Show Excel's %s tab",
        "Specifies whether Excel's own %s tab is shown beside the Korvanta tab.",
        {"Home", "Insert", "Page Layout", "Formulas", "Data", "Review", "View", "Developer"},
        {"Language of Korvanta's texts",
         "Specifies the language of Korvanta's own texts: its menu names, submenus, tips and both dialogs. Excel's own "
         "commands always appear in Office's language.\n\n"
         "If you enable this policy setting, choose one: Match Office takes the language of Office's user interface "
         "(Simplified Chinese for Chinese in China and Singapore, Traditional Chinese for Chinese in Taiwan, Hong Kong "
         "and Macao, English for every other language, and Simplified Chinese when Office cannot say); the others name "
         "a language. The user cannot change it: Korvanta's Customise (自定义) dialog shows it greyed out, with a line "
         "saying that the administrator set it.\n\n"
         "If you disable or do not configure this policy setting, the user's own choice in the Customise dialog "
         "applies; a new user sees Simplified Chinese.\n\n"
         "The setting under Computer Configuration takes precedence over the same setting under User Configuration. "
         "The dialogs follow a change when they next open, the ribbon when Excel next starts."},
        "Language:",
    },
    {
        "zh-CN",
        Language::SimplifiedChinese,
        "Korvanta",
        "Korvanta（Excel 经典菜单选项卡）的组策略设置",
        "Korvanta 1.1 及更高版本，用于 Excel 2007 至 Microsoft 365",
        "如果启用此策略设置，则显示该项；如果禁用此策略设置，则隐藏该项。无论哪种情况，用户都不能更改此项："
        "Korvanta 的“自定义”对话框中该项显示为灰色，并有一行说明该项已由管理员设置。\n\n"
        "如果未配置此策略设置，则使用用户在“自定义”对话框中所做的选择；新用户默认显示该项。\n\n"
        "“计算机配置”中的设置优先于“用户配置”中的同一设置。Korvanta 在 Excel 启动时以及每次打开“自定义”对话框时"
        "读取这些设置；功能区最迟在 Excel 下次启动时按更改后的设置显示。",
        {"显示“全部”菜单", "指定 Korvanta 选项卡是否显示“全部”菜单，该菜单再次包含全部九个经典菜单。"},
        {"在“文件”菜单中显示最近使用的文件", "指定 Korvanta 的“文件”菜单是否列出最近使用的三个工作簿。"},
        "显示 Excel 的“%s”选项卡",
        "指定是否在 Korvanta 选项卡旁显示 Excel 自带的“%s”选项卡。",
        {"开始", "插入", "页面布局", "公式", "数据", "审阅", "视图", "开发工具"},
        {"Korvanta 文字的语言",
         "指定 Korvanta 自身文字（菜单名称、子菜单、提示和两个对话框）使用的语言。Excel 自己的命令始终以 Office 的语言显示。\n\n"
         "如果启用此策略设置，请选择一项：“跟随 Office”使用 Office 的界面语言（中文（中国、新加坡）用简体中文，"
         "中文（台湾、香港、澳门）用繁体中文，其他语言用英语；Office 无法提供其界面语言时用简体中文）；其他各项即所列语言。"
         "用户不能更改此项：Korvanta 的“自定义”对话框中该项显示为灰色，并有一行说明该项已由管理员设置。\n\n"
         "如果禁用或未配置此策略设置，则使用用户在“自定义”对话框中所做的选择；新用户默认使用简体中文。\n\n"
         "“计算机配置”中的设置优先于“用户配置”中的同一设置。对话框在下次打开时、功能区在 Excel 下次启动时按更改后的设置显示。"},
        "语言：",
    },
    {
        "zh-TW",
        Language::TraditionalChinese,
        "Korvanta",
        "Korvanta（Excel 傳統功能表索引標籤）的群組原則設定",
        "Korvanta 1.1 及更新版本，適用於 Excel 2007 至 Microsoft 365",
        "如果啟用這個原則設定，就會顯示該項；如果停用這個原則設定，就會隱藏該項。不論是哪一種情況，使用者都無法變更該項："
        "Korvanta 的「自訂」對話方塊（簡體中文介面中為「自定义」）會將該項顯示為灰色，並以一行文字說明該項已由系統管理員設定。\n\n"
        "如果未設定這個原則設定，則採用使用者在「自訂」對話方塊中所做的選擇；新使用者預設會顯示該項。\n\n"
        "「電腦設定」中的設定優先於「使用者設定」中的相同設定。Korvanta 會在 Excel 啟動時以及每次開啟「自訂」對話方塊時"
        "讀取這些設定；功能區最晚會在下次啟動 Excel 時依照變更後的設定顯示。",
        {"顯示「全部」功能表", "指定 Korvanta 索引標籤是否顯示「全部」功能表，這個功能表會再次包含全部九個傳統功能表。"},
        {"在「檔案」功能表中顯示最近使用的檔案", "指定 Korvanta 的「檔案」功能表是否列出最近使用的三個活頁簿。"},
        "顯示 Excel 的「%s」索引標籤",
        "指定是否在 Korvanta 索引標籤旁顯示 Excel 內建的「%s」索引標籤。",
        {"常用", "插入", "版面配置", "公式", "資料", "校閱", "檢視", "開發人員"},
        {"Korvanta 文字的語言",
         "指定 Korvanta 自己的文字（功能表名稱、子功能表、提示和兩個對話方塊）所使用的語言。Excel 本身的命令一律以 Office 的語言顯示。\n\n"
         "如果啟用這個原則設定，請選擇一項：「跟隨 Office」使用 Office 的介面語言（中文（中國、新加坡）使用簡體中文，"
         "中文（台灣、香港、澳門）使用繁體中文，其他語言使用英文；Office 無法提供其介面語言時使用簡體中文）；其他各項即所列語言。"
         "使用者無法變更這項設定：Korvanta 的「自訂」對話方塊會將它顯示為灰色，並以一行文字說明已由系統管理員設定。\n\n"
         "如果停用或未設定這個原則設定，則採用使用者在「自訂」對話方塊中所做的選擇；新使用者預設使用簡體中文。\n\n"
         "「電腦設定」中的設定優先於「使用者設定」中的相同設定。對話方塊會在下次開啟時、功能區會在下次啟動 Excel 時依照變更後的設定顯示。"},
        "語言：",
    },
};

// The Language policy: a list of the dialog's items, each writing the text
// the add-in reads as that choice.
constexpr char kLanguagePolicy[] = "Language";
std::string languageItemId(std::size_t item) {
    // Indexed as LanguageChoice; letters only, as the templates' other ids.
    const char* const names[] = {"SimplifiedChinese", "TraditionalChinese", "English", "FollowOffice"};
    return std::string(kLanguagePolicy) + "_" + names[static_cast<std::size_t>(dialogs::kLanguageItems[item].choice)];
}

std::string filled(const char* pattern, const char* name) {
    std::string text = pattern;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, name);
    return text;
}

struct Texts {
    std::string displayName;
    std::string explain;
};

Texts textsOf(const AdmlLanguage& language, std::size_t setting) {
    if (setting == settings::kShowAllMenu) return {language.allMenu.displayName, language.allMenu.explain};
    if (setting == settings::kShowRecentFiles) return {language.recentFiles.displayName, language.recentFiles.explain};
    const char* tab = language.tabs[setting - settings::kFirstTab];
    return {filled(language.tabDisplayName, tab), filled(language.tabExplain, tab)};
}

// The string ids that the ADMX file refers to and every ADML file defines.
std::string valueName(std::size_t setting) { return packaging::utf8(settings::kSettings[setting].name); }
std::string explainId(std::size_t setting) { return valueName(setting) + "_Explain"; }

std::string admx() {
    const std::string key = escaped(std::string_view(settings::kPolicySubKey));
    std::string text = std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n") +
                       "<!-- Generated by korvanta-policy-templates from the settings table. -->\r\n" +
                       "<policyDefinitions xmlns=\"" + kSchemaNamespace + "\" revision=\"" + kRevision +
                       "\" schemaVersion=\"1.0\">\r\n" +
                       "  <policyNamespaces>\r\n" +
                       "    <target prefix=\"korvanta\" namespace=\"" + kTargetNamespace + "\"/>\r\n" +
                       "  </policyNamespaces>\r\n" +
                       "  <resources minRequiredRevision=\"" + kRevision + "\"/>\r\n" +
                       "  <supportedOn>\r\n    <definitions>\r\n" +
                       "      <definition name=\"" + kSupportedOn + "\" displayName=\"$(string." + kSupportedOn +
                       ")\"/>\r\n" +
                       "    </definitions>\r\n  </supportedOn>\r\n" +
                       "  <categories>\r\n" +
                       "    <category name=\"" + kCategory + "\" displayName=\"$(string." + kCategory + ")\"/>\r\n" +
                       "  </categories>\r\n" +
                       "  <policies>\r\n";
    for (std::size_t i = 0; i < settings::kSettingCount; ++i) {
        const std::string name = escaped(valueName(i));
        text += "    <policy name=\"" + name + "\" class=\"Both\" displayName=\"$(string." + name +
                ")\" explainText=\"$(string." + escaped(explainId(i)) + ")\" key=\"" + key + "\" valueName=\"" + name +
                "\">\r\n" +
                "      <parentCategory ref=\"" + kCategory + "\"/>\r\n" +
                "      <supportedOn ref=\"" + kSupportedOn + "\"/>\r\n" +
                "      <enabledValue><decimal value=\"" + kEnabledValue + "\"/></enabledValue>\r\n" +
                "      <disabledValue><decimal value=\"" + kDisabledValue + "\"/></disabledValue>\r\n" +
                "    </policy>\r\n";
    }
    // The language: written by the list alone, so the policy names no value of its own.
    text += std::string("    <policy name=\"") + kLanguagePolicy + "\" class=\"Both\" displayName=\"$(string." +
            kLanguagePolicy + ")\" explainText=\"$(string." + kLanguagePolicy + "_Explain)\" presentation=\"$(presentation." +
            kLanguagePolicy + ")\" key=\"" + key + "\">\r\n" +
            "      <parentCategory ref=\"" + kCategory + "\"/>\r\n" +
            "      <supportedOn ref=\"" + kSupportedOn + "\"/>\r\n" +
            "      <elements>\r\n" +
            "        <enum id=\"" + kLanguagePolicy + "\" valueName=\"" + escaped(std::wstring_view(settings::kLanguageValueName)) +
            "\" required=\"true\">\r\n";
    for (std::size_t item = 0; item < dialogs::kLanguageItemCount; ++item) {
        const char* value = settings::kLanguagePolicyTextList[static_cast<std::size_t>(dialogs::kLanguageItems[item].choice)];
        text += "          <item displayName=\"$(string." + languageItemId(item) + ")\"><value><string>" + escaped(value) +
                "</string></value></item>\r\n";
    }
    text += "        </enum>\r\n      </elements>\r\n    </policy>\r\n";
    return text + "  </policies>\r\n</policyDefinitions>\r\n";
}

std::string stringRow(const std::string& id, const std::string& text) {
    return "      <string id=\"" + escaped(id) + "\">" + escaped(text) + "</string>\r\n";
}

std::string adml(const AdmlLanguage& language) {
    std::string text = std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n") +
                       "<!-- Generated by korvanta-policy-templates from the settings table. -->\r\n" +
                       "<policyDefinitionResources xmlns=\"" + kSchemaNamespace + "\" revision=\"" + kRevision +
                       "\" schemaVersion=\"1.0\">\r\n" +
                       "  <displayName>" + escaped(language.title) + "</displayName>\r\n" +
                       "  <description>" + escaped(language.description) + "</description>\r\n" +
                       "  <resources>\r\n    <stringTable>\r\n" + stringRow(kCategory, language.title) +
                       stringRow(kSupportedOn, language.supportedOn);
    for (std::size_t i = 0; i < settings::kSettingCount; ++i) {
        const Texts own = textsOf(language, i);
        text += stringRow(valueName(i), own.displayName) +
                stringRow(explainId(i), own.explain + "\n\n" + language.whatThePolicyDoes);
    }
    text += stringRow(kLanguagePolicy, language.languagePolicy.displayName) +
            stringRow(std::string(kLanguagePolicy) + "_Explain", language.languagePolicy.explain);
    for (std::size_t item = 0; item < dialogs::kLanguageItemCount; ++item) {
        text += stringRow(languageItemId(item), packaging::utf8(dialogs::kLanguageItems[item].text.in(language.language)));
    }
    return text + "    </stringTable>\r\n    <presentationTable>\r\n" + "      <presentation id=\"" + kLanguagePolicy +
           "\">\r\n" + "        <dropdownList refId=\"" + kLanguagePolicy + "\" noSort=\"true\" defaultItem=\"0\">" +
           escaped(std::string_view(language.languageLabel)) + "</dropdownList>\r\n" +
           "      </presentation>\r\n    </presentationTable>\r\n  </resources>\r\n</policyDefinitionResources>\r\n";
}

// A language without all of its texts must stop the build, not ship gaps.
bool complete(const AdmlLanguage& language) {
    bool whole = language.culture && language.title && language.description && language.supportedOn &&
                 language.whatThePolicyDoes && language.allMenu.displayName && language.allMenu.explain &&
                 language.recentFiles.displayName && language.recentFiles.explain && language.tabDisplayName &&
                 language.tabExplain && language.languagePolicy.displayName && language.languagePolicy.explain &&
                 language.languageLabel;
    for (const char* tab : language.tabs) whole = whole && tab;
    return whole;
}

bool writeFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

bool makeFolder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!makeFolder(folder) || !writeFile(folder + "/Korvanta.admx", admx())) {
        std::fprintf(stderr, "%s: cannot write %s/Korvanta.admx\n", argv[0], folder.c_str());
        return 1;
    }
    for (const AdmlLanguage& language : kAdmlLanguages) {
        if (!complete(language)) {
            std::fprintf(stderr, "%s: the texts of %s are incomplete\n", argv[0], language.culture ? language.culture : "?");
            return 1;
        }
        const std::string languageFolder = folder + "/" + language.culture;
        if (!makeFolder(languageFolder) || !writeFile(languageFolder + "/Korvanta.adml", adml(language))) {
            std::fprintf(stderr, "%s: cannot write %s/Korvanta.adml\n", argv[0], languageFolder.c_str());
            return 1;
        }
    }
    return 0;
}
