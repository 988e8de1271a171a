#include "mapping/drivers/MapITR4.h"

#include "mapping/fill/AirAndExemptIncome.h"
#include "mapping/fill/BalanceSheet.h"
#include "mapping/fill/CapitalGainsAndOtherSources.h"
#include "mapping/fill/Depreciation.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/LossSetOff.h"
#include "mapping/fill/OtherInformation.h"
#include "mapping/fill/PartAGen.h"
#include "mapping/fill/PartnerFirms.h"
#include "mapping/fill/ProfitAndLoss.h"
#include "mapping/fill/ProfitLinkedDeductions.h"
#include "mapping/fill/QuantitativeDetails.h"
#include "mapping/fill/ScheduleBP.h"
#include "mapping/fill/ScheduleHP.h"
#include "mapping/fill/ScheduleS.h"
#include "mapping/fill/ScheduleVIA.h"
#include "mapping/fill/ScientificResearch.h"
#include "mapping/fill/SpecialRateAndClubbedIncome.h"
#include "mapping/fill/TaxPaymentSchedules.h"
#include "mapping/fill/Verification.h"

namespace orvane {
namespace {

constexpr Conv kAmount = Conv::kAmountOrNil;

// Computation of total income (ti_), of tax with the refund particulars
// (tti_; lines 2 and 3 are printed blank) and the verification, below the
// form element.
// clang-format off
constexpr KeyRow kPartB[] = {
    {"ti_1", "ITRForm:PartB-TI/ITRForm:Salaries", kAmount},
    {"ti_2", "ITRForm:PartB-TI/ITRForm:IncomeFromHP", kAmount},
    {"ti_3i", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:ProfGainNoSpecBus", kAmount},
    {"ti_3ii", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:ProfGainSpecBus", kAmount},
    {"ti_3iii", "ITRForm:PartB-TI/ITRForm:ProfBusGain/ITRForm:TotProfBusGain", kAmount},
    {"ti_4ai", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermUs111A", kAmount},
    {"ti_4aii", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:ShortTermOther", kAmount},
    {"ti_4aiii", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:ShortTerm/ITRForm:TotalShortTerm", kAmount},
    {"ti_4b", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:LongTerm", kAmount},
    {"ti_4c", "ITRForm:PartB-TI/ITRForm:CapGain/ITRForm:TotalCapGains", kAmount},
    {"ti_5a", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:OtherSrcThanOwnRaceHorse", kAmount},
    {"ti_5b", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:FromOwnRaceHorse", kAmount},
    {"ti_5c", "ITRForm:PartB-TI/ITRForm:IncFromOS/ITRForm:TotIncFromOS", kAmount},
    {"ti_6", "ITRForm:PartB-TI/ITRForm:TotalTI", kAmount},
    {"ti_7", "ITRForm:PartB-TI/ITRForm:CurrentYearLoss", kAmount},
    {"ti_8", "ITRForm:PartB-TI/ITRForm:BalanceAfterSetoffLosses", kAmount},
    {"ti_9", "ITRForm:PartB-TI/ITRForm:BroughtFwdLossesSetoff", kAmount},
    {"ti_10", "ITRForm:PartB-TI/ITRForm:GrossTotalIncome", kAmount},
    {"ti_11", "ITRForm:PartB-TI/ITRForm:DeductionsUnderScheduleVIA", kAmount},
    {"ti_12", "ITRForm:PartB-TI/ITRForm:TotalIncome", kAmount},
    {"ti_13", "ITRForm:PartB-TI/ITRForm:NetAgricultureIncomeOrOtherIncomeForRate", kAmount},
    {"ti_14", "ITRForm:PartB-TI/ITRForm:AggregateIncome", kAmount},
    {"ti_15", "ITRForm:PartB-TI/ITRForm:LossesOfCurrentYearCarriedFwd", kAmount},
    {"tti_1a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtNormalRatesOnAggrInc", kAmount},
    {"tti_1b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtSpecialRates", kAmount},
    {"tti_1c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxPayableOnTotInc", kAmount},
    {"tti_2", ""},
    {"tti_3", ""},
    {"tti_4", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:SurchargeOnTaxPayable", kAmount},
    {"tti_5", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:EducationCess", kAmount},
    {"tti_6", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:GrossTaxLiability", kAmount},
    {"tti_7a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section89", kAmount},
    {"tti_7b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section90", kAmount},
    {"tti_7c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section91", kAmount},
    {"tti_7d", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:TotTaxRelief", kAmount},
    {"tti_8", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:NetTaxLiability", kAmount},
    {"tti_9a", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234A", kAmount},
    {"tti_9b", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234B", kAmount},
    {"tti_9c", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234C", kAmount},
    {"tti_9d", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:TotalIntrstPay", kAmount},
    {"tti_10", "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:AggregateTaxInterestLiability", kAmount},
    {"tti_11a", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", kAmount},
    {"tti_11b", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", kAmount},
    {"tti_11c", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TCS", kAmount},
    {"tti_11d", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", kAmount},
    {"tti_11e", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", kAmount},
    {"tti_12", "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:BalTaxPayable", kAmount},
    {"tti_13", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:RefundDue", kAmount},
    {"tti_14", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:BankAccountNumber"},
    {"tti_15a", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"tti_15b", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"tti_16", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode"},
    {"tti_16a", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"tti_16b", "ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
};
// clang-format on
static_assert(!HasOverlappingKeys(kPartB));

}  // namespace

void MapITR4(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR4", context.AssessmentYear, settings);
    FillBalanceSheet(ini, context);
    FillProfitAndLoss(ini, context);
    FillPartAOI(ini, context);
    FillPartAQD(ini, context);
    WriteRows(ini, context, "PART-B", context.FormElement(), kPartB);
    WriteRows(ini, context, "PART-B", context.FormElement(), kVerification);
    FillScheduleS(ini, context);
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
    FillScheduleSPI(ini, context);
    FillScheduleSI(ini, context);
    FillScheduleIFAndBPA(ini, context);
    FillExemptIncome(ini, context);
    if (context.AssessmentYear <= 2010) FillScheduleAIR(ini, context);
    FillScheduleIT(ini, context);
    FillScheduleTDS1(ini, context);
    FillScheduleTDS2(ini, context);
    FillScheduleTCS(ini, context);
    FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
