#include "mapping/fill/ScientificResearch.h"

#include <string>
#include <utility>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-ESR";

// The rows of the schedule: sections 35(1)(i) to (iv), 35(2AA), 35(2AB), total.
struct ResearchRow {
    std::string_view numeral;
    std::string_view element;
};

constexpr ResearchRow kRows[] = {
    {"i", "ITRForm:Section35_1_i"},     {"ii", "ITRForm:Section35_1_ii"},
    {"iii", "ITRForm:Section35_1_iii"}, {"iv", "ITRForm:Section35_1_iv"},
    {"v", "ITRForm:Section35_2AA"},     {"vi", "ITRForm:Section35_2AB"},
    {"vii", "ITRForm:TotUs35"},
};

// Amount debited to the profit and loss account, amount allowable, excess.
constexpr std::pair<char, std::string_view> kColumns[] = {
    {'a', "ITRForm:AmtDebPL"},
    {'b', "ITRForm:AmtUs35Allowable"},
    {'c', "ITRForm:ExcessAmtOverDebPL"},
};

}  // namespace

void FillScheduleESR(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleESR");
    if (!schedule) return;
    const XmlNode deductions = FindChild(schedule, "ITRForm:DeductionUs35");
    for (const ResearchRow& row : kRows) {
        const XmlNode amounts = FindChild(FindChild(deductions, row.element), "ITRForm:DeductUs35");
        for (const auto& [letter, element] : kColumns) {
            ini.WriteValue(kSection, "esr_" + std::string(row.numeral) + letter,
                           AmountOrNil(GetNodeValue(amounts, element)));
        }
    }
}

}  // namespace orvane
