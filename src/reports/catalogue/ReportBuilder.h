#pragma once

#include <string>

#include "reports/engine/PreparedDocument.h"
#include "reports/engine/ResourceStore.h"
#include "reports/engine/TextMeasurer.h"
#include "staging/ReportPresenter.h"

namespace orvane {

// Lays out the printed form of a finished staging run: the report form class
// and template the dispatch chose, with the class's datasets reading its
// staging file (in the directory of the run's staging file).
// Throws NoPrintedFormError when the dispatch chose nothing ("No printed form
// of ITR-4S for this assessment year"), and Error when the form's template is
// not available yet or cannot be read.
PreparedDocument BuildReport(const StagedReport& report, const TextMeasurer& measurer,
                             const ResourceStore& resources = EmbeddedResources());

// The form as the user knows it, from a store name: "ITR-1", "ITR-4S", or
// "the acknowledgement".
std::string PrintedFormName(std::string_view store_name);

}  // namespace orvane
