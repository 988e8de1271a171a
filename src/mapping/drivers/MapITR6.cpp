#include "mapping/drivers/MapITR6.h"

#include "mapping/drivers/BusinessPartB.h"
#include "mapping/fill/AirAndExemptIncome.h"
#include "mapping/fill/BalanceSheet.h"
#include "mapping/fill/CapitalGainsAndOtherSources.h"
#include "mapping/fill/CompanyParticulars.h"
#include "mapping/fill/Depreciation.h"
#include "mapping/fill/DividendTax.h"
#include "mapping/fill/FringeBenefits.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/LossSetOff.h"
#include "mapping/fill/OtherInformation.h"
#include "mapping/fill/PartAGen.h"
#include "mapping/fill/ProfitAndLoss.h"
#include "mapping/fill/ProfitLinkedDeductions.h"
#include "mapping/fill/QuantitativeDetails.h"
#include "mapping/fill/ScheduleBP.h"
#include "mapping/fill/ScheduleHP.h"
#include "mapping/fill/ScheduleMAT.h"
#include "mapping/fill/ScheduleVIA.h"
#include "mapping/fill/ScientificResearch.h"
#include "mapping/fill/SpecialRateAndClubbedIncome.h"
#include "mapping/fill/TaxPaymentSchedules.h"

namespace orvane {
namespace {

constexpr Conv kAmount = Conv::kAmountOrNil;

// Computation of total income (ti_, with the deemed total income under
// section 115JB) and of tax (tti_, with the tax on it and the MAT credit;
// lines 6 and 7 are printed blank), below the form element.
// clang-format off
constexpr KeyRow kIncomeAndTax[] = {
    {"ti_1", "ITRForm:PartB-TI/ITRForm:IncomeFromHP", kAmount},
    {"ti_2i", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:ProfGainNoSpecBus", kAmount},
    {"ti_2ii", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:ProfGainSpecBus", kAmount},
    {"ti_2iii", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:TotProfBusGain", kAmount},
    {"ti_3ai", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermUs111A", kAmount},
    {"ti_3aii", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermOther", kAmount},
    {"ti_3aiii", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:TotalShortTerm", kAmount},
    {"ti_3b", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:LongTerm", kAmount},
    {"ti_3c", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:TotalCapGains", kAmount},
    {"ti_4a", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:OtherSrcThanOwnRaceHorse", kAmount},
    {"ti_4b", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:FromOwnRaceHorse", kAmount},
    {"ti_4c", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:TotIncFromOS", kAmount},
    {"ti_5", "ITRForm:PartB-TI/ITRForm:TotalTI", kAmount},
    {"ti_6", "ITRForm:PartB-TI/ITRForm:CurrentYearLoss", kAmount},
    {"ti_7", "ITRForm:PartB-TI/ITRForm:BalanceAfterSetoffLosses", kAmount},
    {"ti_8", "ITRForm:PartB-TI/ITRForm:BroughtFwdLossesSetoff", kAmount},
    {"ti_9", "ITRForm:PartB-TI/ITRForm:GrossTotalIncome", kAmount},
    {"ti_10", "ITRForm:PartB-TI/ITRForm:DeductionsUnderScheduleVIA", kAmount},
    {"ti_11", "ITRForm:PartB-TI/ITRForm:TotalIncome", kAmount},
    {"ti_12", "ITRForm:PartB-TI/ITRForm:NetAgricultureIncomeOrOtherIncomeForRate", kAmount},
    {"ti_13", "ITRForm:PartB-TI/ITRForm:AggregateIncome", kAmount},
    {"ti_14", "ITRForm:PartB-TI/ITRForm:LossesOfCurrentYearCarriedFwd", kAmount},
    {"ti_15", "ITRForm:PartB-TI/ITRForm:DeemedTotIncSec115JB", kAmount},
    {"tti_1", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxOnDeemedTotIncSec115JB", kAmount},
    {"tti_2a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtNormalRates", kAmount},
    {"tti_2b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtSpecialRates", kAmount},
    {"tti_2c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxPayableOnTotInc", kAmount},
    {"tti_3", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:GrossTaxPayable", kAmount},
    {"tti_4", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:CredUs115JAATaxPaid", kAmount},
    {"tti_5", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableAfterCredUs115JAA", kAmount},
    {"tti_6", ""},
    {"tti_7", ""},
    {"tti_8", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:SurchargeOnTaxPayable", kAmount},
    {"tti_9", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:EducationCess", kAmount},
    {"tti_10", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:GrossTaxLiability", kAmount},
    {"tti_11a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section90", kAmount},
    {"tti_11b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section91", kAmount},
    {"tti_11c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:TotTaxRelief", kAmount},
    {"tti_12", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:NetTaxLiability", kAmount},
    {"tti_13a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234A", kAmount},
    {"tti_13b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234B", kAmount},
    {"tti_13c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234C", kAmount},
    {"tti_13d", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:TotalIntrstPay", kAmount},
    {"tti_14", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:AggregateTaxInterestLiability", kAmount},
    {"tti_15a", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", kAmount},
    {"tti_15b", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", kAmount},
    {"tti_15c", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TCS", kAmount},
    {"tti_15d", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", kAmount},
    {"tti_15e", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", kAmount},
    {"tti_16", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:BalTaxPayable", kAmount},
    {"tti_17", "ITRForm:PartB_TTI/ITRForm:RefundsDue", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kIncomeAndTax));

}  // namespace

void MapITR6(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR6", context.AssessmentYear, settings);
    FillKeyPersons(ini, context);
    FillShareholders(ini, context);
    FillBalanceSheet(ini, context);
    FillProfitAndLoss(ini, context);
    FillPartAOI(ini, context);
    FillPartAQD(ini, context);
    WriteRows(ini, context, "PART-B", context.FormElement(), kIncomeAndTax);
    // Fringe benefit tax was assessed with the return up to 2009-10 only.
    if (context.AssessmentYear < 2010) WriteFringeBenefitTax(ini, context);
    WriteVerification(ini, context);
    WriteRefundAccount(ini, context);
    FillScheduleHP(ini, context);
    FillScheduleBP(ini, context);
    FillScheduleDPM(ini, context);
    FillScheduleESR(ini, context);
    FillScheduleCG(ini, context);
    FillScheduleOS(ini, context);
    FillScheduleCYLA(ini, context);
    FillScheduleBFLA(ini, context);
    FillScheduleCFL(ini, context);
    FillSchedule10A(ini, context);
    FillSchedule80G(ini, context);
    FillSchedule80IA(ini, context);
    FillScheduleVIA(ini, context);
    FillScheduleSTT(ini, context);
    FillScheduleSI(ini, context);
    FillExemptIncome(ini, context);
    FillScheduleMAT(ini, context);
    FillScheduleMATC(ini, context);
    FillScheduleDDT(ini, context);
    FillScheduleFBI(ini, context);
    FillScheduleIT(ini, context);
    FillScheduleTDS2(ini, context);
    FillScheduleTCS(ini, context);
    FillScheduleFBT(ini, context);
    FillScheduleDDTP(ini, context);
    FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
