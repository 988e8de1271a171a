#include "mapping/drivers/PartBTaxComputation.h"

#include "mapping/fill/KeyTable.h"
#include "mapping/fill/Verification.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:PartB_TTI.
// clang-format off
constexpr KeyRow kTaxComputation[] = {
    {"tti_1a", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtNormalRatesOnAggrInc", Conv::kAmountOrNil},
    {"tti_1b", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxAtSpecialRates", Conv::kAmountOrNil},
    {"tti_1c", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxPayableOnTI/ITRForm:TaxPayableOnTotInc", Conv::kAmountOrNil},
    {"tti_2", "ITRForm:ComputationOfTaxLiability/ITRForm:SurchargeOnTaxPayable", Conv::kAmountOrNil},
    {"tti_3", "ITRForm:ComputationOfTaxLiability/ITRForm:EducationCess", Conv::kAmountOrNil},
    {"tti_4", "ITRForm:ComputationOfTaxLiability/ITRForm:GrossTaxLiability", Conv::kAmountOrNil},
    {"tti_5a", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section89", Conv::kAmountOrNil},
    {"tti_5b", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section90", Conv::kAmountOrNil},
    {"tti_5c", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:Section91", Conv::kAmountOrNil},
    {"tti_5d", "ITRForm:ComputationOfTaxLiability/ITRForm:TaxRelief/ITRForm:TotTaxRelief", Conv::kAmountOrNil},
    {"tti_6", "ITRForm:ComputationOfTaxLiability/ITRForm:NetTaxLiability", Conv::kAmountOrNil},
    {"tti_7a", "ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234A", Conv::kAmountOrNil},
    {"tti_7b", "ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234B", Conv::kAmountOrNil},
    {"tti_7c", "ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:IntrstPayUs234C", Conv::kAmountOrNil},
    {"tti_7d", "ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:TotalIntrstPay", Conv::kAmountOrNil},
    {"tti_8", "ITRForm:ComputationOfTaxLiability/ITRForm:AggregateTaxInterestLiability", Conv::kAmountOrNil},
    {"tti_9a", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", Conv::kAmountOrNil},
    {"tti_9b", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", Conv::kAmountOrNil},
    {"tti_9c", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", Conv::kAmountOrNil},
    {"tti_9d", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", Conv::kAmountOrNil},
    {"tti_10", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kAmountOrNil},
    {"tti_11", "ITRForm:Refund/ITRForm:RefundDue", Conv::kAmountOrNil},
    {"tti_12", "ITRForm:Refund/ITRForm:BankAccountNumber", Conv::kAmountOrNil, {}, Forms({2})},
    {"tti_12", "ITRForm:Refund/ITRForm:BankAccountNumber", Conv::kAsIs, {}, Forms({3})},
    {"tti_13a", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"tti_13b", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"tti_14", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode"},
    {"tti_14a", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"tti_14b", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
};
// clang-format on
static_assert(!HasOverlappingKeys(kTaxComputation));

}  // namespace

void WritePartBTaxComputation(TIniControl& ini, const ReturnContext& context) {
    const XmlNode form = context.FormElement();
    WriteRows(ini, context, "PART-B", FindChild(form, "ITRForm:PartB_TTI"), kTaxComputation);
    WriteRows(ini, context, "PART-B", form, kVerification);
}

}  // namespace orvane
