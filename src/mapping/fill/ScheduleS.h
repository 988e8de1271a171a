#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The employer and the salary of Schedule S, written into PART-B (ITR-2, ITR-3,
// ITR-4): the first employer of ITRForm:ScheduleS only, since the form prints
// one. An absent schedule writes nothing.
void FillScheduleS(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
