#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-6 return (companies) into "ITR6.WIN": key persons and
// shareholders, the accounts, PART-B with the fringe benefit tax of 2008-09
// and 2009-10, the schedules, MAT and dividend tax; then shows the ITR-6 report.
void MapITR6(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
