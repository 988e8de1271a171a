#pragma once

#include <span>

#include "reports/engine/Dataset.h"
#include "reports/engine/PreparedDocument.h"
#include "reports/engine/TemplateModel.h"
#include "reports/engine/TextMeasurer.h"

namespace orvane {

// Lays out a template with its datasets into prepared sheets: data bands
// repeat over the rows of their datasets with their headers, footers and
// groups; subreports print their pages in place; pages continue on the sheet
// before or open new ones; a band that does not fit moves to a new sheet;
// page footers close every sheet; the template's scripts run; and page
// numbers are filled in once the number of sheets is known.
// Throws Error when the template reads a dataset that `datasets` lacks.
PreparedDocument PrepareReport(const Template& report, std::span<const NamedDataset> datasets,
                               const TextMeasurer& measurer);

}  // namespace orvane
