#include "mapping/fill/PartnerFirms.h"

#include "mapping/fill/NumberedLists.h"

namespace orvane {
namespace {

// Below ITRForm:PartnerFirmDetails.
constexpr ListColumn kFirmColumns[] = {
    {{"FirmName", "ITRForm:FirmName"}},
    {{"PAN", "ITRForm:FirmPAN"}},
    {{"Percentage", "ITRForm:ProfitSharePercent", Conv::kAmountOrNil}},
    {{"Amount", "ITRForm:ProfitShareAmt", Conv::kAmountOrNil}, 11},
    {{"Capital", "ITRForm:FirmCapBalOn31Mar", Conv::kAmountOrNil}, 12},
};

// Below ITRForm:PartnerFirmIncomes.
constexpr ListColumn kFirmIncomeColumns[] = {
    {{"PAN", "ITRForm:FirmPAN"}},
    {{"Salary", "ITRForm:FirmSalBonComRen", Conv::kAmountOrNil}, 13},
    {{"Interest", "ITRForm:IntFirmCap", Conv::kAmountOrNil}, 14},
    {{"Total", "ITRForm:TotalIncome", Conv::kAmountOrNil}, 15},
    {{"Expenses", "ITRForm:Expenses", Conv::kAmountOrNil}, 16},
    {{"NetIncome", "ITRForm:NetIncome", Conv::kAmountOrNil}, 17},
};

constexpr NumberedList kFirms{"SCHEDULE-IF", "ITRForm:ScheduleIF", "ITRForm:PartnerFirmDetails",
                              kFirmColumns, true};

constexpr NumberedList kFirmIncomes{"SCHEDULE-BP", "ITRForm:ScheduleBPA",
                                    "ITRForm:PartnerFirmIncomes", kFirmIncomeColumns, false};

}  // namespace

void FillScheduleIFAndBPA(TIniControl& ini, ReturnContext& context) {
    WriteNumberedList(ini, context.FormElement(), kFirms, context.ScheduleTotals);
    if (context.FormCode == 3) {
        WriteNumberedList(ini, context.FormElement(), kFirmIncomes, context.ScheduleTotals);
    }
}

}  // namespace orvane
