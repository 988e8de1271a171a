#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-4 return (individuals and Hindu undivided families with a
// business or profession) into "ITR4.WIN": the accounts, the computation of
// income and tax in PART-B, and every schedule; then shows the ITR-4 report.
void MapITR4(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
