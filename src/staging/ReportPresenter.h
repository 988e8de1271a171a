#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "Error.h"
#include "staging/ReportDispatch.h"

namespace orvane {

// A staging file, complete, and the report chosen to show it.
struct StagedReport {
    std::string store_name;  // "ITR1", "ACK2011", ...
    int assessment_year = 0;
    std::filesystem::path staging_file;
    std::optional<ReportChoice> choice;  // none: the dispatch shows nothing
};

// Raised by a presenter when the store name and year have no printed form
// (ITR-4S before 2011-12): the staging file is complete, nothing is shown, and
// the user is told so with a warning rather than an error.
class NoPrintedFormError : public Error {
  public:
    using Error::Error;
};

// Shows the report of a finished staging run: the window's preview, the
// command line's export, or nothing at all for `orvane stage`.
class ReportPresenter {
  public:
    virtual ~ReportPresenter() = default;
    virtual void Present(const StagedReport& report) = 0;
};

}  // namespace orvane
