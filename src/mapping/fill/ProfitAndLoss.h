#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the profit and loss account of a business return into PART-A-PNL:
// credits, debits, the provisions and appropriations of the form and, for
// ITR-4 and ITR-5, the lines for accounts without books. Writes nothing when
// the return has no profit and loss account.
void FillProfitAndLoss(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
