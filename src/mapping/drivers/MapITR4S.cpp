#include "mapping/drivers/MapITR4S.h"

#include "mapping/fill/BoxRowGroups.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/PersonalBoxes.h"
#include "mapping/fill/TaxPaymentSchedules.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-GEN";

// The boxes of the one-page form after its personal boxes (A14 to E10), below
// ITR4SFORM:ITR4S.
// clang-format off
constexpr KeyRow kBoxKeys[] = {
    {"A14a", "ITRForm:PersonalInfo/ITRForm:Status", Conv::kFlag, "I"},
    {"A14b", "ITRForm:PersonalInfo/ITRForm:Status", Conv::kFlag, "H"},
    {"A15", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:EmailAddress", Conv::kSpaceLetters},
    {"A16a", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:Phone/ITRForm:STDcode", Conv::kSpaceLetters},
    {"A16b", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:Phone/ITRForm:PhoneNo", Conv::kSpaceLetters},
    {"A17", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:MobileNo", Conv::kSpaceLetters},
    {"A18a", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "GOV"},
    {"A18b", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "PSU"},
    {"A18c", "ITRForm:PersonalInfo/ITRForm:EmployerCategory", Conv::kFlag, "OTH"},
    {"A19a", "ITRForm:Refund/ITRForm:RefundDue", Conv::kRefundTest},
    {"A19b", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kRefundTest},
    {"A19c", "ITRForm:Refund/ITRForm:RefundDue", Conv::kNilTest, "ITRForm:TaxPaid/ITRForm:BalTaxPayable"},
    {"A20a", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "RES"},
    {"A20b", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NRI"},
    {"A20c", "ITRForm:FilingStatus/ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NOR"},
    {"A21a", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "11"},
    {"A21b", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "12"},
    {"A21c", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "16"},
    {"A21d", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "13"},
    {"A21e", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "14"},
    {"A21f", "ITRForm:FilingStatus/ITRForm:ReturnFileSec", Conv::kFlag, "15"},
    {"A22a", "ITRForm:FilingStatus/ITRForm:ReceiptNo", Conv::kSpaceLetters},
    {"A22b", "ITRForm:FilingStatus/ITRForm:OrigRetFiledDate", Conv::kCompactDate},
    {"B1", "ITRForm:ITR4S_IncomeDeductions/ITRForm:IncomeFromBusinessProf", Conv::kSpaceLetters},
    {"B2", "ITRForm:ITR4S_IncomeDeductions/ITRForm:IncomeFromSal", Conv::kSpaceLetters},
    {"B3", "ITRForm:ITR4S_IncomeDeductions/ITRForm:TotalIncomeOfHP", Conv::kSignSplit},
    {"B4", "ITRForm:ITR4S_IncomeDeductions/ITRForm:IncomeOthSrc", Conv::kSignSplit},
    {"B5", "ITRForm:ITR4S_IncomeDeductions/ITRForm:GrossTotIncome", Conv::kSignSplit},
    {"C1", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80C", Conv::kSpaceLetters},
    {"C2", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCC", Conv::kSpaceLetters},
    {"C3", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCD", Conv::kSpaceLetters},
    {"C4", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80CCF", Conv::kSpaceLetters},
    {"C5", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80D", Conv::kSpaceLetters},
    {"C6", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DD", Conv::kSpaceLetters},
    {"C7", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80DDB", Conv::kSpaceLetters},
    {"C8", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80E", Conv::kSpaceLetters},
    {"C9", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80G", Conv::kSpaceLetters},
    {"C10", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GG", Conv::kSpaceLetters},
    {"C11", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGA", Conv::kSpaceLetters},
    {"C12", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80GGC", Conv::kSpaceLetters},
    {"C13", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:Section80U", Conv::kSpaceLetters},
    {"C14", "ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions", Conv::kSpaceLetters},
    {"C15", "ITRForm:ITR4S_IncomeDeductions/ITRForm:TotalIncome", Conv::kSignSplit},
    {"D1", "ITRForm:ITR4S_TaxComputation/ITRForm:TotalTaxPayable", Conv::kSpaceLetters},
    {"D2", "ITRForm:ITR4S_TaxComputation/ITRForm:EducationCess", Conv::kSpaceLetters},
    {"D3", "ITRForm:ITR4S_TaxComputation/ITRForm:GrossTaxLiability", Conv::kSpaceLetters},
    {"D4", "ITRForm:ITR4S_TaxComputation/ITRForm:Section89", Conv::kSpaceLetters},
    {"D5", "ITRForm:ITR4S_TaxComputation/ITRForm:Section90and91", Conv::kSpaceLetters},
    {"D6", "ITRForm:ITR4S_TaxComputation/ITRForm:NetTaxLiability", Conv::kSpaceLetters},
    {"D7", "ITRForm:ITR4S_TaxComputation/ITRForm:TotalIntrstPay", Conv::kSpaceLetters},
    {"D8", "ITRForm:ITR4S_TaxComputation/ITRForm:TotTaxPlusIntrstPay", Conv::kSpaceLetters},
    {"D9", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax", Conv::kSpaceLetters},
    {"D10", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax", Conv::kSpaceLetters},
    {"D11", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS", Conv::kSpaceLetters},
    {"D12", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TCS", Conv::kSpaceLetters},
    {"D13", "ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid", Conv::kSpaceLetters},
    {"D14", "ITRForm:TaxPaid/ITRForm:BalTaxPayable", Conv::kSpaceLetters},
    {"D15", "ITRForm:Refund/ITRForm:RefundDue", Conv::kSpaceLetters},
    {"D16", "ITRForm:Refund/ITRForm:BankAccountNumber", Conv::kSpaceLetters},
    {"D17", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:MICRCode", Conv::kSpaceLetters},
    {"D18b", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"D18a", "ITRForm:Refund/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
    {"D19a", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"D19b", "ITRForm:Refund/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"D20", "ITR4SFORM:TaxExmpIntInc", Conv::kSpaceLetters},
    {"veri_signby", "ITRForm:Verification/ITRForm:Declaration/ITRForm:AssesseeVerName"},
    {"veri_father", "ITRForm:Verification/ITRForm:Declaration/ITRForm:FatherName"},
    {"veri_place", "ITRForm:Verification/ITRForm:Place"},
    {"veri_date", "ITRForm:Verification/ITRForm:Date", Conv::kCompactDate},
    {"E1", "ITRForm:ScheduleBPForITR4S/ITRForm:PersumptiveInc44AD/ITRForm:GrsTrnOverOrReceipt", Conv::kSpaceLetters},
    {"E2", "ITRForm:ScheduleBPForITR4S/ITRForm:PersumptiveInc44AD/ITRForm:TotPersumptiveInc44AD", Conv::kSpaceLetters},
    {"E3", "ITRForm:ScheduleBPForITR4S/ITRForm:PersumptiveInc44AE/ITRForm:PersumptiveIncHeavyVehicle", Conv::kSpaceLetters},
    {"E4", "ITRForm:ScheduleBPForITR4S/ITRForm:PersumptiveInc44AE/ITRForm:PersumptiveIncOtherVehicle", Conv::kSpaceLetters},
    {"E5", "ITRForm:ScheduleBPForITR4S/ITRForm:PersumptiveInc44AE/ITRForm:TotPersumInc44AE", Conv::kSpaceLetters},
    {"E6", "ITRForm:ScheduleBPForITR4S/ITRForm:IncChargeableUnderBus", Conv::kSpaceLetters},
    {"E7", "ITRForm:ScheduleBPForITR4S/ITRForm:NoBooksOfAccBS/ITRForm:TotSundryDbtAmt", Conv::kSpaceLetters},
    {"E8", "ITRForm:ScheduleBPForITR4S/ITRForm:NoBooksOfAccBS/ITRForm:TotSundryCrdAmt", Conv::kSpaceLetters},
    {"E9", "ITRForm:ScheduleBPForITR4S/ITRForm:NoBooksOfAccBS/ITRForm:TotStkInTradAmt", Conv::kSpaceLetters},
    {"E10", "ITRForm:ScheduleBPForITR4S/ITRForm:NoBooksOfAccBS/ITRForm:CashBalAmt", Conv::kSpaceLetters},
};
// clang-format on
static_assert(!HasOverlappingKeys(kBoxKeys));

// The nature of business: code, and the trade name twice (name and description boxes).
constexpr BoxColumn kBusinessBoxes[] = {
    {"ITRForm:Code", Conv::kSpaceLetters},
    {"ITRForm:Trade/ITRForm:TradeName", Conv::kAsIs},
    {"ITRForm:Trade/ITRForm:TradeName", Conv::kAsIs},
};

// The row groups, in the order they are written: businesses, tax payments,
// collections, TDS on salary, TDS on other income.
constexpr BoxRowGroup kBoxRows[] = {
    {"NOB", "ITRForm:NatOfBus", "ITRForm:Business", 0, kBusinessBoxes},
    {"R", "ITRForm:ScheduleIT", "ITRForm:TaxPayment", 5, kTaxPaymentBoxes},
    {"U", "ITRForm:ScheduleTCS", "ITRForm:TCS", 3, kCollectionBoxes},
    {"S", "ITRForm:TDSonSalaries", "ITRForm:TDSonSalary", 3, kSalaryTdsBoxes},
    {"T", "ITRForm:TDSonOthThanSals", "ITRForm:TDSonOthThanSal", 4, kOtherTdsBoxes},
};

}  // namespace

void MapITR4S(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR4S", context.AssessmentYear, settings);
    const XmlNode form = FindChild(context.ReturnRoot, "ITR4SFORM:ITR4S");
    WriteRows(ini, context, kSection, form, kPersonalBoxes);
    WriteRows(ini, context, kSection, form, kBoxKeys);
    for (const BoxRowGroup& group : kBoxRows) {
        WriteBoxRowGroup(ini, kSection, context.FormElement(), group);
    }
    FillScheduleIT(ini, context);
    FillScheduleTCS(ini, context);
    FillScheduleTDS1(ini, context);
    FillScheduleTDS2(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
