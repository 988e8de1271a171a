#pragma once

#include <filesystem>

#include "staging/ReportPresenter.h"

namespace orvane {

// Prints a staged report to a file, in the format its extension names.
class ExportPresenter : public ReportPresenter {
public:
    explicit ExportPresenter(std::filesystem::path output);

    void Present(const StagedReport& report) override;

    // The file (or first page image) written by the last Present.
    const std::filesystem::path& Written() const { return written_; }

private:
    std::filesystem::path output_;
    std::filesystem::path written_;
};

// The PDF next to the return, named after it: RETURN.pdf, or RETURN-ack.pdf
// for the acknowledgement.
std::filesystem::path DefaultOutputPath(const std::filesystem::path& file, bool acknowledgement);

}  // namespace orvane
