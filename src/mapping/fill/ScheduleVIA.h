#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The deductions under Chapter VI-A (via_a, via_b, ... in the order of the
// form's list of sections), into SCHEDULE-VIA for ITR-2 and ITR-3 and
// SCHEDULE-10A for ITR-4 to ITR-6. From 2011-12, ITR-2 to ITR-4 add section
// 80CCF and move the total to via_Total. An absent schedule writes nothing.
void FillScheduleVIA(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
