#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes section PART-A-GEN: year texts, identity and address of the assessee,
// filing status, audit particulars, company particulars (ITR-6), nature of
// business (ITR-4 to ITR-6), the ScheduleTotals collected by earlier fillers,
// and the courtesy keys. Every driver but ITR-4S and ITR-1 of 2011 calls it
// last, right before ShowReport.
void FillPartAGen(TIniControl& ini, const ReturnContext& context);

// Writes the nob_ keys of PART-A-GEN, one numbered group per business of
// ITRForm:NatOfBus (ITR-4, ITR-5, ITR-6).
void FillNatureOfBusiness(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
