#include "mapping/fill/ScheduleVIA.h"

#include <span>
#include <string>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view k80C = "ITRForm:Section80C";
constexpr std::string_view k80CCC = "ITRForm:Section80CCC";
constexpr std::string_view k80CCD = "ITRForm:Section80CCD";
constexpr std::string_view k80CCF = "ITRForm:Section80CCF";
constexpr std::string_view k80D = "ITRForm:Section80D";
constexpr std::string_view k80DD = "ITRForm:Section80DD";
constexpr std::string_view k80DDB = "ITRForm:Section80DDB";
constexpr std::string_view k80E = "ITRForm:Section80E";
constexpr std::string_view k80G = "ITRForm:Section80G";
constexpr std::string_view k80GG = "ITRForm:Section80GG";
constexpr std::string_view k80GGA = "ITRForm:Section80GGA";
constexpr std::string_view k80GGB = "ITRForm:Section80GGB";
constexpr std::string_view k80GGC = "ITRForm:Section80GGC";
constexpr std::string_view k80IA = "ITRForm:Section80IA";
constexpr std::string_view k80IAB = "ITRForm:Section80IAB";
constexpr std::string_view k80IB = "ITRForm:Section80IB";
constexpr std::string_view k80IC = "ITRForm:Section80IC";
constexpr std::string_view k80JJA = "ITRForm:Section80JJA";
constexpr std::string_view k80JJAA = "ITRForm:Section80JJAA";
constexpr std::string_view k80LA = "ITRForm:Section80LA";
constexpr std::string_view k80P = "ITRForm:Section80P";
constexpr std::string_view k80QQB = "ITRForm:Section80QQB";
constexpr std::string_view k80RRB = "ITRForm:Section80RRB";
constexpr std::string_view k80U = "ITRForm:Section80U";
constexpr std::string_view kTotal = "ITRForm:TotalChapVIADeductions";

// The line after the sections of ITR-2 to ITR-4: the total up to 2010-11;
// from 2011-12 section 80CCF, the total then going to via_Total.
constexpr std::string_view kYearRule = "";

// The sections of each form, written as via_a, via_b, ... in this order.
constexpr std::string_view kItr2Sections[] = {k80C,   k80CCC, k80CCD, k80D,     k80DD,
                                              k80DDB, k80E,   k80G,   k80GG,    k80GGA,
                                              k80GGC, k80RRB, k80U,   kYearRule};
constexpr std::string_view kItr3Sections[] = {k80C,   k80CCC, k80CCD, k80D,  k80DD,
                                              k80DDB, k80E,   k80G,   k80GG, k80GGA,
                                              k80GGC, k80QQB, k80RRB, k80U,  kYearRule};
constexpr std::string_view kItr4Sections[] = {
    k80C,  k80CCC, k80CCD, k80D,  k80DD,  k80DDB, k80E,   k80G, k80GG,    k80GGC,
    k80IA, k80IAB, k80IB,  k80IC, k80JJA, k80QQB, k80RRB, k80U, kYearRule};
constexpr std::string_view kItr5Sections[] = {k80G,  k80GGA, k80GGC, k80IA, k80IAB, k80IB,
                                              k80IC, k80JJA, k80LA,  k80P,  kTotal};
constexpr std::string_view kItr6Sections[] = {k80G,  k80GGA, k80GGB, k80GGC,  k80IA, k80IAB,
                                              k80IB, k80IC,  k80JJA, k80JJAA, k80LA, kTotal};

struct FormSections {
    int form_code;
    std::span<const std::string_view> sections;
};

constexpr FormSections kFormSections[] = {
    {2, kItr2Sections}, {3, kItr3Sections}, {4, kItr4Sections},
    {5, kItr5Sections}, {6, kItr6Sections},
};

// ITR-4 to ITR-6 print the deductions with the profit-linked schedules.
std::string_view Section(int form_code) {
    return form_code == 4 || form_code == 5 || form_code == 6 ? "SCHEDULE-10A" : "SCHEDULE-VIA";
}

void WriteDeductions(TIniControl& ini, const ReturnContext& context, XmlNode deductions,
                     std::span<const std::string_view> sections) {
    const std::string_view section = Section(context.FormCode);
    const auto write = [&](std::string_view key, std::string_view element) {
        ini.WriteValue(section, key, AmountOrNil(GetNodeValue(deductions, element)));
    };
    char letter = 'a';
    for (const std::string_view element : sections) {
        const std::string key = std::string("via_") + letter++;
        if (element != kYearRule) {
            write(key, element);
        } else if (context.AssessmentYear < 2011) {
            write(key, kTotal);
        } else {
            write(key, k80CCF);
            write("via_Total", kTotal);
        }
    }
}

}  // namespace

void FillScheduleVIA(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleVIA");
    if (!schedule) return;
    const XmlNode deductions = FindChild(schedule, "ITRForm:DeductUndChapVIA");
    for (const FormSections& form : kFormSections) {
        if (form.form_code == context.FormCode) {
            WriteDeductions(ini, context, deductions, form.sections);
        }
    }
}

}  // namespace orvane
