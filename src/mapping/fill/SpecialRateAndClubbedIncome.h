#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Schedule SPI: income of specified persons (spouse, minor child, ...)
// included in the assessee's income, one numbered section SCHEDULE-SPI-n per
// person. A present schedule without persons prints one empty line.
void FillScheduleSPI(TIniControl& ini, const ReturnContext& context);

// Schedule SI: income chargeable at special rates, one numbered section
// SCHEDULE-SI-n per section code, the tax of every line added into
// ScheduleTotals slot 10. Throws Error for a tax that is not a whole number.
void FillScheduleSI(TIniControl& ini, ReturnContext& context);

}  // namespace orvane
