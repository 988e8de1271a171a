#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the quantitative details of a business return into PART-A-QD: the
// quantities of all items of a group added up, one total per column (qd_1 to
// qd_5 trading, qd_6a to qd_6h raw materials, qd_7a to qd_7f finished
// products). All 19 keys are written, "Nil" for a zero total. Throws the
// conversion error for a quantity that is not a whole number.
void FillPartAQD(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
