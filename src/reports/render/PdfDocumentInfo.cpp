#include "reports/render/PdfDocumentInfo.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "Error.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

// The number that follows `key` in the last trailer of the file.
std::optional<long> TrailerNumber(std::string_view text, std::string_view key) {
    const auto trailer = text.rfind("trailer");
    if (trailer == std::string_view::npos) return std::nullopt;
    const auto at = text.find(key, trailer);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t i = at + key.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
    long value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true) {
        value = value * 10 + (text[i] - '0');
    }
    return digits ? std::optional<long>(value) : std::nullopt;
}

std::optional<long> LastStartXref(std::string_view text) {
    const auto at = text.rfind("startxref");
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t i = at + 9;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
    long value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true) {
        value = value * 10 + (text[i] - '0');
    }
    return digits ? std::optional<long>(value) : std::nullopt;
}

// A PDF text string in UTF-16BE with its byte-order mark, written in hex.
std::string TextString(std::string_view ansi) {
    const std::string utf8 = AnsiToUtf8(ansi);
    std::u32string code_points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t code = length == 1   ? c
                        : length == 2 ? (c & 0x1F)
                        : length == 3 ? (c & 0x0F)
                                      : (c & 0x07);
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
            code = (code << 6) |
                   (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        }
        code_points.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    std::string hex = "<FEFF";
    char unit[5];
    const auto add = [&](unsigned value) {
        std::snprintf(unit, sizeof unit, "%04X", value & 0xFFFF);
        hex += unit;
    };
    for (const char32_t code : code_points) {
        if (code < 0x10000) {
            add(static_cast<unsigned>(code));
        } else {
            const unsigned rest = static_cast<unsigned>(code) - 0x10000;
            add(0xD800 + (rest >> 10));
            add(0xDC00 + (rest & 0x3FF));
        }
    }
    return hex + ">";
}

}  // namespace

void AddPdfDocumentInfo(const std::filesystem::path& pdf, const PdfDocumentInfo& info) {
    std::ifstream in(pdf, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto size = TrailerNumber(text, "/Size");
    const auto root = TrailerNumber(text, "/Root");
    const auto previous = LastStartXref(text);
    if (!in.good() && !in.eof()) throw Error("Unable to read " + pdf.string());
    if (!size || !root || !previous)
        throw Error(pdf.string() + " is not a PDF file that can be updated");

    const long object = *size;
    std::string update = "\n";
    const auto object_offset = static_cast<long>(text.size() + update.size());
    update += std::to_string(object) + " 0 obj\n<<\n/Title " + TextString(info.title) +
              "\n/Author " + TextString(info.author) + "\n/Subject " + TextString(info.subject) +
              "\n/Creator " + TextString(info.creator) + "\n/Producer " + TextString(info.creator) +
              "\n>>\nendobj\n";
    const auto xref_offset = static_cast<long>(text.size() + update.size());
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010ld 00000 n \n", object_offset);
    update += "xref\n" + std::to_string(object) + " 1\n" + entry;
    update += "trailer\n<<\n/Size " + std::to_string(object + 1) + "\n/Root " +
              std::to_string(*root) + " 0 R\n/Info " + std::to_string(object) + " 0 R\n/Prev " +
              std::to_string(*previous) + "\n>>\nstartxref\n" + std::to_string(xref_offset) +
              "\n%%EOF\n";

    std::ofstream out(pdf, std::ios::binary | std::ios::app);
    out.write(update.data(), static_cast<std::streamsize>(update.size()));
    if (!out) throw Error("Unable to write to " + pdf.string());
}

}  // namespace orvane
