#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The particulars of a company (ITR-6) that the return lists row by row below
// ITRForm:PartA_GEN2For6. An empty list prints one row holding SrNo ".".

// The key persons: PART-A-KEYPERSON-n.
void FillKeyPersons(TIniControl& ini, const ReturnContext& context);

// The principal shareholders: PART-A-SHAREHOLDER-n.
void FillShareholders(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
