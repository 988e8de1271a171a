#pragma once

#include <string_view>

#include "Error.h"
#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Raised when the return's file is no longer where it was picked.
class ReturnFileMissing : public Error {
  public:
    using Error::Error;
};

// A mapping driver: writes the staging file of a return and shows its report.
using MappingDriver = void (*)(ReturnContext&, const StagingSettings&);

// One row of the Form command's dispatch by form code.
struct DriverRow {
    int form_code;
    std::string_view driver_name;  // "MapITR1"
    MappingDriver driver;          // none while the form's driver is not available
};

// The Form command: checks that the return's file still exists ("File not
// found !"), zeroes the ScheduleTotals and runs the driver of the form code.
// Throws Error with the message to show.
void RunForm(ReturnContext& context, const StagingSettings& settings);

// The Acknowledgement command: checks the file, then fills and shows the
// acknowledgement. The ScheduleTotals are not touched.
void RunAcknowledgement(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
