#include "reports/render/DocumentExport.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

#include "Error.h"
#include "reports/engine/TextExport.h"
#include "reports/render/HtmlExport.h"
#include "reports/render/PagePainter.h"
#include "reports/render/PdfDocumentInfo.h"
#include "reports/render/ReportFonts.h"

namespace orvane {
namespace {

constexpr double kPdfResolution = 1200;

constexpr std::array<ExportFormatInfo, 9> kFormats = {{
    {ExportFormat::kPdf, "PDF file", ".pdf", "", false},
    {ExportFormat::kPng, "PNG images", ".png", "", true},
    {ExportFormat::kJpeg, "JPEG images", ".jpg", ".jpeg", true},
    {ExportFormat::kBmp, "BMP images", ".bmp", "", true},
    {ExportFormat::kTiff, "TIFF images", ".tif", ".tiff", true},
    {ExportFormat::kSvg, "SVG drawings", ".svg", "", true},
    {ExportFormat::kHtml, "HTML page", ".html", ".htm", false},
    {ExportFormat::kText, "Plain text", ".txt", "", false},
    {ExportFormat::kCsv, "CSV file", ".csv", "", false},
}};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

[[noreturn]] void ThrowUnableToWrite(const std::filesystem::path& path) {
    throw Error("Unable to write to " + path.string());
}

QPageSize PageSizeOf(const PreparedPage& page) {
    const QSizeF millimetres(page.width / kUnitsPerMillimetre, page.height / kUnitsPerMillimetre);
    return QPageSize(millimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

std::string DocumentTitle(const PreparedDocument& document, const std::filesystem::path& out) {
    return document.name.empty() ? out.stem().string() : document.name;
}

void RemoveAll(const std::vector<std::filesystem::path>& files) {
    std::error_code error;
    for (const auto& file : files) std::filesystem::remove(file, error);
}

bool Report(const ExportProgress& progress, int done, int total) {
    return !progress || progress(done, total);
}

bool WritePdf(const PreparedDocument& document, const std::filesystem::path& out,
              const ExportProgress& progress) {
    {
        QPdfWriter writer(ToQString(out));
        writer.setResolution(static_cast<int>(kPdfResolution));
        writer.setCreator(
            QString::fromUtf8(kPdfCreator.data(), static_cast<qsizetype>(kPdfCreator.size())));
        writer.setTitle(FromAnsi(DocumentTitle(document, out)));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!document.pages.empty()) writer.setPageSize(PageSizeOf(document.pages.front()));
        QPainter painter;
        if (!painter.begin(&writer)) ThrowUnableToWrite(out);
        PagePainter pages(document);
        const int total = static_cast<int>(document.pages.size());
        for (int i = 0; i < total; ++i) {
            if (i > 0) {
                writer.setPageSize(PageSizeOf(document.pages[static_cast<std::size_t>(i)]));
                writer.newPage();
            }
            painter.save();
            UseUnits(painter, kPdfResolution);
            pages.Paint(static_cast<std::size_t>(i), painter);
            painter.restore();
            if (!Report(progress, i + 1, total)) {
                painter.end();
                RemoveAll({out});
                return false;
            }
        }
        if (!painter.end()) ThrowUnableToWrite(out);
    }
    AddPdfDocumentInfo(out, PdfDocumentInfo{DocumentTitle(document, out), std::string(kPdfAuthor),
                                            std::string(kPdfSubject), std::string(kPdfCreator)});
    return true;
}

const char* ImageFormatName(ExportFormat format) {
    switch (format) {
        case ExportFormat::kJpeg:
            return "JPG";
        case ExportFormat::kBmp:
            return "BMP";
        case ExportFormat::kTiff:
            return "TIFF";
        default:
            return "PNG";
    }
}

bool WriteImages(const PreparedDocument& document, const std::vector<std::filesystem::path>& files,
                 ExportFormat format, const ExportProgress& progress,
                 const ExportSettings& settings) {
    PagePainter pages(document);
    const int total = static_cast<int>(document.pages.size());
    for (int i = 0; i < total; ++i) {
        const PreparedPage& page = document.pages[static_cast<std::size_t>(i)];
        const double scale = settings.image_dpi / 96.0;
        QImage image(static_cast<int>(std::lround(page.width * scale)),
                     static_cast<int>(std::lround(page.height * scale)), QImage::Format_RGB32);
        const int dots_per_metre = static_cast<int>(std::lround(settings.image_dpi / 0.0254));
        image.setDotsPerMeterX(dots_per_metre);
        image.setDotsPerMeterY(dots_per_metre);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            UseUnits(painter, settings.image_dpi);
            pages.Paint(static_cast<std::size_t>(i), painter);
        }
        const auto& file = files[static_cast<std::size_t>(i)];
        const int quality = format == ExportFormat::kJpeg ? settings.jpeg_quality : -1;
        if (!image.save(ToQString(file), ImageFormatName(format), quality))
            ThrowUnableToWrite(file);
        if (!Report(progress, i + 1, total)) {
            RemoveAll(files);
            return false;
        }
    }
    return true;
}

bool WriteSvgs(const PreparedDocument& document, const std::vector<std::filesystem::path>& files,
               const ExportProgress& progress) {
    PagePainter pages(document, PagePainter::Texts::kOneByOne);
    const int total = static_cast<int>(document.pages.size());
    for (int i = 0; i < total; ++i) {
        const PreparedPage& page = document.pages[static_cast<std::size_t>(i)];
        const auto& file = files[static_cast<std::size_t>(i)];
        QSvgGenerator generator;
        generator.setFileName(ToQString(file));
        generator.setSize(QSize(static_cast<int>(std::ceil(page.width)),
                                static_cast<int>(std::ceil(page.height))));
        generator.setViewBox(QRectF(0, 0, page.width, page.height));
        generator.setResolution(96);
        generator.setTitle(FromAnsi(DocumentTitle(document, file)));
        QPainter painter;
        if (!painter.begin(&generator)) ThrowUnableToWrite(file);
        pages.Paint(static_cast<std::size_t>(i), painter);
        painter.end();
        if (!Report(progress, i + 1, total)) {
            RemoveAll(files);
            return false;
        }
    }
    return true;
}

void WriteText(const std::filesystem::path& out, const std::string& text) {
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) ThrowUnableToWrite(out);
}

}  // namespace

std::span<const ExportFormatInfo> ExportFormats() {
    return kFormats;
}

const ExportFormatInfo& FormatInfo(ExportFormat format) {
    return *std::find_if(kFormats.begin(), kFormats.end(),
                         [&](const ExportFormatInfo& info) { return info.format == format; });
}

std::optional<ExportFormat> FormatOfPath(const std::filesystem::path& path) {
    const std::string extension = Lower(path.extension().string());
    if (extension.empty()) return std::nullopt;
    for (const ExportFormatInfo& info : kFormats) {
        if (extension == info.extension || extension == info.other_extensions) return info.format;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> ExportFiles(const PreparedDocument& document,
                                               ExportFormat format,
                                               const std::filesystem::path& out) {
    if (!FormatInfo(format).file_per_page) return {out};
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        std::filesystem::path file = out;
        file.replace_filename(out.stem().string() + "-" + std::to_string(i + 1) +
                              out.extension().string());
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<std::filesystem::path> ExportDocument(const PreparedDocument& document,
                                                  const std::filesystem::path& out,
                                                  ExportFormat format,
                                                  const ExportProgress& progress,
                                                  const ExportSettings& settings) {
    const std::vector<std::filesystem::path> files = ExportFiles(document, format, out);
    bool finished = true;
    switch (format) {
        case ExportFormat::kPdf:
            finished = WritePdf(document, out, progress);
            break;
        case ExportFormat::kPng:
        case ExportFormat::kJpeg:
        case ExportFormat::kBmp:
        case ExportFormat::kTiff:
            finished = WriteImages(document, files, format, progress, settings);
            break;
        case ExportFormat::kSvg:
            finished = WriteSvgs(document, files, progress);
            break;
        case ExportFormat::kHtml:
            WriteText(out, DocumentHtml(document));
            break;
        case ExportFormat::kText:
            WriteText(out, DocumentText(document));
            break;
        case ExportFormat::kCsv:
            WriteText(out, DocumentCsv(document));
            break;
    }
    if (!finished) return {};
    return files;
}

std::vector<std::filesystem::path> ExportDocument(const PreparedDocument& document,
                                                  const std::filesystem::path& out) {
    const auto format = FormatOfPath(out);
    if (!format) {
        throw Error("Cannot write " + out.filename().string() +
                    ": name it .pdf, .png, .jpg, .bmp, .tif, .svg, .html, .txt or .csv");
    }
    return ExportDocument(document, out, *format);
}

}  // namespace orvane
