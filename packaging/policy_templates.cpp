// Writes Korvanta's Group Policy templates from the settings table: the
// language-neutral Korvanta.admx and, in a folder per language, Korvanta.adml,
// laid out as a PolicyDefinitions folder or the domain's central store holds
// them. One enabled/disabled policy per display setting, for computers and
// users alike, naming the value that the add-in reads below the policy key.
// Usage: korvanta-policy-templates OUTPUT-FOLDER
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "packaging/xml_text.h"
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
// name with the two patterns ("%s" standing for the name).
struct Language {
    const char* culture;
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
};

constexpr Language kLanguages[] = {
    {
        "en-US",
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
    },
    {
        "zh-CN",
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
    },
};

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

Texts textsOf(const Language& language, std::size_t setting) {
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
    return text + "  </policies>\r\n</policyDefinitions>\r\n";
}

std::string stringRow(const std::string& id, const std::string& text) {
    return "      <string id=\"" + escaped(id) + "\">" + escaped(text) + "</string>\r\n";
}

std::string adml(const Language& language) {
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
    return text + "    </stringTable>\r\n  </resources>\r\n</policyDefinitionResources>\r\n";
}

// A language without all of its texts must stop the build, not ship gaps.
bool complete(const Language& language) {
    bool whole = language.culture && language.title && language.description && language.supportedOn &&
                 language.whatThePolicyDoes && language.allMenu.displayName && language.allMenu.explain &&
                 language.recentFiles.displayName && language.recentFiles.explain && language.tabDisplayName &&
                 language.tabExplain;
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
    for (const Language& language : kLanguages) {
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
