#include "reports/render/ExportPresenter.h"

#include "Error.h"
#include "reports/catalogue/ReportBuilder.h"
#include "reports/render/DocumentExport.h"
#include "reports/render/PagePainter.h"

namespace orvane {

ExportPresenter::ExportPresenter(std::filesystem::path output, const ResourceStore& resources)
    : output_(std::move(output)), resources_(resources) {
    if (!FormatOfPath(output_)) {
        throw Error("Cannot write " + output_.filename().string() +
                    ": name it .pdf, .png, .jpg, .bmp, .tif, .svg, .html, .txt or .csv");
    }
}

void ExportPresenter::Present(const StagedReport& report) {
    const QtTextMeasurer measurer;
    const PreparedDocument document = BuildReport(report, measurer, resources_);
    const std::vector<std::filesystem::path> files = ExportDocument(document, output_);
    written_ = files.empty() ? output_ : files.front();
}

std::filesystem::path DefaultOutputPath(const std::filesystem::path& file, bool acknowledgement) {
    std::filesystem::path output = file;
    output.replace_filename(file.stem().string() + (acknowledgement ? "-ack.pdf" : ".pdf"));
    return output;
}

}  // namespace orvane
