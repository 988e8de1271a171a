#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-4S (SUGAM) return into "ITR4s.WIN": every value as a box key of
// PART-A-GEN in the layout of the one-page form of 2011-12, the rows of the tax
// tables beyond their boxes as overflow sections; then shows its report.
void MapITR4S(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
