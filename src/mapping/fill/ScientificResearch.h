#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the deductions for expenditure on scientific research (section 35)
// into SCHEDULE-ESR, esr_ia to esr_viic, row by row; nothing when the return
// has no ITRForm:ScheduleESR. The section also carries the capital gains and
// other sources keys of the business forms.
void FillScheduleESR(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
