#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the computation of income from business or profession of ITR-4,
// ITR-5 and ITR-6 into SCHEDULE-BP (bp_1 to bp_41 and bp_c), from
// ITRForm:ITR4ScheduleBP (ITR-4) or ITRForm:CorpScheduleBP (ITR-5, ITR-6).
// Writes nothing when that element is absent or for any other form.
void FillScheduleBP(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
