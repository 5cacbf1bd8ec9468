// What Office would show of the add-in's ribbon.
#include "hostsim/ribbon_view.h"

#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"

namespace hostsim {
namespace {

std::wstring pad(int indent) { return std::wstring(static_cast<std::size_t>(indent) * 2, L' '); }

std::wstring controlName(const XmlElement& element) {
    if (element.has(L"idMso")) return element.attribute(L"idMso");
    return element.attribute(L"id");
}

// The control Office hands to a callback for this element.
ComPtr<FakeRibbonControl> controlFor(const XmlElement& element) {
    return makeControl(controlName(element), element.attribute(L"tag"));
}

}  // namespace

std::wstring RibbonView::visibility(const XmlElement& element) {
    if (!element.has(L"getVisible")) return {};
    const std::wstring callback = element.attribute(L"getVisible");
    const CallbackResult result = callCallback(m_addin, callback.c_str(), controlFor(element).get());
    if (FAILED(result.hr)) return L"  [" + callback + L" failed]";
    return result.boolean ? L"" : L"  (hidden by " + callback + L")";
}

std::wstring RibbonView::labelOf(const XmlElement& element) {
    if (element.has(L"getLabel")) {
        const std::wstring callback = element.attribute(L"getLabel");
        const CallbackResult result = callCallback(m_addin, callback.c_str(), controlFor(element).get());
        return FAILED(result.hr) ? L"[" + callback + L" failed]" : L"\u201C" + result.text + L"\u201D (" + callback + L")";
    }
    if (element.has(L"label")) return L"\u201C" + element.attribute(L"label") + L"\u201D";
    return {};
}

std::wstring RibbonView::describe(const XmlElement& element) {
    std::wstring text = element.name;
    const std::wstring label = labelOf(element);
    if (element.has(L"idMso")) text += L" " + element.attribute(L"idMso");
    if (!label.empty()) text += L" " + label;
    if (element.name == L"menuSeparator") text = L"----";
    if (element.has(L"onAction")) text += L" -> " + element.attribute(L"onAction");
    if (element.has(L"supertip") && element.name == L"button") text += L"  tip: " + element.attribute(L"supertip");
    return text + visibility(element);
}

void RibbonView::showChildren(const XmlElement& element, int indent, std::wstring& out) {
    for (const XmlElement& child : element.children) {
        out += pad(indent) + describe(child) + L"\n";
        showChildren(child, indent + 1, out);
    }
}

void RibbonView::showBox(const XmlElement& box, std::wstring& out) {
    for (const XmlElement& item : box.children) {
        if (item.name == L"labelControl") continue;  // spacers
        if (item.name == L"buttonGroup") {
            std::wstring line = L"    |";
            for (const XmlElement& member : item.children) {
                line += L" " + controlName(member);
                if (member.name == L"menu") line += L"\u25BE";
                line += visibility(member);
            }
            out += line + L"\n";
            for (const XmlElement& member : item.children) {
                if (member.name != L"menu") continue;
                out += L"      " + controlName(member) + L" (image " + member.attribute(L"imageMso") + L"):\n";
                showChildren(member, 4, out);
            }
        } else if (item.name == L"dynamicMenu") {
            out += L"    " + labelOf(item) + L"  (menu " + item.attribute(L"id") + L", tag " + item.attribute(L"tag") +
                   L")" + visibility(item) + L"\n";
        } else if (item.name == L"menu") {
            out += L"    " + labelOf(item) + L"  (menu " + item.attribute(L"id") + L", holding";
            for (const XmlElement& inner : item.children) out += L" " + inner.attribute(L"label");
            out += L")" + visibility(item) + L"\n";
        } else {
            out += L"    " + describe(item) + L"\n";
        }
    }
}

std::wstring RibbonView::showDocument(const XmlElement& customUi) {
    std::wstring out;
    out += L"customUI, onLoad = " + customUi.attribute(L"onLoad") + L"\n";
    for (const XmlElement& ribbon : customUi.children) {
        for (const XmlElement& tabs : ribbon.children) {
            for (const XmlElement& tab : tabs.children) {
                if (tab.has(L"idMso")) {
                    out += L"  built-in tab " + tab.attribute(L"idMso") + (visibility(tab).empty() ? L": shown" : L":" + visibility(tab)) + L"\n";
                    continue;
                }
                out += L"  tab " + labelOf(tab) + L" (" + tab.attribute(L"id") + L"), placed before " +
                       tab.attribute(L"insertBeforeMso") + L"\n";
                for (const XmlElement& group : tab.children) {
                    for (const XmlElement& box : group.children) {
                        const std::wstring id = box.attribute(L"id");
                        out += L"  " + std::wstring(id == L"Korvanta_menu" ? L"menu bar" : id == L"Korvanta_tools1" ? L"toolbar row 1" : L"toolbar row 2") +
                               L" (" + id + L"):\n";
                        showBox(box, out);
                    }
                }
            }
        }
    }
    return out;
}

std::wstring RibbonView::showMenu(const std::wstring& menuId, const std::wstring& tag, int indent) {
    const CallbackResult content = callCallback(m_addin, L"rxKorvanta_get", makeControl(menuId, tag).get());
    if (FAILED(content.hr)) return pad(indent) + L"[rxKorvanta_get failed: " + content.description + L"]\n";
    std::wstring error;
    const auto menu = parseXml(content.text, &error);
    if (!menu) return pad(indent) + L"[not XML: " + error + L"]\n";
    std::wstring out;
    showChildren(*menu, indent, out);
    return out;
}

}  // namespace hostsim
