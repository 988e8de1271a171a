#include "mapping/fill/ScheduleMAT.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-MAT";
constexpr Conv kAmount = Conv::kAmountOrNil;

// Below ITRForm:ScheduleMAT; the two answers about the accounts are written as they are.
// clang-format off
constexpr KeyRow kBookProfit[] = {
    {"mat_1", "ITRForm:PLAcntPrepSchedVICompAct"},
    {"mat_2", "ITRForm:PLAcntPrepAsperAGM"},
    {"mat_3", "ITRForm:ProfBeforeTaxPLAcnt", kAmount},
    {"mat_4a", "ITRForm:Additions/ITRForm:ITPaidNoFBT", kAmount},
    {"mat_4b", "ITRForm:Additions/ITRForm:ResvrNo33AC", kAmount},
    {"mat_4c", "ITRForm:Additions/ITRForm:ProvUncertainLiab", kAmount},
    {"mat_4d", "ITRForm:Additions/ITRForm:ProvLossOfSubsComp", kAmount},
    {"mat_4e", "ITRForm:Additions/ITRForm:DividendPaidOrProposed", kAmount},
    {"mat_4f", "ITRForm:Additions/ITRForm:ExpendExempIncUs10s", kAmount},
    {"mat_4g", "ITRForm:Additions/ITRForm:DepreciatAttribToRevalAsset", kAmount},
    {"mat_4h", "ITRForm:Additions/ITRForm:Others", kAmount},
    {"mat_4i", "ITRForm:Additions/ITRForm:TotAdditions", kAmount},
    {"mat_5a", "ITRForm:Deducts/ITRForm:AmtWithdrawFromResvrIfCredPL", kAmount},
    {"mat_5b", "ITRForm:Deducts/ITRForm:IncExempIncUs10s", kAmount},
    {"mat_5c", "ITRForm:Deducts/ITRForm:AmtWithdrawFromResvrIfCredPLNoAttrib", kAmount},
    {"mat_5d", "ITRForm:Deducts/ITRForm:UnAbsorbedDepreciat", kAmount},
    {"mat_5e", "ITRForm:Deducts/ITRForm:ProSickIndustryOrExcedAccumLos", kAmount},
    {"mat_5f", "ITRForm:Deducts/ITRForm:Others", kAmount},
    {"mat_5g", "ITRForm:Deducts/ITRForm:TotDeducts", kAmount},
    {"mat_6", "ITRForm:BookProfUs115JB", kAmount},
    {"mat_7", "ITRForm:TaxPayableUs115JB", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kBookProfit));

// Below ITRForm:ScheduleMATC.
// clang-format off
constexpr KeyRow kCredit[] = {
    {"matc_1", "ITRForm:TaxUs115JBPrevAssYr", kAmount},
    {"matc_2", "ITRForm:TaxOthProvPrevAssYr", kAmount},
    {"matc_3", "ITRForm:AmtMATLiabAllAssYrAvailSubseqYr", kAmount},
    {"matc_4", "ITRForm:TaxUs115JBCurrAssYr", kAmount},
    {"matc_5", "ITRForm:TaxOthProvCurrAssYr", kAmount},
    {"matc_6", "ITRForm:AmtOfTaxCredWithMATLiab", kAmount},
    {"matc_7", "ITRForm:AmtTaxCredUs115JAA", kAmount},
    {"matc_8", "ITRForm:BalMATCredAvlAllPrevAssYr", kAmount},
    {"matc_9", "ITRForm:BalMATCredAvlCurrAssYr", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kCredit));

std::string YearLabel(int first, int second) {
    return std::to_string(first) + "-" + std::to_string(second);
}

}  // namespace

void FillScheduleMAT(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleMAT");
    if (schedule) WriteRows(ini, context, kSection, schedule, kBookProfit);
}

void FillScheduleMATC(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleMATC");
    if (!schedule) return;
    WriteRows(ini, context, kSection, schedule, kCredit);
    const int year = context.AssessmentYear;
    ini.WriteValue(kSection, "matc_ay1", YearLabel(year - 2, year - 1));
    ini.WriteValue(kSection, "matc_ay2", YearLabel(year - 1, year));
    ini.WriteValue(kSection, "matc_ay3", YearLabel(year, context.AssessmentYearEnd));
}

}  // namespace orvane
