#pragma once

#include <filesystem>

#include "reports/engine/ResourceStore.h"
#include "staging/ReportPresenter.h"

namespace orvane {

// Prints a staged report to a file, in the format its extension names: the
// command line's way of showing a report. Needs a QGuiApplication.
class ExportPresenter : public ReportPresenter {
  public:
    // Throws Error when the extension of `output` names no format, so that a
    // run is refused before anything is staged.
    explicit ExportPresenter(std::filesystem::path output,
                             const ResourceStore& resources = EmbeddedResources());

    // Lays out the report and writes it; throws NoPrintedFormError when the
    // dispatch chose nothing, Error when the form cannot be printed.
    void Present(const StagedReport& report) override;

    // The file (or first page image) written by the last Present.
    const std::filesystem::path& Written() const { return written_; }

  private:
    std::filesystem::path output_;
    const ResourceStore& resources_;
    std::filesystem::path written_;
};

// The PDF next to the return, named after it: RETURN.pdf, or RETURN-ack.pdf
// for the acknowledgement.
std::filesystem::path DefaultOutputPath(const std::filesystem::path& file, bool acknowledgement);

}  // namespace orvane
