#include "mapping/fill/SpecialRateAndClubbedIncome.h"

#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:SpecifiedPerson.
constexpr TableColumn kSpecifiedPersonColumns[] = {
    {{"Name", "ITRForm:SpecifiedPersonName"}},
    {{"PAN", "ITRForm:PANofSpecPerson"}},
    {{"Relation", "ITRForm:ReltnShip"}},
    {{"NatureOfIncome", "ITRForm:NatureOfInc"}},
    {{"Amount", "ITRForm:AmtIncluded", Conv::kAmountOrNil}},
};

// Below ITRForm:SplCodeRateTax; the tax adds up to the total under the table.
constexpr TableColumn kSpecialRateColumns[] = {
    {{"SectionCode", "ITRForm:SecCode"}},
    {{"SpecialRate", "ITRForm:SplRatePercent", Conv::kAmountOrNil}},
    {{"Income", "ITRForm:SplRateInc", Conv::kAmountOrNil}},
    {{"Tax", "ITRForm:SplRateIncTax", Conv::kAmountOrNil}, 10},
};

// The tax of each line is added into the total after the line's keys are written.
constexpr NumberedTable kSpecifiedPersons{"SCHEDULE-SPI", "ITRForm:SpecifiedPerson",
                                          kSpecifiedPersonColumns};
constexpr NumberedTable kSpecialRates{
    "SCHEDULE-SI", "ITRForm:SplCodeRateTax", kSpecialRateColumns, {}, SlotOrder::kWriteThenAdd};

// A present schedule without lines prints one empty line; an absent one nothing.
void WriteSchedule(TIniControl& ini, const ReturnContext& context, std::string_view schedule,
                   const NumberedTable& table, ScheduleTotals* totals) {
    const XmlNode element = FindChild(context.FormElement(), schedule);
    if (element && WriteNumberedTable(ini, element, table, totals) == 0) {
        WritePlaceholderRow(ini, table.section);
    }
}

}  // namespace

void FillScheduleSPI(TIniControl& ini, const ReturnContext& context) {
    WriteSchedule(ini, context, "ITRForm:ScheduleSPI", kSpecifiedPersons, nullptr);
}

void FillScheduleSI(TIniControl& ini, ReturnContext& context) {
    WriteSchedule(ini, context, "ITRForm:ScheduleSI", kSpecialRates, &context.ScheduleTotals);
}

}  // namespace orvane
