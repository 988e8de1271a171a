#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "reports/engine/PreparedDocument.h"

namespace orvane {

enum class ExportFormat : std::uint8_t { kPdf, kPng, kJpeg, kBmp, kTiff, kSvg, kHtml, kText, kCsv };

struct ExportFormatInfo {
    ExportFormat format;
    std::string_view name;              // "PDF file", for menus
    std::string_view extension;         // ".pdf"
    std::string_view other_extensions;  // ".jpeg", ".tiff", ".htm"
    bool file_per_page;                 // name-1.png, name-2.png, ...
};

// The formats a document can be written in, in menu order.
std::span<const ExportFormatInfo> ExportFormats();
const ExportFormatInfo& FormatInfo(ExportFormat format);

// The format an output file names by its extension (in any letter case).
std::optional<ExportFormat> FormatOfPath(const std::filesystem::path& path);

// The files an export to `out` writes: `out` itself, or one file per sheet
// named after it for images and SVG (out-1.png, out-2.png, ...).
std::vector<std::filesystem::path> ExportFiles(const PreparedDocument& document,
                                               ExportFormat format,
                                               const std::filesystem::path& out);

// Told after each sheet (sheets done, all sheets); returning false stops the
// export, and what it had written is removed.
using ExportProgress = std::function<bool(int done, int total)>;

// What the exports write into a document's properties.
struct ExportSettings {
    double image_dpi = 150;  // PNG, JPEG, BMP and TIFF
    int jpeg_quality = 90;
};

// Writes the document in `format`, replacing files of the same names, and
// returns the files written (none when stopped). Throws Error when a file
// cannot be written. Needs a QGuiApplication.
std::vector<std::filesystem::path> ExportDocument(const PreparedDocument& document,
                                                  const std::filesystem::path& out,
                                                  ExportFormat format,
                                                  const ExportProgress& progress = {},
                                                  const ExportSettings& settings = {});

// The same, in the format that the extension of `out` names; throws Error for
// an extension that names none.
std::vector<std::filesystem::path> ExportDocument(const PreparedDocument& document,
                                                  const std::filesystem::path& out);

// The PDF document properties the publisher sets.
inline constexpr std::string_view kPdfAuthor = "Orvane Printing";
inline constexpr std::string_view kPdfSubject = "Indian income-tax return";
inline constexpr std::string_view kPdfCreator = "Orvane Printing Release v.3.0";

}  // namespace orvane
