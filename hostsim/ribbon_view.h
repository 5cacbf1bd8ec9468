// Shows the add-in's ribbon as Office builds it: the document's controls with
// their visibility and labels resolved through the add-in's callbacks, and the
// legacy menus opened through their content callback.
#pragma once
#include <oaidl.h>

#include <string>

#include "hostsim/xml_tree.h"

namespace hostsim {

class RibbonView {
public:
    explicit RibbonView(IDispatch* addin) : m_addin(addin) {}

    // The customUI document: tabs, the add-in's tab and its three rows.
    std::wstring showDocument(const XmlElement& customUi);
    // One legacy menu, as the user sees it when opening it.
    std::wstring showMenu(const std::wstring& menuId, const std::wstring& tag, int indent);

private:
    std::wstring visibility(const XmlElement& element);
    std::wstring labelOf(const XmlElement& element);
    std::wstring describe(const XmlElement& element);
    void showChildren(const XmlElement& element, int indent, std::wstring& out);
    void showBox(const XmlElement& box, std::wstring& out);

    IDispatch* m_addin;
};

}  // namespace hostsim
