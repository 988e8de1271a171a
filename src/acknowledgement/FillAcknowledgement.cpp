#include "acknowledgement/FillAcknowledgement.h"

#include <array>
#include <span>
#include <string>

#include "convert/BoxConversions.h"
#include "convert/Conversions.h"
#include "mapping/Courtesy.h"
#include "mapping/Recognition.h"
#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kPersonal = "Personal";
constexpr std::string_view kTI = "TI";

constexpr When kIndividuals = Forms({1, 2, 3, 4, 45});
constexpr When kFirms = Forms({5, 6, 8});

// Table layout (before 2011-12): address and PAN below the identity block...
constexpr KeyRow kAddressAndPan[] = {
    {"Add1", "ITRForm:Address/ITRForm:ResidenceNo"},
    {"Add2", "ITRForm:Address/ITRForm:ResidenceName"},
    {"Add3", "ITRForm:Address/ITRForm:RoadOrStreet"},
    {"Add4", "ITRForm:Address/ITRForm:LocalityOrArea"},
    {"Pan", "ITRForm:PAN"},
    {"City", "ITRForm:Address/ITRForm:CityOrTownOrDistrict"},
    {"State", "ITRForm:Address/ITRForm:StateCode", Conv::kStateName},
};

// ...and the assessing officer below the filing status.
// clang-format off
constexpr KeyRow kWard[] = {
    {"Ward", "ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, Forms({1, 2, 3, 4})},
    {"Ward", "ITRForm:DesigTaxOfficeInfo/ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, kFirms},
};
// clang-format on
static_assert(!HasOverlappingKeys(kWard));

// The boxed form of 2011-12, below the identity block.
constexpr KeyRow kNames2011[] = {
    {"A1", "ITRForm:AssesseeName/ITRForm:FirstName"},
    {"A2", "ITRForm:AssesseeName/ITRForm:MiddleName"},
    {"A3", "ITRForm:AssesseeName/ITRForm:SurNameOrOrgName"},
};

// The PAN goes to the letter boxes (A4) and, as it stands, to the bar code (Pan).
constexpr KeyRow kIdentity2011[] = {
    {"A4", "ITRForm:PAN", Conv::kSpaceLetters},
    {"Pan", "ITRForm:PAN"},
    {"A5a", "ITRForm:Gender", Conv::kFlag, "M"},
    {"A5b", "ITRForm:Gender", Conv::kFlag, "F"},
    {"A6", "ITRForm:DOB", Conv::kCompactDate, {}, kIndividuals},
    {"A6", "ITRForm:DateOFFormOrIncorp", Conv::kCompactDate, {}, kFirms},
};
static_assert(!HasOverlappingKeys(kIdentity2011));

constexpr KeyRow kWard2011[] = {
    {"A7", "ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, kIndividuals},
    {"A7", "ITRForm:DesigTaxOfficeInfo/ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, kFirms},
};
static_assert(!HasOverlappingKeys(kWard2011));

constexpr KeyRow kAddress2011[] = {
    {"A8", "ITRForm:Address/ITRForm:ResidenceNo"},
    {"A9", "ITRForm:Address/ITRForm:RoadOrStreet"},
    {"A10", "ITRForm:Address/ITRForm:LocalityOrArea"},
    {"A11", "ITRForm:Address/ITRForm:CityOrTownOrDistrict"},
    {"A12", "ITRForm:Address/ITRForm:StateCode", Conv::kStateName},
    {"A13", "ITRForm:Address/ITRForm:PinCode", Conv::kSpaceLetters},
};

// The tick boxes of the form filed (2011-12), in their order on the page.
// clang-format off
constexpr std::array<std::pair<std::string_view, int>, 7> kFormBoxes = {{
    {"Form1", 1}, {"Form2", 2}, {"Form3", 3}, {"Form4", 4}, {"Form4s", 45}, {"Form5", 5}, {"Form6", 6},
}};
// clang-format on

// The return-section codes of the tick boxes A14a to A14f.
constexpr std::array<std::string_view, 6> kSectionCodes = {"11", "12", "13", "14", "15", "16"};

// Where each of the amounts Q1 to Q14 comes from, below the form element (for
// ITR-1 below ITR1FORM:ITR1). A value without source keeps its starting text;
// an `empty` one is the empty text.
struct AmountSource {
    std::string_view path;
    bool empty = false;
};
using AmountSources = std::array<AmountSource, 14>;
constexpr AmountSource kEmpty{{}, true};
constexpr AmountSource kNoSource{};

constexpr AmountSources kItr1Before2010 = {{
    {"ITRForm:IncomeDeductions/ITRForm:GrossTotIncome"},
    {"ITRForm:IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions"},
    {"ITRForm:IncomeDeductions/ITRForm:TotalIncome"},
    kEmpty,
    {"ITRForm:TaxComputation/ITRForm:NetTaxLiability"},
    {"ITRForm:TaxComputation/ITRForm:IntrstPay/ITRForm:TotalIntrstPay"},
    {"ITRForm:TaxComputation/ITRForm:TotTaxPlusIntrstPay"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS"},
    kEmpty,
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid"},
    {"ITRForm:TaxPaid/ITRForm:BalTaxPayable"},
    {"ITRForm:Refund/ITRForm:RefundDue"},
}};

constexpr AmountSources kItr1 = {{
    {"ITRForm:ITR1_IncomeDeductions/ITRForm:GrossTotIncome"},
    {"ITRForm:ITR1_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions"},
    {"ITRForm:ITR1_IncomeDeductions/ITRForm:TotalIncome"},
    kEmpty,
    {"ITRForm:ITR1_TaxComputation/ITRForm:NetTaxLiability"},
    {"ITRForm:ITR1_TaxComputation/ITRForm:TotalIntrstPay"},
    {"ITRForm:ITR1_TaxComputation/ITRForm:TotTaxPlusIntrstPay"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS"},
    kEmpty,
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid"},
    {"ITRForm:TaxPaid/ITRForm:BalTaxPayable"},
    {"ITRForm:Refund/ITRForm:RefundDue"},
}};

constexpr AmountSources kItr4s = {{
    {"ITRForm:ITR4S_IncomeDeductions/ITRForm:GrossTotIncome"},
    {"ITRForm:ITR4S_IncomeDeductions/ITRForm:DeductUndChapVIA/ITRForm:TotalChapVIADeductions"},
    {"ITRForm:ITR4S_IncomeDeductions/ITRForm:TotalIncome"},
    kEmpty,
    {"ITRForm:ITR4S_TaxComputation/ITRForm:NetTaxLiability"},
    {"ITRForm:ITR4S_TaxComputation/ITRForm:TotalIntrstPay"},
    {"ITRForm:ITR4S_TaxComputation/ITRForm:TotTaxPlusIntrstPay"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TCS"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax"},
    {"ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid"},
    {"ITRForm:TaxPaid/ITRForm:BalTaxPayable"},
    {"ITRForm:Refund/ITRForm:RefundDue"},
}};

// ITR-2 to ITR-6: Part B-TI and Part B-TTI. The individuals' forms (ITR-2,
// ITR-3) have no TCS line; the firms and companies' refund element differs.
constexpr AmountSource kTiGross{"ITRForm:PartB-TI/ITRForm:GrossTotalIncome"};
constexpr AmountSource kTiDeductions{"ITRForm:PartB-TI/ITRForm:DeductionsUnderScheduleVIA"};
constexpr AmountSource kTiTotal{"ITRForm:PartB-TI/ITRForm:TotalIncome"};
constexpr AmountSource kTiLoss{"ITRForm:PartB-TI/ITRForm:LossesOfCurrentYearCarriedFwd"};
constexpr AmountSource kTtiNetTax{
    "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:NetTaxLiability"};
constexpr AmountSource kTtiInterest{
    "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:IntrstPay/ITRForm:TotalIntrstPay"};
constexpr AmountSource kTtiAggregate{
    "ITRForm:PartB_TTI/ITRForm:ComputationOfTaxLiability/ITRForm:AggregateTaxInterestLiability"};
constexpr AmountSource kTtiAdvance{
    "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:AdvanceTax"};
constexpr AmountSource kTtiTds{"ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TDS"};
constexpr AmountSource kTtiTcs{"ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TCS"};
constexpr AmountSource kTtiSelfAssessment{
    "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:SelfAssessmentTax"};
constexpr AmountSource kTtiTotalPaid{
    "ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:TaxesPaid/ITRForm:TotalTaxesPaid"};
constexpr AmountSource kTtiPayable{"ITRForm:PartB_TTI/ITRForm:TaxPaid/ITRForm:BalTaxPayable"};
constexpr AmountSource kTtiRefund{"ITRForm:PartB_TTI/ITRForm:Refund/ITRForm:RefundDue"};
constexpr AmountSource kTtiRefunds{"ITRForm:PartB_TTI/ITRForm:RefundsDue"};

constexpr AmountSources kItr2And3 = {{kTiGross, kTiDeductions, kTiTotal, kTiLoss, kTtiNetTax,
                                      kTtiInterest, kTtiAggregate, kTtiAdvance, kTtiTds, kEmpty,
                                      kTtiSelfAssessment, kTtiTotalPaid, kTtiPayable, kTtiRefund}};
constexpr AmountSources kItr4 = {{kTiGross, kTiDeductions, kTiTotal, kTiLoss, kTtiNetTax,
                                  kTtiInterest, kTtiAggregate, kTtiAdvance, kTtiTds, kTtiTcs,
                                  kTtiSelfAssessment, kTtiTotalPaid, kTtiPayable, kTtiRefund}};
constexpr AmountSources kItr5And6 = {{kTiGross, kTiDeductions, kTiTotal, kTiLoss, kTtiNetTax,
                                      kTtiInterest, kTtiAggregate, kTtiAdvance, kTtiTds, kTtiTcs,
                                      kTtiSelfAssessment, kTtiTotalPaid, kTtiPayable, kTtiRefunds}};
constexpr AmountSources kNoAmounts = {{kNoSource, kNoSource, kNoSource, kNoSource, kNoSource,
                                       kNoSource, kNoSource, kNoSource, kNoSource, kNoSource,
                                       kNoSource, kNoSource, kNoSource, kNoSource}};

// The fringe-benefit amounts Q15 to Q23 of ITR-5, ITR-6 and ITR-8.
constexpr std::array<std::string_view, 9> kFringeBenefits = {
    "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:TotValueOfFBT",
    "ITRForm:PartCAnd8B/ITRForm:TotFBTLiability",
    "ITRForm:PartCAnd8B/ITRForm:FBTInterestPayable/ITRForm:TotFBTInterestPayable",
    "ITRForm:PartCAnd8B/ITRForm:AggreFBTLiability",
    "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:AdvanceFBT",
    "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:SelfAssessmentFBT",
    "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:TotalTaxesPaid",
    "ITRForm:PartCAnd8B/ITRForm:BalFBTLiability",
    "ITRForm:PartCAnd8B/ITRForm:RefundFBT",
};

// The TI keys of the table layout, one per amount Q1 to Q23.
constexpr std::array<std::string_view, 23> kTableKeys = {
    "1", "2", "3",  "3a", "4",  "5",  "6",   "7a",  "7b",  "7c", "7d", "7e",
    "8", "9", "10", "11", "12", "13", "14a", "14b", "14c", "15", "16",
};

// The TI keys of 2011-12: which amount each box shows, and whether it is split
// over a sign box.
struct BoxAmount {
    std::string_view key;
    int amount;  // 1 for Q1
    bool signed_amount = false;
};
constexpr BoxAmount kBoxAmounts[] = {
    {"B1", 1, true}, {"B2", 2},   {"B3", 3, true}, {"B4", 4, true}, {"B5", 5},
    {"B6", 6},       {"B7", 7},   {"B8", 8},       {"B9", 11},      {"B10", 9},
    {"B11", 10},     {"B12", 12}, {"B13", 13},     {"B14", 14},
};

using Amounts = std::array<std::string, 23>;

std::string_view StoreName(int assessment_year) {
    if (assessment_year == 2011) return "ACK2011";
    return assessment_year == 2010 ? "ACK2010" : "ACK";
}

bool IsFirm(int form_code) {
    return form_code == 5 || form_code == 6 || form_code == 8;
}

XmlNode FirstGeneralBlock(const ReturnContext& context) {
    if (context.FormCode == 1) return FindChild(context.ReturnRoot, "ITR1FORM:ITR1");
    if (context.FormCode == 45) return FindChild(context.ReturnRoot, "ITR4SFORM:ITR4S");
    return FindChild(context.FormElement(), "ITRForm:PartA_GEN1");
}

const AmountSources& SourcesOf(const ReturnContext& context) {
    switch (context.FormCode) {
        case 1:
            return context.AssessmentYear < 2010 ? kItr1Before2010 : kItr1;
        case 2:
        case 3:
            return kItr2And3;
        case 4:
            return kItr4;
        case 45:
            return kItr4s;
        case 5:
        case 6:
            return kItr5And6;
        default:
            return kNoAmounts;
    }
}

Amounts ReadAmounts(const ReturnContext& context) {
    Amounts amounts;
    amounts.fill(context.AssessmentYear < 2011 ? FloatOrNil(0) : "0");
    const XmlNode base = context.FormCode == 1 ? FindChild(context.ReturnRoot, "ITR1FORM:ITR1")
                                               : context.FormElement();
    const AmountSources& sources = SourcesOf(context);
    for (std::size_t q = 0; q < sources.size(); ++q) {
        if (sources[q].empty) {
            amounts[q].clear();
        } else if (!sources[q].path.empty()) {
            amounts[q] = GetPathValue(base, sources[q].path);
        }
    }
    if (IsFirm(context.FormCode)) {
        for (std::size_t i = 0; i < kFringeBenefits.size(); ++i) {
            amounts[14 + i] = GetPathValue(base, kFringeBenefits[i]);
        }
    }
    return amounts;
}

std::string Name(const ReturnContext& context, XmlNode identity) {
    const XmlNode name = FindChild(identity, "ITRForm:AssesseeName");
    const std::string surname = GetNodeValue(name, "ITRForm:SurNameOrOrgName");
    if (IsFirm(context.FormCode)) return surname;
    return GetNodeValue(name, "ITRForm:FirstName") + " " +
           GetNodeValue(name, "ITRForm:MiddleName") + " " + surname;
}

void WritePersonalTable(TIniControl& ini, const ReturnContext& context, XmlNode identity,
                        XmlNode filing_status) {
    ini.WriteValue(kPersonal, "FormNo", std::to_string(context.FormCode));
    ini.WriteValue(kPersonal, "AsstYear", AssessmentYearText(context.AssessmentYear));
    WriteRows(ini, context, kPersonal, identity, kAddressAndPan);
    WriteRows(ini, context, kPersonal, filing_status, kWard);
    if (context.FormCode != 45) {
        const bool original = GetNodeValue(filing_status, "ITRForm:ReturnType") == "O";
        ini.WriteValue(kPersonal, "FormType", original ? "Original" : "Revised");
    }
    ini.WriteValue(kPersonal, "StatusCode", context.FormCode == 1 ? "01" : "");
}

// The element whose return-section code the tick boxes A14a to A14f show.
// ITR-8 keeps its code in the fringe-benefit section element.
std::string_view ReturnSectionPath(int form_code) {
    if (form_code == 5 || form_code == 6) return "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec";
    if (form_code == 8) return "ITRForm:ReturnFileSec/ITRForm:FBTSec";
    return "ITRForm:ReturnFileSec";
}

void WritePersonal2011(TIniControl& ini, const ReturnContext& context, XmlNode identity,
                       XmlNode filing_status) {
    WriteRows(ini, context, kPersonal, identity, kNames2011);
    for (const auto& [key, form_code] : kFormBoxes) {
        ini.WriteValue(kPersonal, key, context.FormCode == form_code ? "1" : "0");
    }
    WriteRows(ini, context, kPersonal, identity, kIdentity2011);
    WriteRows(ini, context, kPersonal, filing_status, kWard2011);
    WriteRows(ini, context, kPersonal, identity, kAddress2011);
    const std::string section = GetPathValue(filing_status, ReturnSectionPath(context.FormCode));
    char letter = 'a';
    for (const std::string_view code : kSectionCodes) {
        ini.WriteValue(kPersonal, std::string("A14") + letter++, Flag(section, code));
    }
}

void WriteAmountsTable(TIniControl& ini, const Amounts& amounts) {
    for (std::size_t q = 0; q < amounts.size(); ++q) {
        ini.WriteValue(kTI, kTableKeys[q], AmountOrNil(amounts[q]));
    }
}

void WriteAmounts2011(TIniControl& ini, const Amounts& amounts) {
    for (const BoxAmount& box : kBoxAmounts) {
        const std::string& amount = amounts[static_cast<std::size_t>(box.amount - 1)];
        const std::string key(box.key);
        if (!box.signed_amount) {
            ini.WriteValue(kTI, key, SpaceLetters(amount));
            continue;
        }
        const SignSplit split = SplitSign(amount);
        if (split.sign) ini.WriteValue(kTI, key + "a", *split.sign);
        ini.WriteValue(kTI, key + "b", split.letters);
    }
}

}  // namespace

void FillAcknowledgement(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini =
        TIniControl::Create(StoreName(context.AssessmentYear), context.AssessmentYear, settings);
    const XmlNode g1 = FirstGeneralBlock(context);
    ini.WriteValue(kPersonal, "FileNo", "");
    if (g1) {
        const XmlNode identity = FindChild(
            g1, IsFirm(context.FormCode) ? "ITRForm:OrgFirmInfo" : "ITRForm:PersonalInfo");
        const XmlNode filing_status = FindChild(g1, "ITRForm:FilingStatus");
        const bool boxed = context.AssessmentYear == 2011;
        ini.WriteValue(kPersonal, "User", kCourtesyLine);
        ini.WriteValue(kPersonal, "Name", Name(context, identity));
        if (boxed) {
            WritePersonal2011(ini, context, identity, filing_status);
        } else {
            WritePersonalTable(ini, context, identity, filing_status);
        }
        const Amounts amounts = ReadAmounts(context);
        if (boxed) {
            WriteAmounts2011(ini, amounts);
        } else {
            WriteAmountsTable(ini, amounts);
        }
        ini.WriteValue("Other", "FileNo", "N");
        ini.WriteValue("Other", "Last1", "");
        ini.WriteValue("Other", "Last2", "");
    }
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
