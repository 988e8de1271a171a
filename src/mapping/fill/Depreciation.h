#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the depreciation schedules of a business return into SCHEDULE-DPM:
// plant and machinery (dpm_, blocks A to G), other assets (doa_, blocks A to
// F), the summary of depreciation (dep_) and of deemed capital gains on
// depreciable assets (dcg_). Each schedule absent from the return is skipped.
void FillScheduleDPM(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
