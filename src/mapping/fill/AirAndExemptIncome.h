#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The eight amounts of the annual information return (transaction codes 001 to
// 008), written into the section that prints them beside the deductions:
// PART-B for ITR-1, SCHEDULE-VIA for ITR-2 and ITR-3, SCHEDULE-10A for ITR-4.
void FillScheduleAIR(TIniControl& ini, const ReturnContext& context);

// The income exempt from tax: PART-B for ITR-1, SCHEDULE-VIA for ITR-2 and
// ITR-3, SCHEDULE-10A for ITR-4 to ITR-6.
void FillExemptIncome(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
