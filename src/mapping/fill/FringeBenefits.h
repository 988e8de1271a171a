#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the particulars of employees (fbi_ keys, as the return holds them)
// and the values of fringe benefits (fb_ keys) into SCHEDULE-FBI; each block
// is skipped when its schedule is absent. ITR-5, ITR-6 and ITR-8.
void FillScheduleFBI(TIniControl& ini, const ReturnContext& context);

// Lists the payments of fringe benefit tax in SCHEDULE-FBT-n, with a
// continuation row for a bank branch, and adds their amounts into
// ScheduleTotals slot 21. An empty list prints one row holding ".". Throws
// the conversion error for an amount that is not a whole number.
void FillScheduleFBT(TIniControl& ini, ReturnContext& context);

}  // namespace orvane
