#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Schedule CG: the computation of short-term and long-term capital gains and
// the table of gains by the period in which they accrued (cg_ keys), into
// SCHEDULE-CG for ITR-2 and ITR-3 and SCHEDULE-ESR for ITR-4 to ITR-6. The form
// selects the schedule's elements and layout, the year the accrual table.
void FillScheduleCG(TIniControl& ini, const ReturnContext& context);

// Schedule OS: income from other sources (os_ keys), into the same section as
// the capital gains.
void FillScheduleOS(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
