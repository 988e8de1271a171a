#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xml/ReturnDocument.h"

namespace orvane {

// The four lookups through which every printed value leaves the return XML.
// Names are compared as whole, case-sensitive qualified names (prefix
// included); a value that is not there is the empty text, never an error.
// Texts come out in the Windows-1252 code page.

// The qualified name of a node as the document model names it: the element
// name, "#comment", "#text", "#cdata-section", or the target of a processing
// instruction ("xml" for the declaration).
std::string NodeName(XmlNode node);

// The text of an element: the value of its single text (or CDATA) child, the
// empty text when it has no children. Throws Error "Element does not contain a
// single text node" for any other content (child elements, mixed content).
std::string ElementText(XmlNode element);

// The value of the first grandchild of `node` named `name` whose text is not
// empty, taking only the first match inside each child.
std::string FindFormValue(XmlNode node, std::string_view name);

// The text of `node` itself when it bears `name`, else the text of its first
// child named `name` (even when empty); empty when `node` is none.
std::string GetNodeValue(XmlNode node, std::string_view name);

// The first direct child element of `node` named `name`; none when absent.
XmlNode FindChild(XmlNode node, std::string_view name);

// Walks from `root` through the leading non-empty steps with FindChild, then
// GetNodeValue with `name`; an empty step ends the walk early.
std::string GetPathValue(XmlNode root, std::string_view step1, std::string_view step2,
                         std::string_view step3, std::string_view step4, std::string_view step5,
                         std::string_view name);

// GetPathValue with the steps and the name written as one path joined by "/"
// ("ITRForm:PersonalInfo/ITRForm:PAN"); up to five steps precede the name.
std::string GetPathValue(XmlNode root, std::string_view path);

// The child elements of `node` named `name`, in document order: the rows of a
// repeating element. Children of other names are skipped.
std::vector<XmlNode> ChildrenNamed(XmlNode node, std::string_view name);

// The node reached from `root` through every name of a "/"-joined path with
// FindChild; none as soon as a step is missing. An empty path gives `root`.
XmlNode FindPath(XmlNode root, std::string_view path);

}  // namespace orvane
