#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// Maps an ITR-1 return into its staging file ("sITR1.WIN" for 2010-11,
// "ITR1.WIN" otherwise) in the layout of its year, and shows the ITR-1 report:
// the box keys of the one-page form of 2011-12, the id_ keys of 2010-11, the
// ti_ keys of 2008-09 and 2009-10.
void MapITR1(ReturnContext& context, const StagingSettings& settings);

}  // namespace orvane
