#include "mapping/fill/AirAndExemptIncome.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:AIRInfo, in the key names of each layout.
// clang-format off
constexpr KeyRow kItr1AirOf2010[] = {
    {"id_26a", "ITRForm:Code001", Conv::kAmountOrNil}, {"id_26b", "ITRForm:Code002", Conv::kAmountOrNil},
    {"id_26c", "ITRForm:Code003", Conv::kAmountOrNil}, {"id_26d", "ITRForm:Code004", Conv::kAmountOrNil},
    {"id_26e", "ITRForm:Code005", Conv::kAmountOrNil}, {"id_26f", "ITRForm:Code006", Conv::kAmountOrNil},
    {"id_26g", "ITRForm:Code007", Conv::kAmountOrNil}, {"id_26h", "ITRForm:Code008", Conv::kAmountOrNil},
};
// clang-format on

// clang-format off
constexpr KeyRow kItr1Air[] = {
    {"oi_1", "ITRForm:Code001", Conv::kAmountOrNil}, {"oi_2", "ITRForm:Code002", Conv::kAmountOrNil},
    {"oi_3", "ITRForm:Code003", Conv::kAmountOrNil}, {"oi_4", "ITRForm:Code004", Conv::kAmountOrNil},
    {"oi_5", "ITRForm:Code005", Conv::kAmountOrNil}, {"oi_6", "ITRForm:Code006", Conv::kAmountOrNil},
    {"oi_7", "ITRForm:Code007", Conv::kAmountOrNil}, {"oi_8", "ITRForm:Code008", Conv::kAmountOrNil},
};
// clang-format on

// clang-format off
constexpr KeyRow kScheduleAir[] = {
    {"air_1", "ITRForm:Code001", Conv::kAmountOrNil}, {"air_2", "ITRForm:Code002", Conv::kAmountOrNil},
    {"air_3", "ITRForm:Code003", Conv::kAmountOrNil}, {"air_4", "ITRForm:Code004", Conv::kAmountOrNil},
    {"air_5", "ITRForm:Code005", Conv::kAmountOrNil}, {"air_6", "ITRForm:Code006", Conv::kAmountOrNil},
    {"air_7", "ITRForm:Code007", Conv::kAmountOrNil}, {"air_8", "ITRForm:Code008", Conv::kAmountOrNil},
};
// clang-format on

// ITR-1's exempt interest, below ITR1FORM:ITR1 (the prefix of the form, not ITRForm).
constexpr KeyRow kItr1ExemptInterestOf2010{"id_27", "ITR1FORM:TaxExmpIntInc", Conv::kAmountOrNil};
constexpr KeyRow kItr1ExemptInterest{"ei_1", "ITR1FORM:TaxExmpIntInc", Conv::kAmountOrNil};

// Below ITRForm:ScheduleEI.
constexpr KeyRow kExemptIncome[] = {
    {"ei_1", "ITRForm:InterestInc", Conv::kAmountOrNil},
    {"ei_2", "ITRForm:DividendInc", Conv::kAmountOrNil},
    {"ei_3", "ITRForm:LTCGWhereSTTPaid", Conv::kAmountOrNil},
    {"ei_4", "ITRForm:NetAgriIncOrOthrIncRule7", Conv::kAmountOrNil},
    {"ei_5", "ITRForm:ShareOfProfitFirmAOP", Conv::kAmountOrNil},
    {"ei_6", "ITRForm:Others", Conv::kAmountOrNil},
    {"ei_7", "ITRForm:TotalExemptInc", Conv::kAmountOrNil},
};

std::string_view AirSection(int form_code) {
    if (form_code == 1) return "PART-B";
    return form_code == 4 ? "SCHEDULE-10A" : "SCHEDULE-VIA";
}

std::string_view ExemptIncomeSection(int form_code) {
    if (form_code == 1) return "PART-B";
    return form_code == 2 || form_code == 3 ? "SCHEDULE-VIA" : "SCHEDULE-10A";
}

}  // namespace

void FillScheduleAIR(TIniControl& ini, const ReturnContext& context) {
    const std::string_view section = AirSection(context.FormCode);
    if (context.FormCode == 1) {
        const XmlNode air = FindChild(context.FormElement(), "ITRForm:AIRInfo");
        if (air) {
            WriteRows(ini, context, section, air,
                      context.AssessmentYear == 2010 ? std::span<const KeyRow>(kItr1AirOf2010)
                                                     : std::span<const KeyRow>(kItr1Air));
        }
        return;
    }
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleAIR");
    if (schedule)
        WriteRows(ini, context, section, FindChild(schedule, "ITRForm:AIRInfo"), kScheduleAir);
}

void FillExemptIncome(TIniControl& ini, const ReturnContext& context) {
    const std::string_view section = ExemptIncomeSection(context.FormCode);
    if (context.FormCode == 1) {
        WriteRow(ini, section, FindChild(context.ReturnRoot, "ITR1FORM:ITR1"),
                 context.AssessmentYear == 2010 ? kItr1ExemptInterestOf2010 : kItr1ExemptInterest);
        return;
    }
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleEI");
    if (schedule) WriteRows(ini, context, section, schedule, kExemptIncome);
}

}  // namespace orvane
