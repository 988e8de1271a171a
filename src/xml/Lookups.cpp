#include "xml/Lookups.h"

#include <algorithm>
#include <array>

#include "Error.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

bool HasName(XmlNode node, std::string_view name) {
    return node.type() == pugi::node_element && name == node.name();
}

bool IsText(XmlNode node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// Splits a "/"-joined path into its names; empty pieces are dropped.
template <typename Visit>
void ForEachStep(std::string_view path, Visit visit) {
    while (!path.empty()) {
        const auto slash = path.find('/');
        const std::string_view step = path.substr(0, slash);
        if (!step.empty()) visit(step);
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
}

}  // namespace

std::string NodeName(XmlNode node) {
    switch (node.type()) {
        case pugi::node_element:
        case pugi::node_pi:
        case pugi::node_doctype:
            return node.name();
        case pugi::node_declaration:
            return "xml";
        case pugi::node_comment:
            return "#comment";
        case pugi::node_pcdata:
            return "#text";
        case pugi::node_cdata:
            return "#cdata-section";
        default:
            return "#document";
    }
}

std::string ElementText(XmlNode element) {
    const XmlNode first = element.first_child();
    if (!first) return {};
    if (IsText(first) && !first.next_sibling()) return Utf8ToAnsi(first.value());
    throw Error("Element does not contain a single text node");
}

std::string FindFormValue(XmlNode node, std::string_view name) {
    for (const XmlNode child : node.children()) {
        for (const XmlNode grandchild : child.children()) {
            if (!HasName(grandchild, name)) continue;
            std::string text = ElementText(grandchild);
            if (!text.empty()) return text;
            break;
        }
    }
    return {};
}

std::string GetNodeValue(XmlNode node, std::string_view name) {
    if (!node) return {};
    if (HasName(node, name)) return ElementText(node);
    const XmlNode child = FindChild(node, name);
    return child ? ElementText(child) : std::string{};
}

XmlNode FindChild(XmlNode node, std::string_view name) {
    if (!node) return {};
    for (const XmlNode child : node.children()) {
        if (HasName(child, name)) return child;
    }
    return {};
}

std::string GetPathValue(XmlNode root, std::string_view step1, std::string_view step2,
                         std::string_view step3, std::string_view step4, std::string_view step5,
                         std::string_view name) {
    XmlNode current = root;
    for (const std::string_view step : {step1, step2, step3, step4, step5}) {
        if (step.empty()) break;
        current = FindChild(current, step);
        if (!current) return {};
    }
    return GetNodeValue(current, name);
}

std::string GetPathValue(XmlNode root, std::string_view path) {
    std::array<std::string_view, 6> names{};
    std::size_t count = 0;
    ForEachStep(path, [&](std::string_view step) {
        if (count == names.size()) throw Error("Too many steps in the path " + std::string(path));
        names[count++] = step;
    });
    if (count == 0) return {};
    std::array<std::string_view, 5> steps{};
    std::copy_n(names.begin(), count - 1, steps.begin());
    return GetPathValue(root, steps[0], steps[1], steps[2], steps[3], steps[4], names[count - 1]);
}

std::vector<XmlNode> ChildrenNamed(XmlNode node, std::string_view name) {
    std::vector<XmlNode> rows;
    for (const XmlNode child : node.children()) {
        if (HasName(child, name)) rows.push_back(child);
    }
    return rows;
}

XmlNode FindPath(XmlNode root, std::string_view path) {
    XmlNode current = root;
    ForEachStep(path, [&](std::string_view step) { current = FindChild(current, step); });
    return current;
}

}  // namespace orvane
