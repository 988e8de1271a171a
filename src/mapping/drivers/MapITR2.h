#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-2 return into "ITR2.WIN": the computation of total income and
// tax, the refund and the verification (PART-B), then every schedule of the
// form, PART-A-GEN last with the totals of the tables; then shows the ITR-2
// report of the year.
void MapITR2(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
