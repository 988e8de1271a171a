#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Lists the partners or members of an ITR-5 firm, association or body in
// PART-A-PARTNERS-n, each with a continuation row for its city; a return
// without partners gets one row holding only SrNo ".".
void FillPartners(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
