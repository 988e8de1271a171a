#include "mapping/fill/ProfitLinkedDeductions.h"

#include <cstdint>
#include <span>
#include <string>

#include "convert/Conversions.h"
#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-10A";
constexpr Conv kAmount = Conv::kAmountOrNil;

// A group of undertakings: its element below the schedule, the stem of its
// keys, how many undertakings the printed form has room for, and the key of
// its total.
struct UndertakingGroup {
    std::string_view element;
    std::string_view stem;
    int room;
    std::string_view total_key;
};

// clang-format off
constexpr UndertakingGroup kSchedule10AGroups[] = {
    {"ITRForm:DeductSTP", "10a_1", 5, "10a_1f"},   // software technology parks
    {"ITRForm:DeductEHTP", "10a_2", 3, "10a_2d"},  // electronic hardware technology parks
    {"ITRForm:DeductFTZ", "10a_3", 3, "10a_3d"},   // free trade zones
    {"ITRForm:DeductEPZ", "10a_4", 3, "10a_4d"},   // export processing zones
    {"ITRForm:DeductSEZ", "10a_5", 3, "10a_5d"},   // special economic zones
};
// clang-format on
constexpr UndertakingGroup kSchedule10AAGroups[] = {{"ITRForm:DeductSEZ", "10aa_1", 3, "10aa_1d"}};
constexpr UndertakingGroup kSchedule10BGroups[] = {{"ITRForm:DeductEOU", "10b_1", 5, "10b_1f"}};
constexpr UndertakingGroup kSchedule10BAGroups[] = {
    {"ITRForm:DeductHandWoodArt", "10ba_1", 5, "10ba_1f"}};

struct UndertakingSchedule {
    std::string_view element;
    std::span<const UndertakingGroup> groups;
};

constexpr UndertakingSchedule kUndertakingSchedules[] = {
    {"ITRForm:Schedule10A", kSchedule10AGroups},
    {"ITRForm:Schedule10AA", kSchedule10AAGroups},
    {"ITRForm:Schedule10B", kSchedule10BGroups},
    {"ITRForm:Schedule10BA", kSchedule10BAGroups},
};

// A group of donees under section 80G: its element, the donee element and the
// donee's name below it, the stem of its keys (also its total key) and the
// element of its total. Group C also names the donee's PAN.
struct DoneeGroup {
    std::string_view element;
    std::string_view donee;
    std::string_view name;
    std::string_view key;
    std::string_view total;
    bool with_pan;
};

constexpr DoneeGroup kDoneeGroups[] = {
    {"ITRForm:Don100Percent", "ITRForm:DoneeDetail", "ITRForm:DoneeName", "80G_A",
     "ITRForm:TotDon100Percent", false},
    {"ITRForm:Don50PercentNoApprReqd", "ITRForm:DoneeDetail", "ITRForm:DoneeName", "80G_B",
     "ITRForm:TotDon50PercentNoApprReqd", false},
    {"ITRForm:Don50PercentApprReqd", "ITRForm:DoneeWithPan", "ITRForm:DoneeWithPanName", "80G_C",
     "ITRForm:TotDon50PercentApprReqd", true},
};

// clang-format off
constexpr KeyRow kSchedule80IA[] = {
    {"80IA_a", "ITRForm:DeductProfUs80_IA_4_i", kAmount},
    {"80IA_b", "ITRForm:DeductProfUs80_IA_4_ii", kAmount},
    {"80IA_c", "ITRForm:DeductProfUs80_IA_4_iii", kAmount},
    {"80IA_d", "ITRForm:DeductProfUs80_IA_4_iv", kAmount},
    {"80IA_e", "ITRForm:DeductProfUs80_IA_4_v", kAmount},
    {"80IA_f", "ITRForm:TotSchedule80_IA", kAmount},
};
// clang-format on

// clang-format off
constexpr KeyRow kSchedule80IB[] = {
    {"80IB_a", "ITRForm:DeductSSIUs80_IB_3", kAmount},
    {"80IB_b", "ITRForm:DeductJKLocUs80_IB_4", kAmount},
    {"80IB_c", "ITRForm:DeductBackStatesUs80_IB_4", kAmount},
    {"80IB_d", "ITRForm:DeductBackDisttUs80_IB_5", kAmount},
    {"80IB_e", "ITRForm:DeductMultiplexUs80_IB_7A", kAmount},
    {"80IB_f", "ITRForm:DeductConvCentUs80_IB_7B", kAmount},
    {"80IB_g", "ITRForm:DeductScientificResUs80_IB_8A", kAmount},
    {"80IB_h", "ITRForm:DeductMinOilUs80_IB_9", kAmount},
    {"80IB_i", "ITRForm:DeductHousUs80_IB_10", kAmount},
    {"80IB_j", "ITRForm:DeductColdChainUs80_IB_11", kAmount},
    {"80IB_k", "ITRForm:DeductFruitVegUs80_IB_11A", kAmount},
    {"80IB_l", "ITRForm:DeductFoodGrainUs80_IB_11A", kAmount},
    {"80IB_m", "ITRForm:DeductRurHospUs80_IB_11B", kAmount},
    {"80IB_n", "ITRForm:TotSchedule80_IB", kAmount},
};
// clang-format on

// clang-format off
constexpr KeyRow kSchedule80IC[] = {
    {"80IC_1", "ITRForm:DeductInSikkim", kAmount},
    {"80IC_2", "ITRForm:DeductInHimachalP", kAmount},
    {"80IC_3", "ITRForm:DeductInUttaranchal", kAmount},
    {"80IC_4a", "ITRForm:DeductInNorthEast/ITRForm:Assam", kAmount},
    {"80IC_4b", "ITRForm:DeductInNorthEast/ITRForm:ArunachalPradesh", kAmount},
    {"80IC_4c", "ITRForm:DeductInNorthEast/ITRForm:Manipur", kAmount},
    {"80IC_4d", "ITRForm:DeductInNorthEast/ITRForm:Mizoram", kAmount},
    {"80IC_4e", "ITRForm:DeductInNorthEast/ITRForm:Meghalaya", kAmount},
    {"80IC_4f", "ITRForm:DeductInNorthEast/ITRForm:Nagaland", kAmount},
    {"80IC_4g", "ITRForm:DeductInNorthEast/ITRForm:Tripura", kAmount},
    {"80IC_4h", "ITRForm:DeductInNorthEast/ITRForm:TotDeductInNorthEast", kAmount},
    {"80IC_5", "ITRForm:TotSchedule80_IC", kAmount},
};
// clang-format on

// clang-format off
constexpr KeyRow kScheduleSTT[] = {
    {"sttr_1i", "ITRForm:IncChrgSTT/ITRForm:STTNonSpecBus", kAmount},
    {"sttr_1ii", "ITRForm:IncChrgSTT/ITRForm:STTSpecBus", kAmount},
    {"sttr_1iii", "ITRForm:IncChrgSTT/ITRForm:TotChrgAmtSTT", kAmount},
    {"sttr_2", "ITRForm:TaxPaySTTAvgRate", kAmount},
    {"sttr_3", "ITRForm:STTPaid", kAmount},
    {"sttr_4", "ITRForm:RebateUs88E", kAmount},
};
// clang-format on

// Writes the undertakings of one group and its total, adding each amount
// written into the group sum and into `schedule_total`. A group without its
// container writes nothing.
void WriteUndertakings(TIniControl& ini, const ReturnContext& context, XmlNode schedule,
                       const UndertakingGroup& group, std::int32_t& schedule_total) {
    XmlNode container = FindChild(FindChild(schedule, group.element), "ITRForm:DedUs10Detail");
    if (context.FormCode == 4) container = FindChild(container, "ITRForm:Undertaking");
    if (!container) return;
    std::int32_t sum = 0;
    int count = 0;
    for (const XmlNode undertaking : ChildrenNamed(container, "ITRForm:DedFromUndertaking")) {
        if (count == group.room) break;
        const std::string amount = ElementText(undertaking);
        const char letter = static_cast<char>('A' + count++);
        ini.WriteValue(kSection, std::string(group.stem) + letter, AmountOrNil(amount));
        sum = AddIntText(sum, amount);
        schedule_total = AddIntText(schedule_total, amount);
    }
    ini.WriteValue(kSection, group.total_key, FloatOrNil(sum));
}

// Numbers the donees of a group from 1; any other element child is taken as
// the total, so the last of them wins.
void WriteDonees(TIniControl& ini, XmlNode group_element, const DoneeGroup& group) {
    int n = 0;
    for (const XmlNode child : group_element.children()) {
        // Only elements count: a comment between the donees is no total.
        if (child.type() != pugi::node_element) continue;
        if (NodeName(child) != group.donee) {
            ini.WriteValue(kSection, group.key, AmountOrNil(GetNodeValue(child, group.total)));
            continue;
        }
        const std::string stem = std::string(group.key) + std::to_string(++n);
        ini.WriteValue(kSection, stem + "a", GetNodeValue(child, group.name));
        ini.WriteValue(kSection, stem + "b",
                       AmountOrNil(GetNodeValue(child, "ITRForm:DonationAmt")));
        if (group.with_pan) {
            ini.WriteValue(kSection, stem + "c",
                           AmountOrNil(GetNodeValue(child, "ITRForm:DoneePAN")));
        }
    }
}

}  // namespace

void FillSchedule10A(TIniControl& ini, const ReturnContext& context) {
    for (const UndertakingSchedule& entry : kUndertakingSchedules) {
        const XmlNode schedule = FindChild(context.FormElement(), entry.element);
        if (!schedule) continue;
        std::int32_t schedule_total = 0;
        for (const UndertakingGroup& group : entry.groups) {
            WriteUndertakings(ini, context, schedule, group, schedule_total);
        }
        // The XML's own total is not used: 10a_6 adds up what was written.
        if (entry.element == "ITRForm:Schedule10A") {
            ini.WriteValue(kSection, "10a_6", FloatOrNil(schedule_total));
        }
    }
}

void FillSchedule80G(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:Schedule80G");
    if (!schedule) return;
    for (const DoneeGroup& group : kDoneeGroups) {
        if (const XmlNode element = FindChild(schedule, group.element)) {
            WriteDonees(ini, element, group);
        }
    }
}

void FillSchedule80IA(TIniControl& ini, const ReturnContext& context) {
    const XmlNode form = context.FormElement();
    if (const XmlNode ia = FindChild(form, "ITRForm:Schedule80_IA")) {
        WriteRows(ini, context, kSection, ia, kSchedule80IA);
    }
    if (const XmlNode ib = FindChild(form, "ITRForm:Schedule80_IB")) {
        WriteRows(ini, context, kSection, ib, kSchedule80IB);
    }
    if (const XmlNode ic = FindChild(form, "ITRForm:Schedule80_IC")) {
        WriteRows(ini, context, kSection, ic, kSchedule80IC);
    }
}

void FillScheduleSTT(TIniControl& ini, const ReturnContext& context) {
    const bool firm = context.FormCode == 5 || context.FormCode == 6;
    const XmlNode schedule =
        FindChild(context.FormElement(), firm ? "ITRForm:ScheduleSTTC" : "ITRForm:ScheduleSTTR");
    if (schedule) WriteRows(ini, context, kSection, schedule, kScheduleSTT);
}

}  // namespace orvane
