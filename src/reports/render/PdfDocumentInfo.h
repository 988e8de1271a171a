#pragma once

#include <filesystem>
#include <string>

namespace orvane {

// The document properties of a PDF file (Windows-1252 texts).
struct PdfDocumentInfo {
    std::string title;
    std::string author;
    std::string subject;
    std::string creator;
};

// Sets the document properties of a finished PDF file by appending an
// incremental update (a new information dictionary, its cross-reference
// section and trailer), as PDF readers and editors do; the pages stay as
// written. Throws Error when the file cannot be read back or written.
void AddPdfDocumentInfo(const std::filesystem::path& pdf, const PdfDocumentInfo& info);

}  // namespace orvane
