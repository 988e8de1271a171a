#include "mapping/fill/ScheduleHP.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-HP";

// One property block, below ITRForm:PropertyDetails; the key is "hp_", the
// block number and this suffix.
constexpr KeyRow kProperty[] = {
    {"1", "ITRForm:AddressDetail/ITRForm:AddrDetail"},
    {"2", "ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict"},
    {"3", "ITRForm:AddressDetail/ITRForm:StateCode", Conv::kStateName},
    {"4", "ITRForm:AddressDetail/ITRForm:PinCode"},
    {"5", "ITRForm:ifLetOut", Conv::kFlag, "Y"},
    {"6", "ITRForm:NameofTenant"},
    {"7", "ITRForm:PANofTenant"},
    {"a", "ITRForm:Rentdetails/ITRForm:AnnualLetableValue", Conv::kAmountOrNil},
    {"b", "ITRForm:Rentdetails/ITRForm:RentNotRealized", Conv::kAmountOrNil},
    {"c", "ITRForm:Rentdetails/ITRForm:LocalTaxes", Conv::kAmountOrNil},
    {"d", "ITRForm:Rentdetails/ITRForm:TotalUnrealizedAndTax", Conv::kAmountOrNil},
    {"e", "ITRForm:Rentdetails/ITRForm:BalanceALV", Conv::kAmountOrNil},
    {"f", "ITRForm:Rentdetails/ITRForm:ThirtyPercentOfBalance", Conv::kAmountOrNil},
    {"g", "ITRForm:Rentdetails/ITRForm:IntOnBorwCap", Conv::kAmountOrNil},
    {"h", "ITRForm:Rentdetails/ITRForm:TotalDeduct", Conv::kAmountOrNil},
    {"i", "ITRForm:Rentdetails/ITRForm:IncomeOfHP", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kProperty));

// The totals row, below ITRForm:ScheduleHP, numbered after the last block.
constexpr KeyRow kTotals[] = {
    {"a", "ITRForm:RentOfEarlierYrSec25AandAA", Conv::kAmountOrNil},
    {"b", "ITRForm:RentArearsSec25BAfter30pcDeduct", Conv::kAmountOrNil},
    {"c", "ITRForm:TotalIncomeChargeableUnHP", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kTotals));

// The property blocks of the printed form.
int PropertyBlocks(int form_code) {
    return form_code == 4 || form_code == 5 || form_code == 6 ? 3 : 2;
}

void WriteBlock(TIniControl& ini, XmlNode base, int block, std::span<const KeyRow> rows) {
    const std::string prefix = "hp_" + std::to_string(block);
    for (const KeyRow& row : rows) {
        const std::string key = prefix + std::string(row.key);
        WriteRow(ini, kSection, base, KeyRow{key, row.path, row.conv, row.arg});
    }
}

}  // namespace

void FillScheduleHP(TIniControl& ini, const ReturnContext& context) {
    const int blocks = PropertyBlocks(context.FormCode);
    int count = 0;
    if (const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleHP")) {
        for (const XmlNode property : ChildrenNamed(schedule, "ITRForm:PropertyDetails")) {
            WriteBlock(ini, property, ++count, kProperty);
        }
        WriteBlock(ini, schedule, blocks + 1, kTotals);
    }
    // A blank block is the block of an absent property: empty texts, the
    // let-out flag "0" and "Nil" amounts.
    for (int block = count + 1; block <= blocks; ++block) {
        WriteBlock(ini, XmlNode{}, block, kProperty);
    }
}

}  // namespace orvane
