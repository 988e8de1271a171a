#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The three loss schedules, all into section SCHEDULE-CYLA. Each is a grid of
// income heads by kinds of loss whose rows and columns depend on the form
// (ITR-2; ITR-3 and ITR-4; ITR-5 and ITR-6); cells the printed form marks as
// not applicable are written "Nil". An absent schedule writes nothing.

// Set-off of the current year's losses against the other heads (cyla_ keys).
void FillScheduleCYLA(TIniControl& ini, const ReturnContext& context);

// Set-off of losses brought forward from earlier years (bfla_ keys).
void FillScheduleBFLA(TIniControl& ini, const ReturnContext& context);

// The losses carried forward: year labels cfl_01 to cfl_09 for the eight
// earlier assessment years and this one, then eight yearly rows and four
// summary rows (cfl_ keys).
void FillScheduleCFL(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
