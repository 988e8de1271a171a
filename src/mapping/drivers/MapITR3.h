#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-3 return into "ITR3.WIN" as ITR-2 is mapped, with the profits
// from the firms as a further head of income and the partner-firm schedules;
// then shows the ITR-3 report of the year.
void MapITR3(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
