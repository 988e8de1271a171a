#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "staging/ReportDispatch.h"

namespace orvane {

// A staging file, complete, and the report chosen to show it.
struct StagedReport {
    std::string store_name;  // "ITR1", "ACK2011", ...
    int assessment_year = 0;
    std::filesystem::path staging_file;
    std::optional<ReportChoice> choice;  // none: the dispatch shows nothing
};

// Shows the report of a finished staging run: the window's preview, the
// command line's export, or nothing at all for `orvane stage`.
class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    virtual void Present(const StagedReport& report) = 0;
};

}  // namespace orvane
