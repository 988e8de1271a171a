#include "app/ExportPresenter.h"

#include "Error.h"

namespace orvane {

ExportPresenter::ExportPresenter(std::filesystem::path output) : output_(std::move(output)) {}

void ExportPresenter::Present(const StagedReport& report) {
    static_cast<void>(report);
    throw Error("Printing to " + output_.string() + " is not available yet");
}

std::filesystem::path DefaultOutputPath(const std::filesystem::path& file, bool acknowledgement) {
    std::filesystem::path output = file;
    output.replace_filename(file.stem().string() + (acknowledgement ? "-ack.pdf" : ".pdf"));
    return output;
}

}  // namespace orvane
