#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The firms in which the assessee is a partner (SCHEDULE-IF-n, profit share
// and capital added into ScheduleTotals slots 11 and 12; a present schedule
// without firms prints one empty line) and, for ITR-3 only, the income from
// each firm (SCHEDULE-BP-n, slots 13 to 17). ITR-3 and ITR-4 call it. Throws
// Error for an amount that is not a whole number.
void FillScheduleIFAndBPA(TIniControl& ini, ReturnContext& context);

}  // namespace orvane
