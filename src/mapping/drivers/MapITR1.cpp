#include "mapping/drivers/MapITR1.h"

#include "mapping/fill/AirAndExemptIncome.h"
#include "mapping/fill/BoxRowGroups.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/PartAGen.h"
#include "mapping/fill/PersonalBoxes.h"
#include "mapping/fill/TaxPaymentSchedules.h"
#include "mapping/fill/Verification.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// The one-page form of 2011-12 (SAHAJ) after its personal boxes: boxes A14 to
// D19 and the verification, section PART-A-GEN.
// clang-format off
constexpr KeyRow kBoxKeys2011[] = {
    {"A14", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:EmailAddress", Conv::kSpaceLetters},
    {"A15a", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:Phone/ITRForm:STDcode", Conv::kSpaceLetters},
    {"A15b", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:Phone/ITRForm:PhoneNo", Conv::kSpaceLetters},
    {"A16", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:MobileNo", Conv::kSpaceLetters},
    {"A17a", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "GOV"},
    {"A17b", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "PSU"},
    {"A17c", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "OTH"},
    {"A18a", "ITRForm:Refund/ITRForm:RefundDue", Conv::kRefundTest},
    {"A18b", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kRefundTest},
    {"A18c", "ITRForm:Refund/ITRForm:RefundDue", Conv::kNilTest, "ITRForm:TaxPaid/ITRForm:BalTaxPayable"},
    {"A19a", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "RES"},
    {"A19b", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NRI"},
    {"A19c", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NOR"},
    {"A20a", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "11"},
    {"A20b", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "12"},
    {"A20c", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "16"},
    {"A20d", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "13"},
    {"A20e", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "14"},
    {"A20f", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "15"},
    {"A21a", "ITRForm:FilingStatus/ITRForm:ReceiptNo", Conv::kSpaceLetters},
    {"A21b", "ITRForm:FilingStatus/ITRForm:OrigRetFiledDate", Conv::kCompactDate},
    {"B1", "ITRForm:ITR1_IncomeDeductions/ITRForm:IncomeFromSal", Conv::kSpaceLetters},
    {"B2", "ITRForm:ITR1_IncomeDeductions/ITRForm:TotalIncomeOfHP", Conv::kSignSplit},
    {"B3", "ITRForm:ITR1_IncomeDeductions/ITRForm:IncomeOthSrc", Conv::kSignSplit},
    {"B4", "ITRForm:ITR1_IncomeDeductions/ITRForm:GrossTotIncome", Conv::kSignSplit},
    {"C1", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80C", Conv::kSpaceLetters},
    {"C2", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCC", Conv::kSpaceLetters},
    {"C3", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCD", Conv::kSpaceLetters},
    {"C4", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCF", Conv::kSpaceLetters},
    {"C5", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80D", Conv::kSpaceLetters},
    {"C6", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DD", Conv::kSpaceLetters},
    {"C7", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DDB", Conv::kSpaceLetters},
    {"C8", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80E", Conv::kSpaceLetters},
    {"C9", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80G", Conv::kSpaceLetters},
    {"C10", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GG", Conv::kSpaceLetters},
    {"C11", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGA", Conv::kSpaceLetters},
    {"C12", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGC", Conv::kSpaceLetters},
    {"C13", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80U", Conv::kSpaceLetters},
    {"C14", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions", Conv::kSpaceLetters},
    {"C15", "ITRForm:ITR1_IncomeDeductions/ITRForm:TotalIncome", Conv::kSignSplit},
    {"D1", "ITRForm:ITR1_TaxComputation/ITRForm:TotalTaxPayable", Conv::kSpaceLetters},
    {"D2", "ITRForm:ITR1_TaxComputation/ITRForm:EducationCess", Conv::kSpaceLetters},
    {"D3", "ITRForm:ITR1_TaxComputation/ITRForm:GrossTaxLiability", Conv::kSpaceLetters},
    {"D4", "ITRForm:ITR1_TaxComputation/ITRForm:Section89", Conv::kSpaceLetters},
    {"D5", "ITRForm:ITR1_TaxComputation/ITRForm:Section90and91", Conv::kSpaceLetters},
    {"D6", "ITRForm:ITR1_TaxComputation/ITRForm:NetTaxLiability", Conv::kSpaceLetters},
    {"D7", "ITRForm:ITR1_TaxComputation/ITRForm:TotalIntrstPay", Conv::kSpaceLetters},
    {"D8", "ITRForm:ITR1_TaxComputation/ITRForm:TotTaxPlusIntrstPay", Conv::kSpaceLetters},
    {"D9", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", Conv::kSpaceLetters},
    {"D10", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", Conv::kSpaceLetters},
    {"D11", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", Conv::kSpaceLetters},
    {"D12", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", Conv::kSpaceLetters},
    {"D13", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kSpaceLetters},
    {"D14", "ITRForm:Refund/ITRForm:RefundDue", Conv::kSpaceLetters},
    {"D15", "ITRForm:Refund/ITRForm:BankAccountNumber", Conv::kSpaceLetters},
    {"D16", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode", Conv::kSpaceLetters},
    {"D17b", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"D17a", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
    {"D18a", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"D18b", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"D19", "ITR1FORM:TaxExmpIntInc", Conv::kSpaceLetters},
    {"veri_signby", "ITRForm:Verification/ITRForm:Declaration/ITRForm:AssesseeVerName"},
    {"veri_father", "ITRForm:Verification/ITRForm:Declaration/ITRForm:FatherName"},
    {"veri_place", "ITRForm:Verification/ITRForm:Place"},
    {"veri_date", "ITRForm:Verification/ITRForm:Date", Conv::kCompactDate},
};
// clang-format on
static_assert(!HasOverlappingKeys(kBoxKeys2011));

// The box rows of 2011-12: TDS on salary, TDS on other income, tax payments.
constexpr BoxRowGroup kBoxRows2011[] = {
    {"S", "ITRForm:TDSonSalaries", "ITRForm:TDSonSalary", 3, kSalaryTdsBoxes},
    {"T", "ITRForm:TDSonOthThanSals", "ITRForm:TDSonOthThanSal", 4, kOtherTdsBoxes},
    {"R", "ITRForm:TaxPayments", "ITRForm:TaxPayment", 5, kTaxPaymentBoxes},
};

// SARAL-II of 2010-11: items 1 to 22, section PART-B.
// clang-format off
constexpr KeyRow kPartB2010[] = {
    {"id_1", "ITRForm:ITR1_IncomeDeductions/ITRForm:IncomeFromSal", Conv::kAmountOrNil},
    {"id_2", "ITRForm:ITR1_IncomeDeductions/ITRForm:TotalIncomeOfHP", Conv::kAmountOrNil},
    {"id_3", "ITRForm:ITR1_IncomeDeductions/ITRForm:IncomeOthSrc", Conv::kAmountOrNil},
    {"id_4", "ITRForm:ITR1_IncomeDeductions/ITRForm:GrossTotIncome", Conv::kAmountOrNil},
    {"id_5a", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80C", Conv::kAmountOrNil},
    {"id_5b", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCC", Conv::kAmountOrNil},
    {"id_5c", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCD", Conv::kAmountOrNil},
    {"id_5d", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80D", Conv::kAmountOrNil},
    {"id_5e", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DD", Conv::kAmountOrNil},
    {"id_5f", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DDB", Conv::kAmountOrNil},
    {"id_5g", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80E", Conv::kAmountOrNil},
    {"id_5h", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80G", Conv::kAmountOrNil},
    {"id_5i", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GG", Conv::kAmountOrNil},
    {"id_5j", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGA", Conv::kAmountOrNil},
    {"id_5k", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGC", Conv::kAmountOrNil},
    {"id_5l", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80U", Conv::kAmountOrNil},
    {"id_6", "ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions", Conv::kAmountOrNil},
    {"id_7", "ITRForm:ITR1_IncomeDeductions/ITRForm:TotalIncome", Conv::kAmountOrNil},
    {"id_8", "ITRForm:ITR1_TaxComputation/ITRForm:TotalTaxPayable", Conv::kAmountOrNil},
    {"id_9", "ITRForm:ITR1_TaxComputation/ITRForm:EducationCess", Conv::kAmountOrNil},
    {"id_10", "ITRForm:ITR1_TaxComputation/ITRForm:GrossTaxLiability", Conv::kAmountOrNil},
    {"id_11", "ITRForm:ITR1_TaxComputation/ITRForm:Section89", Conv::kAmountOrNil},
    {"id_12", "ITRForm:ITR1_TaxComputation/ITRForm:Section90and91", Conv::kAmountOrNil},
    {"id_13", "ITRForm:ITR1_TaxComputation/ITRForm:NetTaxLiability", Conv::kAmountOrNil},
    {"id_14", "ITRForm:ITR1_TaxComputation/ITRForm:TotalIntrstPay", Conv::kAmountOrNil},
    {"id_15", "ITRForm:ITR1_TaxComputation/ITRForm:TotTaxPlusIntrstPay", Conv::kAmountOrNil},
    {"id_16a", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", Conv::kAmountOrNil},
    {"id_16b", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", Conv::kAmountOrNil},
    {"id_16c", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", Conv::kAmountOrNil},
    {"id_17", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", Conv::kAmountOrNil},
    {"id_18", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kAmountOrNil},
    {"id_19", "ITRForm:Refund/ITRForm:RefundDue", Conv::kAmountOrNil},
    {"id_20", "ITRForm:Refund/ITRForm:BankAccountNumber"},
    {"id_21a", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"id_21b", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"id_22a", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode"},
    {"id_22b1", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"id_22b2", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
};
// clang-format on
static_assert(!HasOverlappingKeys(kPartB2010));

// The form of 2008-09 and 2009-10: items 1 to 20, section PART-B.
// clang-format off
constexpr KeyRow kPartB[] = {
    {"ti_1", "ITRForm:IncomeDeductions/ITRForm:IncomeFromSal", Conv::kAmountOrNil},
    {"ti_2a", "ITRForm:IncomeDeductions/ITRForm:IncomeOthSrc/ITRForm:FamPension", Conv::kAmountOrNil},
    {"ti_2b", "ITRForm:IncomeDeductions/ITRForm:IncomeOthSrc/ITRForm:IndInterest", Conv::kAmountOrNil},
    {"ti_2c", "ITRForm:IncomeDeductions/ITRForm:IncomeOthSrc/ITRForm:IncomeFromOS", Conv::kAmountOrNil},
    {"ti_3", "ITRForm:IncomeDeductions/ITRForm:GrossTotIncome", Conv::kAmountOrNil},
    {"ti_4a", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80C", Conv::kAmountOrNil},
    {"ti_4b", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCC", Conv::kAmountOrNil},
    {"ti_4c", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCD", Conv::kAmountOrNil},
    {"ti_4d", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80D", Conv::kAmountOrNil},
    {"ti_4e", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DD", Conv::kAmountOrNil},
    {"ti_4f", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DDB", Conv::kAmountOrNil},
    {"ti_4g", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80E", Conv::kAmountOrNil},
    {"ti_4h", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80G", Conv::kAmountOrNil},
    {"ti_4i", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GG", Conv::kAmountOrNil},
    {"ti_4j", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGA", Conv::kAmountOrNil},
    {"ti_4k", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGC", Conv::kAmountOrNil},
    {"ti_4l", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80U", Conv::kAmountOrNil},
    {"ti_4m", "ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions", Conv::kAmountOrNil},
    {"ti_5", "ITRForm:IncomeDeductions/ITRForm:TotalIncome", Conv::kAmountOrNil},
    {"ti_6", "ITRForm:IncomeDeductions/ITRForm:NetAgriculturalIncome", Conv::kAmountOrNil},
    {"ti_7", "ITRForm:IncomeDeductions/ITRForm:AggregateIncome", Conv::kAmountOrNil},
    {"ti_8a", "ITRForm:TaxComputation/ITRForm:TaxOnAggregateInc", Conv::kAmountOrNil},
    {"ti_8b", "ITRForm:TaxComputation/ITRForm:RebateOnAgriInc", Conv::kAmountOrNil},
    {"ti_9a", "ITRForm:TaxComputation/ITRForm:TotalTaxPayable", Conv::kAmountOrNil},
    {"ti_9b", "ITRForm:TaxComputation/ITRForm:SurchargeOnTaxPayable", Conv::kAmountOrNil},
    {"ti_9c", "ITRForm:TaxComputation/ITRForm:EducationCess", Conv::kAmountOrNil},
    {"ti_9d", "ITRForm:TaxComputation/ITRForm:GrossTaxLiability", Conv::kAmountOrNil},
    {"ti_10", "ITRForm:TaxComputation/ITRForm:Section89", Conv::kAmountOrNil},
    {"ti_11", "ITRForm:TaxComputation/ITRForm:Section90and91", Conv::kAmountOrNil},
    {"ti_12", "ITRForm:TaxComputation/ITRForm:NetTaxLiability", Conv::kAmountOrNil},
    {"ti_13a", "ITRForm:TaxComputation/ITRForm:IntrstPay/ITRForm:IntrstPayUs234A", Conv::kAmountOrNil},
    {"ti_13b", "ITRForm:TaxComputation/ITRForm:IntrstPay/ITRForm:IntrstPayUs234B", Conv::kAmountOrNil},
    {"ti_13c", "ITRForm:TaxComputation/ITRForm:IntrstPay/ITRForm:IntrstPayUs234C", Conv::kAmountOrNil},
    {"ti_13d", "ITRForm:TaxComputation/ITRForm:IntrstPay/ITRForm:TotalIntrstPay", Conv::kAmountOrNil},
    {"ti_14", "ITRForm:TaxComputation/ITRForm:TotTaxPlusIntrstPay", Conv::kAmountOrNil},
    {"ti_15a", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", Conv::kAmountOrNil},
    {"ti_15b", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", Conv::kAmountOrNil},
    {"ti_15c", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", Conv::kAmountOrNil},
    {"ti_15d", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", Conv::kAmountOrNil},
    {"ti_16", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kAmountOrNil},
    {"ti_17", "ITRForm:Refund/ITRForm:RefundDue", Conv::kAmountOrNil},
    {"ti_18", "ITRForm:Refund/ITRForm:BankAccountNumber"},
    {"ti_19a", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"ti_19b", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"ti_20", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode"},
    {"ti_20a", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"ti_20b", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
};
// clang-format on
static_assert(!HasOverlappingKeys(kPartB));

}  // namespace

void MapITR1(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR1", context.AssessmentYear, settings);
    const XmlNode form = FindChild(context.ReturnRoot, "ITR1FORM:ITR1");
    const int year = context.AssessmentYear;

    if (year >= 2011) {
        WriteRows(ini, context, "PART-A-GEN", form, kPersonalBoxes);
        WriteRows(ini, context, "PART-A-GEN", form, kBoxKeys2011);
        for (const BoxRowGroup& group : kBoxRows2011) {
            WriteBoxRowGroup(ini, "PART-A-GEN", context.FormElement(), group);
        }
    } else {
        const auto part_b = year == 2010 ? std::span<const KeyRow>(kPartB2010) : kPartB;
        WriteRows(ini, context, "PART-B", form, part_b);
        WriteRows(ini, context, "PART-B", form, kVerification);
        FillScheduleAIR(ini, context);
        FillExemptIncome(ini, context);
    }
    FillScheduleTDS1(ini, context);
    FillScheduleTDS2(ini, context);
    FillScheduleIT(ini, context);
    if (year <= 2010) FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
