#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Blocks of PART-B that the firm, company and fringe-benefit returns (ITR-5,
// ITR-6, ITR-8) print alike. Each reads its group element below the form element.

// The computation of fringe benefit tax (prtc_ keys, from ITRForm:PartCAnd8B).
void WriteFringeBenefitTax(TIniControl& ini, const ReturnContext& context);

// The verification, with the capacity in which the signatory signs (veri_ keys).
void WriteVerification(TIniControl& ini, const ReturnContext& context);

// The bank account for refunds (ba_ keys, from ITRForm:ScheduleBA). Without
// that schedule only the four tick boxes are written, each "0".
void WriteRefundAccount(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
