#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The computation of tax, the refund particulars (tti_1a to tti_14b, read
// below ITRForm:PartB_TTI) and the verification (veri_ keys, below
// ITRForm:Verification) that ITR-2 and ITR-3 write into PART-B. A blank bank
// account number prints "Nil" on ITR-2 and stays blank on ITR-3.
void WritePartBTaxComputation(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
