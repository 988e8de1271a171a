#include "mapping/fill/SpecialRateAndClubbedIncome.h"

#include "mapping/fill/NumberedLists.h"

namespace orvane {
namespace {

// Below ITRForm:SpecifiedPerson.
constexpr ListColumn kSpecifiedPersonColumns[] = {
    {{"Name", "ITRForm:SpecifiedPersonName"}},
    {{"PAN", "ITRForm:PANofSpecPerson"}},
    {{"Relation", "ITRForm:ReltnShip"}},
    {{"NatureOfIncome", "ITRForm:NatureOfInc"}},
    {{"Amount", "ITRForm:AmtIncluded", Conv::kAmountOrNil}},
};

// Below ITRForm:SplCodeRateTax; the tax adds up to the total under the table.
constexpr ListColumn kSpecialRateColumns[] = {
    {{"SectionCode", "ITRForm:SecCode"}},
    {{"SpecialRate", "ITRForm:SplRatePercent", Conv::kAmountOrNil}},
    {{"Income", "ITRForm:SplRateInc", Conv::kAmountOrNil}},
    {{"Tax", "ITRForm:SplRateIncTax", Conv::kAmountOrNil}, 10},
};

constexpr NumberedList kSpecifiedPersons{"SCHEDULE-SPI", "ITRForm:ScheduleSPI",
                                         "ITRForm:SpecifiedPerson", kSpecifiedPersonColumns, true};

constexpr NumberedList kSpecialRates{"SCHEDULE-SI", "ITRForm:ScheduleSI", "ITRForm:SplCodeRateTax",
                                     kSpecialRateColumns, true};

}  // namespace

void FillScheduleSPI(TIniControl& ini, const ReturnContext& context) {
    ScheduleTotals untouched;  // the list of specified persons has no total
    WriteNumberedList(ini, context.FormElement(), kSpecifiedPersons, untouched);
}

void FillScheduleSI(TIniControl& ini, ReturnContext& context) {
    WriteNumberedList(ini, context.FormElement(), kSpecialRates, context.ScheduleTotals);
}

}  // namespace orvane
