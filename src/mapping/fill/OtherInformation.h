#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the other information of a business return into PART-A-OI: method of
// accounting, valuation of stock, amounts not credited to the profit and loss
// account, disallowances under sections 36, 37, 40, 40A and 43B, outstanding
// indirect taxes. Writes nothing when the return has no ITRForm:PARTA_OI.
void FillPartAOI(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
