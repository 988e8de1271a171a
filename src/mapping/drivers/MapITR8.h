#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-8 return (fringe benefit tax) into "ITR8.WIN": the computation
// of the tax, the refund account and the verification in PART-B, the
// fringe-benefit schedules; then shows the ITR-8 report.
void MapITR8(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
