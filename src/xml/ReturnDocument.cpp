#include "xml/ReturnDocument.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "Error.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// The encoding named by the XML declaration, lower-cased; empty when none.
std::string DeclaredEncoding(std::string_view xml) {
    if (!xml.starts_with("<?xml")) return {};
    const auto end = xml.find("?>");
    const std::string declaration = Lowered(xml.substr(0, end));
    const auto at = declaration.find("encoding");
    if (at == std::string::npos) return {};
    const auto quote = declaration.find_first_of("\"'", at);
    if (quote == std::string::npos) return {};
    const auto close = declaration.find(declaration[quote], quote + 1);
    if (close == std::string::npos) return {};
    return declaration.substr(quote + 1, close - quote - 1);
}

// pugixml knows UTF-8, UTF-16, UTF-32 and Latin-1 by themselves; a return
// declared in the Windows code page is turned into UTF-8 first.
std::string Normalised(std::string_view xml) {
    const std::string encoding = DeclaredEncoding(xml);
    if (encoding == "windows-1252" || encoding == "cp1252") return AnsiToUtf8(xml);
    return std::string(xml);
}

std::pair<int, int> LineAndColumn(std::string_view text, std::ptrdiff_t offset) {
    const auto end = std::min<std::size_t>(
        static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), text.size());
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

}  // namespace

std::shared_ptr<ReturnDocument> ReturnDocument::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error("Cannot open file " + path.string());
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw Error("Cannot read file " + path.string());
    return Parse(bytes, path.filename().string());
}

std::shared_ptr<ReturnDocument> ReturnDocument::Parse(std::string_view xml,
                                                      std::string_view source_name) {
    auto document = std::make_shared<ReturnDocument>();
    const std::string text = Normalised(xml);
    const pugi::xml_parse_result result =
        document->doc_.load_buffer(text.data(), text.size(), kParseOptions);
    if (!result) {
        const auto [line, column] = LineAndColumn(text, result.offset);
        std::ostringstream message;
        message << source_name << " is not well-formed XML: " << result.description() << " at line "
                << line << ", column " << column;
        throw Error(message.str());
    }
    return document;
}

std::size_t ReturnDocument::TopLevelNodeCount() const {
    return static_cast<std::size_t>(std::distance(doc_.begin(), doc_.end()));
}

void ReturnDocument::RemoveFirstTopLevelNode() {
    doc_.remove_child(doc_.first_child());
}

}  // namespace orvane
