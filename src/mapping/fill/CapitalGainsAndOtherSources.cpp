#include "mapping/fill/CapitalGainsAndOtherSources.h"

#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr When kForm4 = Forms({4});
constexpr When kForms5And6 = Forms({5, 6});

// ITR-2 and ITR-3, below ITRForm:ShortTermCapGainFor23.
constexpr KeyRow kShortTermFor2And3[] = {
    {"cg_A1", "ITRForm:NRIAssetSec48", Conv::kAmountOrNil},
    {"cg_A2a", "ITRForm:OtherAsset/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_A2bi", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:AquisitCost", Conv::kAmountOrNil},
    {"cg_A2bii", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:ImproveCost", Conv::kAmountOrNil},
    {"cg_A2biii", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_A2biv", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_A2c", "ITRForm:OtherAsset/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_A2d", "ITRForm:OtherAsset/ITRForm:LossSec94of7Or94of8", Conv::kAmountOrNil},
    {"cg_A2e", "ITRForm:OtherAsset/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_A2f", "ITRForm:OtherAsset/ITRForm:BalCG", Conv::kAmountOrNil},
    {"cg_A3", "ITRForm:AmtDeemedCGSec54", Conv::kAmountOrNil},
    {"cg_A4", "ITRForm:TotalSTCG", Conv::kAmountOrNil},
    {"cg_A5", "ITRForm:STCGSec111A", Conv::kAmountOrNil},
    {"cg_A6", "ITRForm:STCGNotSec111A", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kShortTermFor2And3));

// ITR-2 and ITR-3, below ITRForm:LongTermCapGain23.
// clang-format off
constexpr KeyRow kLongTermFor2And3[] = {
    {"cg_B1", "ITRForm:NRIAssetSec48", Conv::kAmountOrNil},
    {"cg_B2a", "ITRForm:OtherAssetNoProviso112/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_B2bi", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:AquisitCostIndexed", Conv::kAmountOrNil},
    {"cg_B2bii", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:ImproveCostIndexed", Conv::kAmountOrNil},
    {"cg_B2biii", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_B2biv", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_B2c", "ITRForm:OtherAssetNoProviso112/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_B2d", "ITRForm:OtherAssetNoProviso112/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_B2e", "ITRForm:OtherAssetNoProviso112/ITRForm:BalLTCGNo112", Conv::kAmountOrNil},
    {"cg_B3a", "ITRForm:OtherAssetProviso112/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_B3bi", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:AquisitCostNoIndex", Conv::kAmountOrNil},
    {"cg_B3bii", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:ImproveCostNoIndex", Conv::kAmountOrNil},
    {"cg_B3biii", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_B3biv", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_B3c", "ITRForm:OtherAssetProviso112/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_B3d", "ITRForm:OtherAssetProviso112/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_B3e", "ITRForm:OtherAssetProviso112/ITRForm:BalLTCG112", Conv::kAmountOrNil},
    {"cg_B4", "ITRForm:AmtDeemedCGSec54", Conv::kAmountOrNil},
    {"cg_B5", "ITRForm:TotalLTCG", Conv::kAmountOrNil},
};
// clang-format on
static_assert(!HasOverlappingKeys(kLongTermFor2And3));

// ITR-4 to ITR-6, below the short-term group; this layout has the slump-sale
// rows, hence other key letters.
constexpr KeyRow kShortTermFor4To6[] = {
    {"cg_A1a", "ITRForm:CapGainSlumpSale/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_A1b", "ITRForm:CapGainSlumpSale/ITRForm:NetWorthOfUTDivn", Conv::kAmountOrNil},
    {"cg_A1c", "ITRForm:CapGainSlumpSale/ITRForm:CGSlumpSale", Conv::kAmountOrNil},
    {"cg_A1d", "ITRForm:CapGainSlumpSale/ITRForm:DednUs54s", Conv::kAmountOrNil},
    {"cg_A1e", "ITRForm:CapGainSlumpSale/ITRForm:NetCGSlumpSale", Conv::kAmountOrNil},
    {"cg_A2", "ITRForm:NRIAssetSec48", Conv::kAmountOrNil},
    {"cg_A3a", "ITRForm:OtherAsset/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_A3bi", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:AquisitCost", Conv::kAmountOrNil},
    {"cg_A3bii", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:ImproveCost", Conv::kAmountOrNil},
    {"cg_A3biii", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_A3biv", "ITRForm:OtherAsset/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_A3c", "ITRForm:OtherAsset/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_A3d", "ITRForm:OtherAsset/ITRForm:LossSec94of7Or94of8", Conv::kAmountOrNil},
    {"cg_A3e", "ITRForm:OtherAsset/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_A3f", "ITRForm:OtherAsset/ITRForm:BalCG", Conv::kAmountOrNil, {}, kForm4},
    {"cg_A3f", "ITRForm:OtherAsset/ITRForm:BalSCG", Conv::kAmountOrNil, {}, kForms5And6},
    {"cg_A4", "ITRForm:DeemedSTCGDeprAsset", Conv::kAmountOrNil},
    {"cg_A5", "ITRForm:AmtDeemedCGSec54", Conv::kAmountOrNil},
    {"cg_A6", "ITRForm:TotalSTCG", Conv::kAmountOrNil},
    {"cg_A7", "ITRForm:STCGSec111A", Conv::kAmountOrNil},
    {"cg_A8", "ITRForm:STCGNotSec111A", Conv::kAmountOrNil},
};
static_assert(!HasOverlappingKeys(kShortTermFor4To6));

// ITR-4 to ITR-6, below the long-term group.
// clang-format off
constexpr KeyRow kLongTermFor4To6[] = {
    {"cg_B1a", "ITRForm:CapGainSlumpSale/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_B1b", "ITRForm:CapGainSlumpSale/ITRForm:NetWorthOfUTDivn", Conv::kAmountOrNil},
    {"cg_B1c", "ITRForm:CapGainSlumpSale/ITRForm:CGSlumpSale", Conv::kAmountOrNil},
    {"cg_B1d", "ITRForm:CapGainSlumpSale/ITRForm:DednUs54s", Conv::kAmountOrNil},
    {"cg_B1e", "ITRForm:CapGainSlumpSale/ITRForm:NetCGSlumpSale", Conv::kAmountOrNil},
    {"cg_B2", "ITRForm:NRIAssetSec48", Conv::kAmountOrNil},
    {"cg_B3a", "ITRForm:OtherAssetNoProviso112/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_B3bi", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:AquisitCostIndexed", Conv::kAmountOrNil},
    {"cg_B3bii", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:ImproveCostIndexed", Conv::kAmountOrNil},
    {"cg_B3biii", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_B3biv", "ITRForm:OtherAssetNoProviso112/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_B3c", "ITRForm:OtherAssetNoProviso112/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_B3d", "ITRForm:OtherAssetNoProviso112/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_B3e", "ITRForm:OtherAssetNoProviso112/ITRForm:BalLTCGNo112", Conv::kAmountOrNil},
    {"cg_B4a", "ITRForm:OtherAssetProviso112/ITRForm:FullConsideration", Conv::kAmountOrNil},
    {"cg_B4bi", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:AquisitCostNoIndex", Conv::kAmountOrNil},
    {"cg_B4bii", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:ImproveCostNoIndex", Conv::kAmountOrNil},
    {"cg_B4biii", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:ExpOnTrans", Conv::kAmountOrNil},
    {"cg_B4biv", "ITRForm:OtherAssetProviso112/ITRForm:DeductSec48/ITRForm:TotalDedn", Conv::kAmountOrNil},
    {"cg_B4c", "ITRForm:OtherAssetProviso112/ITRForm:BalanceCG", Conv::kAmountOrNil},
    {"cg_B4d", "ITRForm:OtherAssetProviso112/ITRForm:ExemptionOrDednUs54s", Conv::kAmountOrNil},
    {"cg_B4e", "ITRForm:OtherAssetProviso112/ITRForm:BalLTCG112", Conv::kAmountOrNil},
    {"cg_B5", "ITRForm:AmtDeemedCGSec54", Conv::kAmountOrNil},
    {"cg_B6", "ITRForm:TotalLTCG", Conv::kAmountOrNil},
};
// clang-format on
static_assert(!HasOverlappingKeys(kLongTermFor4To6));

// The income chargeable under the head, below the schedule itself.
constexpr KeyRow kChargeable[] = {
    {"cg_C", "ITRForm:TotScheduleCGFor23", Conv::kAmountOrNil, {}, Forms({2, 3})},
    {"cg_C", "ITRForm:IncChargeableHeadCapGains", Conv::kAmountOrNil, {}, kForm4},
    {"cg_C", "ITRForm:IncChargeableHeadCapGain", Conv::kAmountOrNil, {}, kForms5And6},
};
static_assert(!HasOverlappingKeys(kChargeable));

// The schedule's elements and computation rows, by form.
struct CapitalGainsLayout {
    When forms;
    std::string_view schedule;    // below the form element
    std::string_view short_term;  // below the schedule
    std::string_view long_term;
    std::span<const KeyRow> short_term_rows;
    std::span<const KeyRow> long_term_rows;
};

constexpr CapitalGainsLayout kLayouts[] = {
    {Forms({2, 3}), "ITRForm:ScheduleCGFor23", "ITRForm:ShortTermCapGainFor23",
     "ITRForm:LongTermCapGain23", kShortTermFor2And3, kLongTermFor2And3},
    {kForm4, "ITRForm:ScheduleCGFor4", "ITRForm:ShortTermCapGainFor4", "ITRForm:LongTermCapGain4",
     kShortTermFor4To6, kLongTermFor4To6},
    {kForms5And6, "ITRForm:ScheduleCG", "ITRForm:ShortTermCapGain", "ITRForm:LongTermCapGain",
     kShortTermFor4To6, kLongTermFor4To6},
};

// Rows of the accrual table (cg_D1 to cg_D4), below ITRForm:AccruOrRecOfCG.
constexpr std::string_view kAccrualRows[] = {
    "ITRForm:Long-Term-112_1_Applicable",
    "ITRForm:Long-Term",
    "ITRForm:Short-Term-Under-111A",
    "ITRForm:Short-Term",
};
constexpr std::string_view kAccrualRowsBefore2010[] = {"ITRForm:Long-Term", "ITRForm:Short-Term"};

// Columns of the accrual table (a, b, ...), below each row's ITRForm:DateRange.
constexpr std::string_view kPeriodsUpTo15September[] = {
    "ITRForm:Upto15Of9", "ITRForm:Up16Of9To15Of12", "ITRForm:Up16Of12To15Of3",
    "ITRForm:Up16Of3To31Of3"};
constexpr std::string_view kPeriodsFrom16June[] = {
    "ITRForm:Up16Of6To15Of9", "ITRForm:Up16Of9To15Of12", "ITRForm:Up16Of12To15Of3",
    "ITRForm:Up16Of3To31Of3"};
constexpr std::string_view kPeriodsUpTo15June[] = {
    "ITRForm:Upto15Of6", "ITRForm:Up16Of6To15Of9", "ITRForm:Up16Of9To15Of12",
    "ITRForm:Up16Of12To15Of3", "ITRForm:Up16Of3To31Of3"};

struct AccrualColumns {
    When when;
    std::span<const std::string_view> periods;
};

constexpr AccrualColumns kAccrualColumns[] = {
    {Forms({2, 3, 4}), kPeriodsUpTo15September},
    {Forms({5}), kPeriodsFrom16June},
    {When{.forms = FormBit(6), .to_year = 2009}, kPeriodsFrom16June},
    {FormsFrom({6}, 2010), kPeriodsUpTo15June},
};

// Income from other sources, below ITRForm:ScheduleOS.
// clang-format off
constexpr KeyRow kOtherSources[] = {
    {"os_1a", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:DividendGross", Conv::kAmountOrNil},
    {"os_1b", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:InterestGross", Conv::kAmountOrNil},
    {"os_1c", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:RentFromMachPlantBldgs", Conv::kAmountOrNil},
    {"os_1d", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:OthersGross", Conv::kAmountOrNil},
    {"os_1e", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:TotalOSGross", Conv::kAmountOrNil},
    {"os_1fi", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:Deductions/ITRForm:Expenses", Conv::kAmountOrNil},
    {"os_1fii", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:Deductions/ITRForm:Depreciation", Conv::kAmountOrNil},
    {"os_1fiii", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:Deductions/ITRForm:TotDeductions", Conv::kAmountOrNil},
    {"os_1g", "ITRForm:IncOthThanOwnRaceHorse/ITRForm:BalanceNoRaceHorse", Conv::kAmountOrNil},
    {"os_2", "ITRForm:WinLottRacePuzz", Conv::kAmountOrNil},
    {"os_3", "ITRForm:TotOthSrcNoRaceHorse", Conv::kAmountOrNil},
    {"os_4a", "ITRForm:IncFromOwnHorse/ITRForm:Receipts", Conv::kAmountOrNil},
    {"os_4b", "ITRForm:IncFromOwnHorse/ITRForm:DeductSec57", Conv::kAmountOrNil},
    {"os_4c", "ITRForm:IncFromOwnHorse/ITRForm:BalanceOwnRaceHorse", Conv::kAmountOrNil},
    {"os_5", "ITRForm:IncChargeable", Conv::kAmountOrNil, {}, Forms({2, 3, 4})},
    {"os_5", "ITRForm:IncChargeableFrmOthSrc", Conv::kAmountOrNil, {},
     When{.forms = static_cast<std::uint16_t>(~Forms({2, 3, 4}).forms)}},
};
// clang-format on
static_assert(!HasOverlappingKeys(kOtherSources));

// ITR-4 to ITR-6 print these schedules with the scientific research keys.
std::string_view Section(int form_code) {
    return form_code == 4 || form_code == 5 || form_code == 6 ? "SCHEDULE-ESR" : "SCHEDULE-CG";
}

void WriteAccrualTable(TIniControl& ini, const ReturnContext& context, std::string_view section,
                       XmlNode schedule) {
    const std::span<const std::string_view> rows =
        context.AssessmentYear < 2010 ? std::span<const std::string_view>(kAccrualRowsBefore2010)
                                      : std::span<const std::string_view>(kAccrualRows);
    std::span<const std::string_view> periods;
    for (const AccrualColumns& columns : kAccrualColumns) {
        if (columns.when.Holds(context)) periods = columns.periods;
    }
    const XmlNode accrual = FindChild(schedule, "ITRForm:AccruOrRecOfCG");
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const XmlNode range = FindChild(FindChild(accrual, rows[row]), "ITRForm:DateRange");
        for (std::size_t column = 0; column < periods.size(); ++column) {
            const std::string key =
                "cg_D" + std::to_string(row + 1) + static_cast<char>('a' + column);
            WriteRow(ini, section, range, KeyRow{key, periods[column], Conv::kAmountOrNil});
        }
    }
}

}  // namespace

void FillScheduleCG(TIniControl& ini, const ReturnContext& context) {
    const std::string_view section = Section(context.FormCode);
    for (const CapitalGainsLayout& layout : kLayouts) {
        if (!layout.forms.Holds(context)) continue;
        const XmlNode schedule = FindChild(context.FormElement(), layout.schedule);
        if (!schedule) return;
        const XmlNode short_term = FindChild(schedule, layout.short_term);
        const XmlNode long_term = FindChild(schedule, layout.long_term);
        WriteRows(ini, context, section, short_term, layout.short_term_rows);
        WriteRows(ini, context, section, long_term, layout.long_term_rows);
        WriteRows(ini, context, section, schedule, kChargeable);
        WriteAccrualTable(ini, context, section, schedule);
        return;
    }
}

void FillScheduleOS(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleOS");
    if (schedule) WriteRows(ini, context, Section(context.FormCode), schedule, kOtherSources);
}

}  // namespace orvane
