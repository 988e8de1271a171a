#include "mapping/fill/ProfitAndLoss.h"

#include <span>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-PNL";
constexpr Conv kAmount = Conv::kAmountOrNil;
constexpr When kItr4 = Forms({4});
constexpr When kFirmsAndCompanies = Forms({5, 6});

// Credits to the account, the same for the three forms (below ITRForm:CreditsToPL).
// clang-format off
constexpr KeyRow kCredits[] = {
    {"pl1", "ITRForm:BusinessReceipts", kAmount},
    {"pl2a", "ITRForm:ExciseCustomsVAT/ITRForm:UnionExciseDuty", kAmount},
    {"pl2b", "ITRForm:ExciseCustomsVAT/ITRForm:ServiceTax", kAmount},
    {"pl2c", "ITRForm:ExciseCustomsVAT/ITRForm:VATorSaleTax", kAmount},
    {"pl2d", "ITRForm:ExciseCustomsVAT/ITRForm:OthDutyTaxCess", kAmount},
    {"pl2e", "ITRForm:ExciseCustomsVAT/ITRForm:TotExciseCustomsVAT", kAmount},
    {"pl3a", "ITRForm:OthIncome/ITRForm:RentInc", kAmount},
    {"pl3b", "ITRForm:OthIncome/ITRForm:Comissions", kAmount},
    {"pl3c", "ITRForm:OthIncome/ITRForm:Dividends", kAmount},
    {"pl3d", "ITRForm:OthIncome/ITRForm:InterestInc", kAmount},
    {"pl3e", "ITRForm:OthIncome/ITRForm:ProfitOnSaleFixedAsset", kAmount},
    {"pl3f", "ITRForm:OthIncome/ITRForm:ProfitOnInvChrSTT", kAmount},
    {"pl3g", "ITRForm:OthIncome/ITRForm:ProfitOnOthInv", kAmount},
    {"pl3h", "ITRForm:OthIncome/ITRForm:ProfitOnCurrFluct", kAmount},
    {"pl3i", "ITRForm:OthIncome/ITRForm:ProfitOnAgriIncome", kAmount},
    {"pl3j", "ITRForm:OthIncome/ITRForm:MiscOthIncome", kAmount},
    {"pl3k", "ITRForm:OthIncome/ITRForm:TotOthIncome", kAmount},
    {"pl4", "ITRForm:ClosingStock", kAmount},
    {"pl5", "ITRForm:TotCreditsToPL", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kCredits));

// Debits to the account. ITR-5 and ITR-6 add the fringe benefit tax to the
// employees' compensation (pl15k), which moves its total to pl15l.
// clang-format off
constexpr KeyRow kDebits[] = {
    {"pl6", "ITRForm:OpeningStock", kAmount},
    {"pl7", "ITRForm:Purchases", kAmount},
    {"pl8a", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:CustomDuty", kAmount},
    {"pl8b", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:CounterVailDuty", kAmount},
    {"pl8c", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:SplAddDuty", kAmount},
    {"pl8d", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:UnionExciseDuty", kAmount},
    {"pl8e", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:ServiceTax", kAmount},
    {"pl8f", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:VATorSaleTax", kAmount},
    {"pl8g", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:OthDutyTaxCess", kAmount},
    {"pl8h", "ITRForm:DutyTaxPay/ITRForm:ExciseCustomsVAT/ITRForm:TotExciseCustomsVAT", kAmount},
    {"pl9", "ITRForm:Freight", kAmount},
    {"pl10", "ITRForm:ConsumptionOfStores", kAmount},
    {"pl11", "ITRForm:PowerFuel", kAmount},
    {"pl12", "ITRForm:RentExpdr", kAmount},
    {"pl13", "ITRForm:RepairsBldg", kAmount},
    {"pl14", "ITRForm:RepairMach", kAmount},
    {"pl15a", "ITRForm:EmployeeComp/ITRForm:SalsWages", kAmount},
    {"pl15b", "ITRForm:EmployeeComp/ITRForm:Bonus", kAmount},
    {"pl15c", "ITRForm:EmployeeComp/ITRForm:MedExpReimb", kAmount},
    {"pl15d", "ITRForm:EmployeeComp/ITRForm:LeaveEncash", kAmount},
    {"pl15e", "ITRForm:EmployeeComp/ITRForm:LeaveTravelBenft", kAmount},
    {"pl15f", "ITRForm:EmployeeComp/ITRForm:ContToSuperAnnFund", kAmount},
    {"pl15g", "ITRForm:EmployeeComp/ITRForm:ContToPF", kAmount},
    {"pl15h", "ITRForm:EmployeeComp/ITRForm:ContToGratFund", kAmount},
    {"pl15i", "ITRForm:EmployeeComp/ITRForm:ContToOthFund", kAmount},
    {"pl15j", "ITRForm:EmployeeComp/ITRForm:OthEmpBenftExpdr", kAmount},
    {"pl15k", "ITRForm:EmployeeComp/ITRForm:TotEmployeeComp", kAmount, {}, kItr4},
    {"pl15k", "ITRForm:EmployeeComp/ITRForm:FBTPay", kAmount, {}, kFirmsAndCompanies},
    {"pl15l", "ITRForm:EmployeeComp/ITRForm:TotEmployeeComp", kAmount, {}, kFirmsAndCompanies},
    {"pl16a", "ITRForm:Insurances/ITRForm:MedInsur", kAmount},
    {"pl16b", "ITRForm:Insurances/ITRForm:LifeInsur", kAmount},
    {"pl16c", "ITRForm:Insurances/ITRForm:KeyManInsur", kAmount},
    {"pl16d", "ITRForm:Insurances/ITRForm:OthInsur", kAmount},
    {"pl16e", "ITRForm:Insurances/ITRForm:TotInsurances", kAmount},
    {"pl17", "ITRForm:StaffWelfareExp", kAmount},
    {"pl18", "ITRForm:Entertainment", kAmount},
    {"pl19", "ITRForm:Hospitality", kAmount},
    {"pl20", "ITRForm:Conference", kAmount},
    {"pl21", "ITRForm:SalePromoExp", kAmount},
    {"pl22", "ITRForm:Advertisement", kAmount},
    {"pl23", "ITRForm:CommissionExpdr", kAmount},
    {"pl24", "ITRForm:HotelBoardLodge", kAmount},
    {"pl25", "ITRForm:TravelExp", kAmount},
    {"pl26", "ITRForm:ConveyanceExp", kAmount},
    {"pl27", "ITRForm:TelephoneExp", kAmount},
    {"pl28", "ITRForm:GuestHouseExp", kAmount},
    {"pl29", "ITRForm:ClubExp", kAmount},
    {"pl30", "ITRForm:FestivalCelebExp", kAmount},
    {"pl31", "ITRForm:Scholarship", kAmount},
    {"pl32", "ITRForm:Gift", kAmount},
    {"pl33", "ITRForm:Donation", kAmount},
    {"pl34a", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:UnionExciseDuty", kAmount},
    {"pl34b", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:ServiceTax", kAmount},
    {"pl34c", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:VATorSaleTax", kAmount},
    {"pl34d", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:OthDutyTaxCess", kAmount},
    {"pl34e", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:Cess", kAmount},
    {"pl34f", "ITRForm:RatesTaxesPays/ITRForm:ExciseCustomsVAT/ITRForm:TotExciseCustomsVAT", kAmount},
    {"pl35", "ITRForm:AuditFee", kAmount},
    {"pl36", "ITRForm:OtherExpenses", kAmount},
    {"pl37", "ITRForm:BadDebt", kAmount},
    {"pl38", "ITRForm:ProvForBadDoubtDebt", kAmount},
    {"pl39", "ITRForm:OthProvisionsExpdr", kAmount},
    {"pl40", "ITRForm:PBIDTA", kAmount},
    {"pl41", "ITRForm:InterestExpdr", kAmount},
    {"pl42", "ITRForm:DepreciationAmort", kAmount},
    {"pl43", "ITRForm:PBT", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kDebits));

// Provisions and appropriations of ITR-4, ending with the proprietor's account.
// clang-format off
constexpr KeyRow kProprietorAppropriations[] = {
    {"pl44", "ITRForm:ProvForCurrTax", kAmount},
    {"pl45", "ITRForm:ProvDefTax", kAmount},
    {"pl46", "ITRForm:ProfitAfterTax", kAmount},
    {"pl47", "ITRForm:BalBFPrevYr", kAmount},
    {"pl48", "ITRForm:AmtAvlAppr", kAmount},
    {"pl49", "ITRForm:TrfToReserves", kAmount},
    {"pl50", "ITRForm:ProprietorAccBalTrf", kAmount},
};
// clang-format on

// Provisions and appropriations of ITR-5, ending with the partners' account.
// clang-format off
constexpr KeyRow kPartnerAppropriations[] = {
    {"pl44", "ITRForm:ProvForCurrTax", kAmount},
    {"pl45", "ITRForm:ProvFBT", kAmount},
    {"pl46", "ITRForm:ProvDefTax", kAmount},
    {"pl47", "ITRForm:ProfitAfterTax", kAmount},
    {"pl48", "ITRForm:BalBFPrevYr", kAmount},
    {"pl49", "ITRForm:AmtAvlAppr", kAmount},
    {"pl50", "ITRForm:TrfToReserves", kAmount},
    {"pl51", "ITRForm:PartnerAccBalTrf", kAmount},
};
// clang-format on

// Provisions and appropriations of ITR-6: dividends and the balance carried
// to the balance sheet.
// clang-format off
constexpr KeyRow kCompanyAppropriations[] = {
    {"pl44", "ITRForm:ProvForCurrTax", kAmount},
    {"pl45", "ITRForm:ProvFBT", kAmount},
    {"pl46", "ITRForm:ProvDefTax", kAmount},
    {"pl47", "ITRForm:ProfitAfterTax", kAmount},
    {"pl48", "ITRForm:BalBFPrevYr", kAmount},
    {"pl49", "ITRForm:AmtAvlAppr", kAmount},
    {"pl50a", "ITRForm:Appropriations/ITRForm:TrfToReserves", kAmount},
    {"pl50b", "ITRForm:Appropriations/ITRForm:ProposedDividend", kAmount},
    {"pl50c", "ITRForm:Appropriations/ITRForm:TaxOnDividend", kAmount},
    {"pl50d", "ITRForm:Appropriations/ITRForm:AnyOtherAppr", kAmount},
    {"pl50e", "ITRForm:Appropriations/ITRForm:TotAppropriations", kAmount},
    {"pl51", "ITRForm:BalToBalSheet", kAmount},
};
// clang-format on

// Accounts without books (below ITRForm:NoBooksOfAccPL): lines 51 of ITR-4, 52 of ITR-5.
// clang-format off
constexpr KeyRow kNoBooks[] = {
    {"pl51a", "ITRForm:GrossReceipt", kAmount, {}, kItr4},
    {"pl51b", "ITRForm:GrossProfit", kAmount, {}, kItr4},
    {"pl51c", "ITRForm:Expenses", kAmount, {}, kItr4},
    {"pl51d", "ITRForm:NetProfit", kAmount, {}, kItr4},
    {"pl52a", "ITRForm:GrossReceipt", kAmount, {}, Forms({5})},
    {"pl52b", "ITRForm:GrossProfit", kAmount, {}, Forms({5})},
    {"pl52c", "ITRForm:Expenses", kAmount, {}, Forms({5})},
    {"pl52d", "ITRForm:NetProfit", kAmount, {}, Forms({5})},
};
// clang-format on

// Where each form keeps the groups of its account, below the account element.
struct AccountLayout {
    std::string_view element;
    std::string_view debits;
    std::string_view appropriations;
    std::span<const KeyRow> appropriation_rows;
};

constexpr AccountLayout kProprietorAccount{"ITRForm:PARTA_PL", "ITRForm:DebitsToPL",
                                           "ITRForm:TaxProvAppr", kProprietorAppropriations};
constexpr AccountLayout kFirmAccount{"ITRForm:PARTA_PL", "ITRForm:DebitsToPL/ITRForm:DebitPlAcnt",
                                     "ITRForm:DebitsToPL/ITRForm:TaxProvAppr",
                                     kPartnerAppropriations};
constexpr AccountLayout kCompanyAccount{
    "ITRForm:PARTA_PLFor6", "ITRForm:DebitsToPLFor6/ITRForm:DebitPlAcnt",
    "ITRForm:DebitsToPLFor6/ITRForm:TaxProvApprFor6", kCompanyAppropriations};

}  // namespace

void FillProfitAndLoss(TIniControl& ini, const ReturnContext& context) {
    const int form = context.FormCode;
    const AccountLayout& layout = form == 6   ? kCompanyAccount
                                  : form == 5 ? kFirmAccount
                                              : kProprietorAccount;
    const XmlNode account = FindChild(context.FormElement(), layout.element);
    if (!account || (form != 4 && form != 5 && form != 6)) return;
    WriteRows(ini, context, kSection, FindChild(account, "ITRForm:CreditsToPL"), kCredits);
    WriteRows(ini, context, kSection, FindPath(account, layout.debits), kDebits);
    WriteRows(ini, context, kSection, FindPath(account, layout.appropriations),
              layout.appropriation_rows);
    WriteRows(ini, context, kSection, FindChild(account, "ITRForm:NoBooksOfAccPL"), kNoBooks);
}

}  // namespace orvane
