#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Schedule HP into section SCHEDULE-HP: sixteen keys hp_<n>1 to hp_<n>i per
// property, blank blocks up to the form's number of property blocks (three on
// ITR-4 to ITR-6, two on the other forms), and the totals hp_<blocks + 1>a to
// c. Properties beyond the blocks are written under the next block numbers,
// where the totals overwrite the first three amounts.
void FillScheduleHP(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
