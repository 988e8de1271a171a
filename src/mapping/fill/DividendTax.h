#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the tax on distributed profits of the year (ddt_ keys, from the
// first ITRForm:DDT) into SCHEDULE-MAT; nothing when the return has no
// ITRForm:ScheduleDDT.
void FillScheduleDDT(TIniControl& ini, const ReturnContext& context);

// Lists the payments of tax on distributed profits in SCHEDULE-DDTP-n, with a
// continuation row for a bank branch, and adds their amounts into
// ScheduleTotals slot 22. An empty list prints one row holding ".". Throws
// the conversion error for an amount that is not a whole number.
void FillScheduleDDTP(TIniControl& ini, ReturnContext& context);

}  // namespace orvane
