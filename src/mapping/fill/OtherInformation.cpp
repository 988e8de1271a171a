#include "mapping/fill/OtherInformation.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-OI";
constexpr Conv kAmount = Conv::kAmountOrNil;

// ITR-4 spells a few disallowance elements differently from ITR-5 and ITR-6;
// any form code but 5 and 6 reads the ITR-4 spelling.
constexpr When kItr5And6Spelling = Forms({5, 6});
constexpr When kItr4Spelling{.forms = static_cast<std::uint16_t>(~(FormBit(5) | FormBit(6)))};

// Items 5 to 15, below ITRForm:PARTA_OI. Item 8(A)b carries the securities
// transaction tax as the return holds it, like its neighbours.
// clang-format off
constexpr KeyRow kAmounts[] = {
    {"oi5a", "ITRForm:NoCredToPLAmt/ITRForm:Section28Items", kAmount},
    {"oi5b", "ITRForm:NoCredToPLAmt/ITRForm:ProformaCreditsDue", kAmount},
    {"oi5c", "ITRForm:NoCredToPLAmt/ITRForm:PrevYrEscalClaim", kAmount},
    {"oi5d", "ITRForm:NoCredToPLAmt/ITRForm:OthItemInc", kAmount},
    {"oi5e", "ITRForm:NoCredToPLAmt/ITRForm:CapReceipt", kAmount},
    {"oi5f", "ITRForm:NoCredToPLAmt/ITRForm:TotNoCredToPLAmt", kAmount},
    {"oi6a", "ITRForm:AmtDisallUs36/ITRForm:StkInsurPrem", kAmount},
    {"oi6b", "ITRForm:AmtDisallUs36/ITRForm:EmpHealthInsurPrem", kAmount},
    {"oi6c", "ITRForm:AmtDisallUs36/ITRForm:EmpBonusCommSum", kAmount},
    {"oi6d", "ITRForm:AmtDisallUs36/ITRForm:IntOnBorrCap", kAmount},
    {"oi6e", "ITRForm:AmtDisallUs36/ITRForm:ZeroCoupBondDisc", kAmount},
    {"oi6f", "ITRForm:AmtDisallUs36/ITRForm:RecogPFContribAmt", kAmount},
    {"oi6g", "ITRForm:AmtDisallUs36/ITRForm:AppSuperAnnFundAmt", kAmount},
    {"oi6h", "ITRForm:AmtDisallUs36/ITRForm:AppGratFundAmt", kAmount},
    {"oi6i", "ITRForm:AmtDisallUs36/ITRForm:OthFundAmt", kAmount},
    {"oi6j", "ITRForm:AmtDisallUs36/ITRForm:BadDebtDoubtAmt", kAmount},
    {"oi6k", "ITRForm:AmtDisallUs36/ITRForm:BadDebtDoubtProvn", kAmount},
    {"oi6l", "ITRForm:AmtDisallUs36/ITRForm:SpecResrvTranfr", kAmount},
    {"oi6m", "ITRForm:AmtDisallUs36/ITRForm:FamPlanPromoExp", kAmount},
    {"oi6n", "ITRForm:AmtDisallUs36/ITRForm:EmpContributionCredits", kAmount},
    {"oi6o", "ITRForm:AmtDisallUs36/ITRForm:OthDisallowances", kAmount, {}, kItr4Spelling},
    {"oi6o", "ITRForm:AmtDisallUs36/ITRForm:AnyOthDisallowance", kAmount, {}, kItr5And6Spelling},
    {"oi6p", "ITRForm:AmtDisallUs36/ITRForm:TotAmtDisallUs36", kAmount},
    {"oi7a", "ITRForm:AmtDisallUs37/ITRForm:PersonalExp", kAmount},
    {"oi7b", "ITRForm:AmtDisallUs37/ITRForm:PoliticPartyExp", kAmount},
    {"oi7c", "ITRForm:AmtDisallUs37/ITRForm:LawVoilatPenalExp", kAmount},
    {"oi7d", "ITRForm:AmtDisallUs37/ITRForm:OthPenalFineExp", kAmount},
    {"oi7e", "ITRForm:AmtDisallUs37/ITRForm:OffenceExp", kAmount},
    {"oi7f", "ITRForm:AmtDisallUs37/ITRForm:ContigentLiability", kAmount},
    {"oi7g", "ITRForm:AmtDisallUs37/ITRForm:AmtNotPartTotInc", kAmount},
    {"oi7h", "ITRForm:AmtDisallUs37/ITRForm:OthAmtNotAllowUs37", kAmount},
    {"oi7i", "ITRForm:AmtDisallUs37/ITRForm:TotAmtDisallUs37", kAmount},
    {"oi8Aa", "ITRForm:AmtDisallUs40/ITRForm:NonCompChapXVIIBAmt", kAmount},
    {"oi8Ab", "ITRForm:AmtDisallUs40/ITRForm:STTAmt", kAmount},
    {"oi8Ac", "ITRForm:AmtDisallUs40/ITRForm:FBTAmt", kAmount},
    {"oi8Ad", "ITRForm:AmtDisallUs40/ITRForm:TaxAmtOnProfits", kAmount},
    {"oi8Ae", "ITRForm:AmtDisallUs40/ITRForm:WTAmt", kAmount},
    {"oi8Af", "ITRForm:AmtDisallUs40/ITRForm:IntSalBonPartner", kAmount},
    {"oi8Ag", "ITRForm:AmtDisallUs40/ITRForm:OthDisallow", kAmount, {}, kItr4Spelling},
    {"oi8Ag", "ITRForm:AmtDisallUs40/ITRForm:AnyOthDisallowance", kAmount, {}, kItr5And6Spelling},
    {"oi8Ah", "ITRForm:AmtDisallUs40/ITRForm:TotAmtDisallUs40", kAmount},
    {"oi8B", "ITRForm:AmtDisallUs40/ITRForm:AmtDisallUs40PyNowAll", kAmount, {}, kItr4Spelling},
    {"oi8B", "ITRForm:AmtDisallUs40/ITRForm:AnyAmtOfSec40AllowPrevYr", kAmount, {}, kItr5And6Spelling},
    {"oi9a", "ITRForm:AmtDisallUs40A/ITRForm:AmtPaidUs40A2b", kAmount},
    {"oi9b", "ITRForm:AmtDisallUs40A/ITRForm:AmtGT20kCash", kAmount},
    {"oi9c", "ITRForm:AmtDisallUs40A/ITRForm:ProvPmtGrat", kAmount},
    {"oi9d", "ITRForm:AmtDisallUs40A/ITRForm:ContToSetupTrust", kAmount},
    {"oi9e", "ITRForm:AmtDisallUs40A/ITRForm:OthDisallow", kAmount, {}, kItr4Spelling},
    {"oi9e", "ITRForm:AmtDisallUs40A/ITRForm:AnyOthDisallowance", kAmount, {}, kItr5And6Spelling},
    {"oi9f", "ITRForm:AmtDisallUs40A/ITRForm:TotAmtDisallUs40A", kAmount},
    {"oi10a", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:TaxDutyCesAmt", kAmount},
    {"oi10b", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:ContToEmpPFSFGF", kAmount},
    {"oi10c", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:EmpBonusComm", kAmount},
    {"oi10d", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:IntPayaleToFI", kAmount},
    {"oi10e", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:IntPayaleToFISchBank", kAmount},
    {"oi10f", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:LeaveEncashPayable", kAmount},
    {"oi10g", "ITRForm:AmtDisallUs43BPyNowAll/ITRForm:AmtUs43B/ITRForm:TotAmtUs43b", kAmount},
    {"oi11a", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:TaxDutyCesAmt", kAmount},
    {"oi11b", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:ContToEmpPFSFGF", kAmount},
    {"oi11c", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:EmpBonusComm", kAmount},
    {"oi11d", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:IntPayaleToFI", kAmount},
    {"oi11e", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:IntPayaleToFISchBank", kAmount},
    {"oi11f", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:LeaveEncashPayable", kAmount},
    {"oi11g", "ITRForm:AmtDisall43B/ITRForm:AmtUs43B/ITRForm:TotAmtUs43b", kAmount},
    {"oi12a", "ITRForm:AmtExciseCustomsVATOutstanding/ITRForm:ExciseCustomsVAT/ITRForm:UnionExciseDuty", kAmount},
    {"oi12b", "ITRForm:AmtExciseCustomsVATOutstanding/ITRForm:ExciseCustomsVAT/ITRForm:ServiceTax", kAmount},
    {"oi12c", "ITRForm:AmtExciseCustomsVATOutstanding/ITRForm:ExciseCustomsVAT/ITRForm:VATorSaleTax", kAmount},
    {"oi12d", "ITRForm:AmtExciseCustomsVATOutstanding/ITRForm:ExciseCustomsVAT/ITRForm:OthDutyTaxCess", kAmount},
    {"oi12e", "ITRForm:AmtExciseCustomsVATOutstanding/ITRForm:ExciseCustomsVAT/ITRForm:TotExciseCustomsVAT", kAmount},
    {"oi13", "ITRForm:DeemedProfUs33ABs", kAmount},
    {"oi14", "ITRForm:ProfTaxAmtUs41", kAmount},
    {"oi15", "ITRForm:PriorAmtIncCrDrPL", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kAmounts));

// Item 1: "1" mercantile, "2" cash, "0" anything else.
std::string MethodOfAccounting(std::string_view method) {
    if (method == "MERC") return "1";
    if (method == "CASH") return "2";
    return "0";
}

std::string YesOrNo(std::string_view flag) {
    return flag == "Y" ? "Yes" : "No";
}

}  // namespace

void FillPartAOI(TIniControl& ini, const ReturnContext& context) {
    const XmlNode info = FindChild(context.FormElement(), "ITRForm:PARTA_OI");
    if (!info) return;
    const auto value = [&](std::string_view path) { return GetPathValue(info, path); };
    ini.WriteValue(kSection, "oi1", MethodOfAccounting(value("ITRForm:MethodOfAcct")));
    ini.WriteValue(kSection, "oi2", YesOrNo(value("ITRForm:ChangeInAcctMethFlg")));
    ini.WriteValue(kSection, "oi3", value("ITRForm:ProfDeviatDueAcctMeth"));
    ini.WriteValue(kSection, "oi4a", value("ITRForm:MethodOfValClgStk/ITRForm:ValRawMaterial"));
    ini.WriteValue(kSection, "oi4b", value("ITRForm:MethodOfValClgStk/ITRForm:ValFinishedGoods"));
    ini.WriteValue(kSection, "oi4c",
                   YesOrNo(value("ITRForm:MethodOfValClgStk/ITRForm:ChngStockValMetFlg")));
    ini.WriteValue(kSection, "oi4d", value("ITRForm:MethodOfValClgStk/ITRForm:EffectOnPL"));
    WriteRows(ini, context, kSection, info, kAmounts);
}

}  // namespace orvane
