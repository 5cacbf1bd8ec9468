// Writes every kind of document the ribbon returns into a folder, as UTF-8,
// for validate_ribbon_xml.sh to check against the customUI schema, in every
// language: the customUI document, the eight fixed menus, and File menus from
// recent-file lists that carry the characters XML treats specially.
#include <cstdio>
#include <string>
#include <vector>

#include "ribbon/customui_document.h"
#include "ribbon/file_menu.h"
#include "ribbon/menu_catalogue.h"
#include "tests/ribbon/test_files.h"
#include "tests/ribbon/utf8.h"

namespace {

using ribbon::LegacyMenu;

std::wstring unit(unsigned value) { return std::wstring(1, static_cast<wchar_t>(value)); }

struct RecentList {
    const char* name;
    std::vector<std::wstring> paths;
};

std::vector<RecentList> recentLists() {
    return {
        {"none", {}},
        {"one", {L"C:\\Data\\Book1.xlsx"}},
        {"markup", {L"C:\\R&D\\A&B.xlsx", L"C:\\x<y>\\a<b.xls", L"C:\\Tom's \"final\" 'copy'.xlsm"}},
        {"entities", {L"C:\\&amp;&lt;&#0;&#x1;]]>.xlsx"}},
        {"no_backslash", {L"Book1.xlsx", L"/home/user/Book2.xlsx"}},
        {"web", {L"https://d.docs.live.net/5a1f0c2e9b7d4e31/文档/R&D.xlsx",
                 L"https://contoso.sharepoint.com/sites/A&B/Shared Documents/Q3 & Q4.xlsx",
                 L"C:\\" + std::wstring(1100, L'&') + L".xlsx"}},
        {"unc", {L"\\\\fileserver\\共享\\财务\\报表.xlsx", L"\\\\?\\UNC\\server\\share\\a.xls"}},
        {"long", {L"\\\\?\\C:\\" + std::wstring(32000, L'd') + L"\\Book.xlsx", L"C:\\" + std::wstring(260, L'x') + L".xls"}},
        {"five", {L"C:\\1.xlsx", L"C:\\2.xlsx", L"C:\\3.xlsx", L"C:\\4.xlsx", L"C:\\5.xlsx"}},
        {"controls", {L"C:\\a" + unit(0) + unit(1) + unit(0x1F) + L"b.xlsx", L"C:\\tab\there\nline\rcr.xlsx",
                      L"C:\\" + unit(0xFFFE) + unit(0xFFFF) + L".xlsx"}},
        {"surrogates", {L"C:\\" + unit(0xD800) + L"x" + unit(0xDC00) + L".xlsx", L"C:\\\U0001F600.xlsx",
                        L"C:\\end" + unit(0xDBFF)}},
    };
}

// File names begin with the language's tag.
const char* const kPrefixes[kLanguageCount] = {"zh-CN_", "zh-TW_", "en_"};

bool write(const std::string& folder, const std::string& name, std::wstring_view document) {
    if (ribbon_test::writeFile(folder + "/" + name, ribbon_test::toUtf8(document))) return true;
    std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ribbon_xml_dump <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        LegacyMenu menu;
        const char* name;
    } fixed[] = {{LegacyMenu::Edit, "edit"},     {LegacyMenu::View, "view"},   {LegacyMenu::Insert, "insert"},
                 {LegacyMenu::Format, "format"}, {LegacyMenu::Tools, "tools"}, {LegacyMenu::Data, "data"},
                 {LegacyMenu::Window, "window"}, {LegacyMenu::Help, "help"}};
    bool ok = true;
    for (Language language : kLanguages) {
        const std::string prefix = kPrefixes[static_cast<std::size_t>(language)];
        ok = write(folder, prefix + "customui.xml", ribbon::customUiDocument(language)) && ok;
        for (const auto& m : fixed) {
            ok = write(folder, prefix + "menu_" + m.name + ".xml", ribbon::fixedMenuDocument(m.menu, language)) && ok;
        }
        for (const RecentList& list : recentLists()) {
            std::vector<ribbon::RecentEntry> entries;
            for (const std::wstring& path : list.paths) entries.push_back({path, ribbon::fileNameOf(path)});
            ok = write(folder, prefix + "menu_file_" + list.name + ".xml", ribbon::fileMenuDocument(entries, language)) && ok;
        }
    }
    return ok ? 0 : 1;
}
