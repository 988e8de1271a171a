#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <pugixml.hpp>
#include <string_view>

namespace orvane {

// A node of a return's XML tree (element, comment, processing instruction, ...).
// An empty node stands for "none".
using XmlNode = pugi::xml_node;

// The parsed tree of one return XML file. Declarations, comments and processing
// instructions stay nodes of their own (the top-level ones are counted when a
// return is recognised); whitespace-only text is dropped; qualified names keep
// their prefixes.
class ReturnDocument {
  public:
    // Parses the file; throws Error naming the problem and its line when the
    // file cannot be read or is not well-formed XML.
    static std::shared_ptr<ReturnDocument> Load(const std::filesystem::path& path);

    // Parses XML held in memory; `source_name` names it in error messages.
    static std::shared_ptr<ReturnDocument> Parse(std::string_view xml,
                                                 std::string_view source_name = "XML text");

    // The document node, whose children are the top-level nodes.
    XmlNode Document() const { return doc_; }

    std::size_t TopLevelNodeCount() const;

    // Removes the first top-level node from the in-memory tree (never the file).
    void RemoveFirstTopLevelNode();

  private:
    pugi::xml_document doc_;
};

}  // namespace orvane
