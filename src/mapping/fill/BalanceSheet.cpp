#include "mapping/fill/BalanceSheet.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-BS";
constexpr Conv kAmount = Conv::kAmountOrNil;
constexpr When kItr4 = Forms({4});
constexpr When kItr5 = Forms({5});

// ITR-4 and ITR-5, below ITRForm:PARTA_BS. The proprietor's fund of ITR-4 is
// the partners' or members' fund of ITR-5; ITR-5 adds a provision for fringe
// benefit tax (aof_3diib), which moves the later provisions down one letter.
// clang-format off
constexpr KeyRow kProprietorOrFirm[] = {
    {"sof_1a", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:PropCap", kAmount, {}, kItr4},
    {"sof_1a", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:PartnerOrMemberCap", kAmount, {}, kItr5},
    {"sof_1bi", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:ResrNSurp/ITRForm:RevResr", kAmount, {}, kItr4},
    {"sof_1bi", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:ResrNSurp/ITRForm:RevResr", kAmount, {}, kItr5},
    {"sof_1bii", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:ResrNSurp/ITRForm:CapResr", kAmount, {}, kItr4},
    {"sof_1bii", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:ResrNSurp/ITRForm:CapResr", kAmount, {}, kItr5},
    {"sof_1biii", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:ResrNSurp/ITRForm:StatResr", kAmount, {}, kItr4},
    {"sof_1biii", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:ResrNSurp/ITRForm:StatResr", kAmount, {}, kItr5},
    {"sof_1biv", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:ResrNSurp/ITRForm:OthResr", kAmount, {}, kItr4},
    {"sof_1biv", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:ResrNSurp/ITRForm:OthResr", kAmount, {}, kItr5},
    {"sof_1bv", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:ResrNSurp/ITRForm:TotResrNSurp", kAmount, {}, kItr4},
    {"sof_1bv", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:ResrNSurp/ITRForm:TotResrNSurp", kAmount, {}, kItr5},
    {"sof_1c", "ITRForm:FundSrc/ITRForm:PropFund/ITRForm:TotPropFund", kAmount, {}, kItr4},
    {"sof_1c", "ITRForm:FundSrc/ITRForm:PartnerOrMemberFund/ITRForm:TotPartnerOrMemberFund", kAmount, {}, kItr5},
    {"sof_2ai", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:ForeignCurrLoan", kAmount},
    {"sof_2aiia", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:FrmBank", kAmount},
    {"sof_2aiib", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:FrmOthrs", kAmount},
    {"sof_2aiic", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:TotRupeeLoan", kAmount},
    {"sof_2aiii", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:TotSecrLoan", kAmount},
    {"sof_2ba", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:FrmBank", kAmount},
    {"sof_2bb", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:FrmOthrs", kAmount},
    {"sof_2bc", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:TotUnSecrLoan", kAmount},
    {"sof_2c", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:TotLoanFund", kAmount},
    {"sof_3", "ITRForm:FundSrc/ITRForm:DeferredTax", kAmount},
    {"sof_4", "ITRForm:FundSrc/ITRForm:TotFundSrc", kAmount},
    {"aof_1a", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:GrossBlock", kAmount},
    {"aof_1b", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:Depreciation", kAmount},
    {"aof_1c", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:NetBlock", kAmount},
    {"aof_1d", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:CapWrkProg", kAmount},
    {"aof_1e", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:TotFixedAsset", kAmount},
    {"aof_2aai", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:GovtOthSecQuoted", kAmount},
    {"aof_2aaii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:GovOthSecUnQoted", kAmount},
    {"aof_2aaiii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:TotLongTermInv", kAmount},
    {"aof_2bbi", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:EquityShares", kAmount},
    {"aof_2bbii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:PreferShares", kAmount},
    {"aof_2bbiii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:Debenture", kAmount},
    {"aof_2bbiv", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:TotTradeInv", kAmount},
    {"aof_2c", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TotInvestments", kAmount},
    {"aof_3aia", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:StoresConsumables", kAmount},
    {"aof_3aib", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:RawMatl", kAmount},
    {"aof_3aic", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:StkInProcess", kAmount},
    {"aof_3aid", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:FinOrTradGood", kAmount},
    {"aof_3aie", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:TotInventries", kAmount},
    {"aof_3aii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:SndryDebtors", kAmount, {}, kItr4},
    {"aof_3aii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:SundryDebtors", kAmount, {}, kItr5},
    {"aof_3aiiia", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:CashinHand", kAmount},
    {"aof_3aiiib", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:BankBal", kAmount},
    {"aof_3aiiic", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:TotCashOrBankBal", kAmount},
    {"aof_3aaiv", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:OthCurrAsset", kAmount},
    {"aof_3aav", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:TotCurrAsset", kAmount},
    {"aof_3bbi", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:AdvRecoverable", kAmount},
    {"aof_3bbii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:Deposits", kAmount},
    {"aof_3bbiii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:BalWithRevAuth", kAmount},
    {"aof_3bbiv", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:TotLoanAdv", kAmount},
    {"aof_3c", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:TotCurrAssetLoanAdv", kAmount},
    {"aof_3dia", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:SundryCred", kAmount},
    {"aof_3dib", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:LiabForLeasedAsset", kAmount},
    {"aof_3dic", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:AccrIntonLeasedAsset", kAmount},
    {"aof_3did", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:AccrIntNotDue", kAmount},
    {"aof_3die", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:TotCurrLiabilities", kAmount},
    {"aof_3diia", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ITProvision", kAmount},
    {"aof_3diib", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:WTProvision", kAmount, {}, kItr4},
    {"aof_3diib", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:FBTProvision", kAmount, {}, kItr5},
    {"aof_3diic", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ELSuperAnnGratProvision", kAmount, {}, kItr4},
    {"aof_3diic", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:WTProvision", kAmount, {}, kItr5},
    {"aof_3diid", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:OthProvision", kAmount, {}, kItr4},
    {"aof_3diid", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ELSuperAnnGratProvision", kAmount, {}, kItr5},
    {"aof_3diie", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:TotProvisions", kAmount, {}, kItr4},
    {"aof_3diie", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:OthProvision", kAmount, {}, kItr5},
    {"aof_3diif", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:TotProvisions", kAmount, {}, kItr5},
    {"aof_3ddiii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:TotCurrLiabilitiesProvision", kAmount},
    {"aof_3e", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:NetCurrAsset", kAmount},
    {"aof_4a", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:MiscExpndr", kAmount},
    {"aof_4b", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:DefTaxAsset", kAmount},
    {"aof_4c", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:AccumaltedLosses", kAmount, {}, kItr4},
    {"aof_4c", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:AccumultedLosses", kAmount, {}, kItr5},
    {"aof_4d", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:TotMiscAdjust", kAmount},
    {"aof_5", "ITRForm:FundApply/ITRForm:TotFundApply", kAmount},
    {"aof_6a", "ITRForm:NoBooksOfAccBS/ITRForm:TotSundryDbtAmt", kAmount},
    {"aof_6b", "ITRForm:NoBooksOfAccBS/ITRForm:TotSundryCrdAmt", kAmount},
    {"aof_6c", "ITRForm:NoBooksOfAccBS/ITRForm:TotStkInTradAmt", kAmount},
    {"aof_6d", "ITRForm:NoBooksOfAccBS/ITRForm:CashBalAmt", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kProprietorOrFirm));

// ITR-6, below ITRForm:PARTA_BSFor6: share capital, the company's reserves,
// debentures and dividends; no lines for accounts without books.
// clang-format off
constexpr KeyRow kCompany[] = {
    {"sof_1ai", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ShareCapital/ITRForm:Authorised", kAmount},
    {"sof_1aii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ShareCapital/ITRForm:IssuedSubsPaidUp", kAmount},
    {"sof_1aiii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ShareCapital/ITRForm:ShareAppMoney", kAmount},
    {"sof_1aiv", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ShareCapital/ITRForm:TotShareCapital", kAmount},
    {"sof_1bi", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:RevResr", kAmount},
    {"sof_1bii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:CapResr", kAmount},
    {"sof_1biii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:CapRedempResr", kAmount},
    {"sof_1biv", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:SecurPremResr", kAmount},
    {"sof_1bv", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:DebunRedResr", kAmount},
    {"sof_1bvi", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:StatResr", kAmount},
    {"sof_1bvii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:GenResr", kAmount},
    {"sof_1bviii", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:PLAccount", kAmount},
    {"sof_1bix", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:ResrNSurp/ITRForm:TotResrNSurp", kAmount},
    {"sof_1c", "ITRForm:FundSrc/ITRForm:ShareHolderFund/ITRForm:TotShareHolderFund", kAmount},
    {"sof_2ai", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:Debentures", kAmount},
    {"sof_2aii", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:ForeignCurrLoan", kAmount},
    {"sof_2aiiiA", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:FrmBank", kAmount},
    {"sof_2aiiiB", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:FrmOthrs", kAmount},
    {"sof_2aiiiC", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:RupeeLoan/ITRForm:TotRupeeLoan", kAmount},
    {"sof_2aiv", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:SecrLoan/ITRForm:TotSecrLoan", kAmount},
    {"sof_2biA", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:LongTermLoan/ITRForm:FrmBank", kAmount},
    {"sof_2biB", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:LongTermLoan/ITRForm:FrmOthrs", kAmount},
    {"sof_2biC", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:LongTermLoan/ITRForm:TotLongTermLoan", kAmount},
    {"sof_2biiA", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:ShortTermLoan/ITRForm:FrmBank", kAmount},
    {"sof_2biiB", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:ShortTermLoan/ITRForm:FrmOthrs", kAmount},
    {"sof_2biiC", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:ShortTermLoan/ITRForm:TotShortTermLoan", kAmount},
    {"sof_2bIII", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:UnsecrLoan/ITRForm:TotUnSecrLoan", kAmount},
    {"sof_2c", "ITRForm:FundSrc/ITRForm:LoanFunds/ITRForm:TotLoanFund", kAmount},
    {"sof_3", "ITRForm:FundSrc/ITRForm:DeferredTaxLiability", kAmount},
    {"sof_4", "ITRForm:FundSrc/ITRForm:TotFundSrc", kAmount},
    {"aof_1a", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:GrossBlock", kAmount},
    {"aof_1b", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:Depreciation", kAmount},
    {"aof_1c", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:NetBlock", kAmount},
    {"aof_1d", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:CapWrkProg", kAmount},
    {"aof_1e", "ITRForm:FundApply/ITRForm:FixedAsset/ITRForm:TotFixedAsset", kAmount},
    {"aof_2ai", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:GovtOthSecQuoted", kAmount},
    {"aof_2aii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:GovOthSecUnQoted", kAmount},
    {"aof_2aiii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:LongTermInv/ITRForm:TotLongTermInv", kAmount},
    {"aof_2bi", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:EquityShares", kAmount},
    {"aof_2bii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:PreferShares", kAmount},
    {"aof_2biii", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:Debenture", kAmount},
    {"aof_2biv", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TradeInv/ITRForm:TotTradeInv", kAmount},
    {"aof_2c", "ITRForm:FundApply/ITRForm:Investments/ITRForm:TotInvestments", kAmount},
    {"aof_3aiA", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:StoresConsumables", kAmount},
    {"aof_3aiB", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:RawMatl", kAmount},
    {"aof_3aiC", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:StkInProcess", kAmount},
    {"aof_3aiD", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:FinOrTradGood", kAmount},
    {"aof_3aiE", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:Inventories/ITRForm:TotInventries", kAmount},
    {"aof_3aiiA", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:SundryDebtors/ITRForm:OverSixMonthSD", kAmount},
    {"aof_3aiiB", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:SundryDebtors/ITRForm:OthSD", kAmount},
    {"aof_3aiiC", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:SundryDebtors/ITRForm:TotSundryDebtors", kAmount},
    {"aof_3aiiiA", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:CashinHand", kAmount},
    {"aof_3aiiiB", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:BankBal", kAmount},
    {"aof_3aiiiC", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:CashOrBankBal/ITRForm:TotCashOrBankBal", kAmount},
    {"aof_3aiv", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:OthCurrAsset", kAmount},
    {"aof_3av", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrAsset/ITRForm:TotCurrAsset", kAmount},
    {"aof_3bi", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:LoanToSubsComp", kAmount},
    {"aof_3bii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:AdvRecoverable", kAmount},
    {"aof_3biii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:Deposits", kAmount},
    {"aof_3biv", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:BalWithRevAuth", kAmount},
    {"aof_3bv", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:LoanAdv/ITRForm:TotLoanAdv", kAmount},
    {"aof_3c", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:TotCurrAssetLoanAdv", kAmount},
    {"aof_3diA", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:SundryCred", kAmount},
    {"aof_3diB", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:LiabForLeasedAsset", kAmount},
    {"aof_3diC", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:UnpaidDividend", kAmount},
    {"aof_3diD", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:UnpaidMatureDebenture", kAmount},
    {"aof_3diE", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:UnpaidCallMoney", kAmount},
    {"aof_3diF", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:AccrInterest", kAmount},
    {"aof_3diG", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:AccrInterestNotDue", kAmount},
    {"aof_3diH", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:CurrLiabilities/ITRForm:TotCurrLiabilities", kAmount},
    {"aof_3diiA", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ITProvision", kAmount},
    {"aof_3diiB", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:FBTProvision", kAmount},
    {"aof_3diiC", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:WTProvision", kAmount},
    {"aof_3diiD", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ELSuperAnnGratProvision", kAmount},
    {"aof_3diiE", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:OthProvision", kAmount},
    {"aof_3diiF", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:ProposedDividend", kAmount},
    {"aof_3diiG", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:TaxOnDividend", kAmount},
    {"aof_3diiH", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:Provisions/ITRForm:TotProvisions", kAmount},
    {"aof_3diii", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:CurrLiabilitiesProv/ITRForm:TotCurrLiabilitiesProvision", kAmount},
    {"aof_3e", "ITRForm:FundApply/ITRForm:CurrAssetLoanAdv/ITRForm:NetCurrAsset", kAmount},
    {"aof_4a", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:MiscExpndr", kAmount},
    {"aof_4b", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:DefferTaxAsset", kAmount},
    {"aof_4c", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:ProfLossAcnt", kAmount},
    {"aof_4d", "ITRForm:FundApply/ITRForm:MiscAdjust/ITRForm:TotMiscAdjust", kAmount},
    {"aof_5", "ITRForm:FundApply/ITRForm:TotFundApply", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kCompany));

}  // namespace

void FillBalanceSheet(TIniControl& ini, const ReturnContext& context) {
    const int form = context.FormCode;
    const XmlNode sheet =
        FindChild(context.FormElement(), form == 6 ? "ITRForm:PARTA_BSFor6" : "ITRForm:PARTA_BS");
    ini.WriteValue(kSection, "AsOn", std::to_string(context.AssessmentYear));
    if (!sheet) return;
    if (form == 4 || form == 5) {
        WriteRows(ini, context, kSection, sheet, kProprietorOrFirm);
    } else if (form == 6) {
        WriteRows(ini, context, kSection, sheet, kCompany);
    }
}

}  // namespace orvane
