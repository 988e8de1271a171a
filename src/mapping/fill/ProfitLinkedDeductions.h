#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The schedules of deductions linked to profits, of donations and of the
// securities transaction tax of the business returns. All four write into
// SCHEDULE-10A, which also carries the Chapter VI-A, exempt income and AIR keys.

// Schedules 10A, 10AA, 10B and 10BA: one key per undertaking (at most three or
// five per group) and the group totals added up from them; 10a_6 is the total
// of Schedule 10A. Throws the conversion error for an amount that is not a
// whole number.
void FillSchedule10A(TIniControl& ini, const ReturnContext& context);

// Donations under section 80G: the donees of the three groups, numbered from
// 1 without limit, and the group totals.
void FillSchedule80G(TIniControl& ini, const ReturnContext& context);

// Schedules 80-IA, 80-IB and 80-IC, each skipped when absent.
void FillSchedule80IA(TIniControl& ini, const ReturnContext& context);

// Schedule STT: ITRForm:ScheduleSTTR for ITR-4, ITRForm:ScheduleSTTC for ITR-5
// and ITR-6.
void FillScheduleSTT(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
