#pragma once

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The tax already paid, one numbered staging section per printed row, with the
// amount columns added into the ScheduleTotals. From 2011-12 the one-page forms
// (ITR-1, ITR-4S) print their first rows in boxes that the driver writes;
// these fillers then write only the rows beyond the boxes, as an overflow list.

// TDS on salary, one row per employer: SCHEDULE-TDS1-n, slots 1-5.
void FillScheduleTDS1(TIniControl& ini, ReturnContext& context);

// TDS on other income, one row per deductor: SCHEDULE-TDS2-n, slots 6-8.
void FillScheduleTDS2(TIniControl& ini, ReturnContext& context);

// Tax collected at source, one row per collector: SCHEDULE-TCS-n, slots 18-20.
void FillScheduleTCS(TIniControl& ini, ReturnContext& context);

// Advance tax and self-assessment tax, one row per challan: SCHEDULE-IT-n, slot 9.
void FillScheduleIT(TIniControl& ini, ReturnContext& context);

}  // namespace orvane
