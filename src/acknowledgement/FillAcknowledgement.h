#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the particulars the one-page acknowledgement (ITR-V) shows into
// "ACK.WIN" (sections Personal, TI and Other) for any form and year, and shows
// the acknowledgement: the table layout before 2011-12, the boxed form of
// 2011-12.
void FillAcknowledgement(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
