#include "mapping/drivers/MapITR2.h"

#include "mapping/drivers/PartBTaxComputation.h"
#include "mapping/fill/AirAndExemptIncome.h"
#include "mapping/fill/CapitalGainsAndOtherSources.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/LossSetOff.h"
#include "mapping/fill/PartAGen.h"
#include "mapping/fill/ScheduleHP.h"
#include "mapping/fill/ScheduleS.h"
#include "mapping/fill/ScheduleVIA.h"
#include "mapping/fill/SpecialRateAndClubbedIncome.h"
#include "mapping/fill/TaxPaymentSchedules.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// The computation of total income, below ITRForm:PartB-TI.
constexpr KeyRow kTotalIncome[] = {
    {"ti_1", "ITRForm:Salaries", Conv::kAmountOrNil},
    {"ti_2", "ITRForm:IncomeFromHP", Conv::kAmountOrNil},
    {"ti_3ai", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermUs111A", Conv::kAmountOrNil},
    {"ti_3aii", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermOther", Conv::kAmountOrNil},
    {"ti_3aiii", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:TotalShortTerm", Conv::kAmountOrNil},
    {"ti_3b", "ITRForm:CapGain/ITRForm:LongTerm", Conv::kAmountOrNil},
    {"ti_3c", "ITRForm:CapGain/ITRForm:TotalCapGains", Conv::kAmountOrNil},
    {"ti_4a", "ITRForm:IncFromOS/ITRForm:OtherSrcThanOwnRaceHorse", Conv::kAmountOrNil},
    {"ti_4b", "ITRForm:IncFromOS/ITRForm:FromOwnRaceHorse", Conv::kAmountOrNil},
    {"ti_4c", "ITRForm:IncFromOS/ITRForm:TotIncFromOS", Conv::kAmountOrNil},
    {"ti_5", "ITRForm:TotalTI", Conv::kAmountOrNil},
    {"ti_6", "ITRForm:CurrentYearLoss", Conv::kAmountOrNil},
    {"ti_7", "ITRForm:BalanceAfterSetoffLosses", Conv::kAmountOrNil},
    {"ti_8", "ITRForm:BroughtFwdLossesSetoff", Conv::kAmountOrNil},
    {"ti_9", "ITRForm:GrossTotalIncome", Conv::kAmountOrNil},
    {"ti_10", "ITRForm:DeductionsUnderScheduleVIA", Conv::kAmountOrNil},
    {"ti_11", "ITRForm:TotalIncome", Conv::kAmountOrNil},
    {"ti_12", "ITRForm:NetAgricultureIncomeOrOtherIncomeForRate", Conv::kAmountOrNil},
    {"ti_13", "ITRForm:AggregateIncome", Conv::kAmountOrNil},
    {"ti_14", "ITRForm:LossesOfCurrentYearCarriedFwd", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kTotalIncome));

}  // namespace

void MapITR2(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR2", context.AssessmentYear, settings);
    WriteRows(ini, context, "PART-B", FindChild(context.FormElement(), "ITRForm:PartB-TI"),
              kTotalIncome);
    WritePartBTaxComputation(ini, context);

    FillScheduleS(ini, context);
    FillScheduleHP(ini, context);
    FillScheduleCG(ini, context);
    FillScheduleOS(ini, context);
    FillScheduleCYLA(ini, context);
    FillScheduleBFLA(ini, context);
    FillScheduleCFL(ini, context);
    FillScheduleVIA(ini, context);
    FillScheduleSPI(ini, context);
    FillScheduleSI(ini, context);
    FillExemptIncome(ini, context);
    if (context.AssessmentYear <= 2010) FillScheduleAIR(ini, context);
    FillScheduleIT(ini, context);
    FillScheduleTDS1(ini, context);
    FillScheduleTDS2(ini, context);
    FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
