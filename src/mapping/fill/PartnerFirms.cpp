#include "mapping/fill/PartnerFirms.h"

#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:PartnerFirmDetails.
constexpr TableColumn kFirmColumns[] = {
    {{"FirmName", "ITRForm:FirmName"}},
    {{"PAN", "ITRForm:FirmPAN"}},
    {{"Percentage", "ITRForm:ProfitSharePercent", Conv::kAmountOrNil}},
    {{"Amount", "ITRForm:ProfitShareAmt", Conv::kAmountOrNil}, 11},
    {{"Capital", "ITRForm:FirmCapBalOn31Mar", Conv::kAmountOrNil}, 12},
};

// Below ITRForm:PartnerFirmIncomes.
constexpr TableColumn kFirmIncomeColumns[] = {
    {{"PAN", "ITRForm:FirmPAN"}},
    {{"Salary", "ITRForm:FirmSalBonComRen", Conv::kAmountOrNil}, 13},
    {{"Interest", "ITRForm:IntFirmCap", Conv::kAmountOrNil}, 14},
    {{"Total", "ITRForm:TotalIncome", Conv::kAmountOrNil}, 15},
    {{"Expenses", "ITRForm:Expenses", Conv::kAmountOrNil}, 16},
    {{"NetIncome", "ITRForm:NetIncome", Conv::kAmountOrNil}, 17},
};

// Amounts are added into their totals after each column is written.
constexpr NumberedTable kFirms{
    "SCHEDULE-IF", "ITRForm:PartnerFirmDetails", kFirmColumns, {}, SlotOrder::kWriteThenAdd};
constexpr NumberedTable kFirmIncomes{
    "SCHEDULE-BP", "ITRForm:PartnerFirmIncomes", kFirmIncomeColumns, {}, SlotOrder::kWriteThenAdd};

}  // namespace

void FillScheduleIFAndBPA(TIniControl& ini, ReturnContext& context) {
    // A present schedule of firms without rows prints one empty line.
    if (const XmlNode firms = FindChild(context.FormElement(), "ITRForm:ScheduleIF")) {
        if (WriteNumberedTable(ini, firms, kFirms, &context.ScheduleTotals) == 0) {
            WritePlaceholderRow(ini, kFirms.section);
        }
    }
    if (context.FormCode == 3) {
        const XmlNode incomes = FindChild(context.FormElement(), "ITRForm:ScheduleBPA");
        if (incomes) WriteNumberedTable(ini, incomes, kFirmIncomes, &context.ScheduleTotals);
    }
}

}  // namespace orvane
