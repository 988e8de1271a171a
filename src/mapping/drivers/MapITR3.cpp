#include "mapping/drivers/MapITR3.h"

#include "mapping/drivers/PartBTaxComputation.h"
#include "mapping/fill/AirAndExemptIncome.h"
#include "mapping/fill/CapitalGainsAndOtherSources.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/LossSetOff.h"
#include "mapping/fill/PartAGen.h"
#include "mapping/fill/PartnerFirms.h"
#include "mapping/fill/ScheduleHP.h"
#include "mapping/fill/ScheduleS.h"
#include "mapping/fill/ScheduleVIA.h"
#include "mapping/fill/SpecialRateAndClubbedIncome.h"
#include "mapping/fill/TaxPaymentSchedules.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// The computation of total income, below ITRForm:PartB-TI; line 3 is the
// profit from the firms.
constexpr KeyRow kTotalIncome[] = {
    {"ti_1", "ITRForm:Salaries", Conv::kAmountOrNil},
    {"ti_2", "ITRForm:IncomeFromHP", Conv::kAmountOrNil},
    {"ti_3", "ITRForm:ProfBusGain/ITRForm:TotProfBusGain", Conv::kAmountOrNil},
    {"ti_4ai", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermUs111A", Conv::kAmountOrNil},
    {"ti_4aii", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermOther", Conv::kAmountOrNil},
    {"ti_4aiii", "ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:TotalShortTerm", Conv::kAmountOrNil},
    {"ti_4b", "ITRForm:CapGain/ITRForm:LongTerm", Conv::kAmountOrNil},
    {"ti_4c", "ITRForm:CapGain/ITRForm:TotalCapGains", Conv::kAmountOrNil},
    {"ti_5a", "ITRForm:IncFromOS/ITRForm:OtherSrcThanOwnRaceHorse", Conv::kAmountOrNil},
    {"ti_5b", "ITRForm:IncFromOS/ITRForm:FromOwnRaceHorse", Conv::kAmountOrNil},
    {"ti_5c", "ITRForm:IncFromOS/ITRForm:TotIncFromOS", Conv::kAmountOrNil},
    {"ti_6", "ITRForm:TotalTI", Conv::kAmountOrNil},
    {"ti_7", "ITRForm:CurrentYearLoss", Conv::kAmountOrNil},
    {"ti_8", "ITRForm:BalanceAfterSetoffLosses", Conv::kAmountOrNil},
    {"ti_9", "ITRForm:BroughtFwdLossesSetoff", Conv::kAmountOrNil},
    {"ti_10", "ITRForm:GrossTotalIncome", Conv::kAmountOrNil},
    {"ti_11", "ITRForm:DeductionsUnderScheduleVIA", Conv::kAmountOrNil},
    {"ti_12", "ITRForm:TotalIncome", Conv::kAmountOrNil},
    {"ti_13", "ITRForm:NetAgricultureIncomeOrOtherIncomeForRate", Conv::kAmountOrNil},
    {"ti_14", "ITRForm:AggregateIncome", Conv::kAmountOrNil},
    {"ti_15", "ITRForm:LossesOfCurrentYearCarriedFwd", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kTotalIncome));

}  // namespace

void MapITR3(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR3", context.AssessmentYear, settings);
    WriteRows(ini, context, "PART-B", FindChild(context.FormElement(), "ITRForm:PartB-TI"),
              kTotalIncome);
    WritePartBTaxComputation(ini, context);

    FillScheduleS(ini, context);
    FillScheduleHP(ini, context);
    FillScheduleIFAndBPA(ini, context);
    FillScheduleCG(ini, context);
    FillScheduleOS(ini, context);
    FillScheduleCYLA(ini, context);
    FillScheduleBFLA(ini, context);
    FillScheduleCFL(ini, context);
    FillScheduleVIA(ini, context);
    FillExemptIncome(ini, context);
    if (context.AssessmentYear <= 2010) FillScheduleAIR(ini, context);
    FillScheduleSPI(ini, context);
    FillScheduleSI(ini, context);
    FillScheduleTDS1(ini, context);
    FillScheduleTDS2(ini, context);
    FillScheduleIT(ini, context);
    FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
