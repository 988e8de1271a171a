#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Writes the balance sheet of a business return into PART-A-BS: AsOn (the
// assessment year) always, then the sources and application of funds in the
// layout of the form: the proprietor's fund (ITR-4), the partners' or members'
// fund (ITR-5) or the company's share capital and reserves (ITR-6).
void FillBalanceSheet(TIniControl& ini, const ReturnContext& context);

}  // namespace orvane
