#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the book profit and the tax under section 115JB (mat_ keys) into
// SCHEDULE-MAT; nothing when the return has no ITRForm:ScheduleMAT.
void FillScheduleMAT(TIniControl& ini, const ReturnContext& context);

// Writes the MAT credit account (matc_ keys) and the labels of the three
// assessment years it spans (matc_ay1 to matc_ay3) into SCHEDULE-MAT;
// nothing when the return has no ITRForm:ScheduleMATC.
void FillScheduleMATC(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
