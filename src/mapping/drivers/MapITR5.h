#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-5 return (firms, associations of persons, bodies of
// individuals) into "ITR5.WIN": the accounts, PART-B with the fringe benefit
// tax of 2008-09 and 2009-10, the schedules and the partners; then shows the
// ITR-5 report.
void MapITR5(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
