#include "mapping/fill/Depreciation.h"

#include <span>
#include <string>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-DPM";

// One asset class at one rate: the block letter of its keys and its element.
struct DepreciationBlock {
    char letter;
    std::string_view path;
};

constexpr DepreciationBlock kPlantAndMachinery[] = {
    {'A', "ITRForm:PlantMachinery/ITRForm:Rate15"},  {'B', "ITRForm:PlantMachinery/ITRForm:Rate30"},
    {'C', "ITRForm:PlantMachinery/ITRForm:Rate40"},  {'D', "ITRForm:PlantMachinery/ITRForm:Rate50"},
    {'E', "ITRForm:PlantMachinery/ITRForm:Rate60"},  {'F', "ITRForm:PlantMachinery/ITRForm:Rate80"},
    {'G', "ITRForm:PlantMachinery/ITRForm:Rate100"},
};

constexpr DepreciationBlock kOtherAssets[] = {
    {'A', "ITRForm:Building/ITRForm:Rate5"},
    {'B', "ITRForm:Building/ITRForm:Rate10"},
    {'C', "ITRForm:Building/ITRForm:Rate100"},
    {'D', "ITRForm:FurnitureFittings/ITRForm:Rate10"},
    {'E', "ITRForm:IntangibleAssets/ITRForm:Rate25"},
    {'F', "ITRForm:Ships/ITRForm:Rate20"},
};

// Columns 3 to 17 of a block, below its ITRForm:DepreciationDetail. ITR-5 and
// ITR-6 name columns 8 and 13 after the whole year rather than after the
// additions of less than 180 days.
struct DepreciationColumn {
    int number;
    std::string_view element;       // ITR-4
    std::string_view firm_element;  // ITR-5, ITR-6
};

// clang-format off
constexpr DepreciationColumn kColumns[] = {
    {3, "ITRForm:WDVFirstDay", "ITRForm:WDVFirstDay"},
    {4, "ITRForm:AdditionsGrThan180Days", "ITRForm:AdditionsGrThan180Days"},
    {5, "ITRForm:RealizationTotalPeriod", "ITRForm:RealizationTotalPeriod"},
    {6, "ITRForm:FullRateDeprAmt", "ITRForm:FullRateDeprAmt"},
    {7, "ITRForm:AdditionsLessThan180Days", "ITRForm:AdditionsLessThan180Days"},
    {8, "ITRForm:RealizationPeriodLessThan180days", "ITRForm:RealizationPeriodDuringYear"},
    {9, "ITRForm:HalfRateDeprAmt", "ITRForm:HalfRateDeprAmt"},
    {10, "ITRForm:DepreciationAtFullRate", "ITRForm:DepreciationAtFullRate"},
    {11, "ITRForm:DepreciationAtHalfRate", "ITRForm:DepreciationAtHalfRate"},
    {12, "ITRForm:AddlnDeprOnGT180DayAdditions", "ITRForm:AddlnDeprOnGT180DayAdditions"},
    {13, "ITRForm:AddlnDeprOnLessThan180DayAdditions", "ITRForm:AddlnDeprDuringYearAdditions"},
    {14, "ITRForm:TotalDepreciation", "ITRForm:TotalDepreciation"},
    {15, "ITRForm:ExpdrOnTrforSaleAsset", "ITRForm:ExpdrOnTrforSaleAsset"},
    {16, "ITRForm:CapGainUs50", "ITRForm:CapGainUs50"},
    {17, "ITRForm:WDVLastDay", "ITRForm:WDVLastDay"},
};
// clang-format on

// One line of the summaries: the key ending, the group (plant and machinery
// or building, empty for the lines read directly below the summary) and the
// element.
struct SummaryLine {
    std::string_view ending;
    std::string_view group;
    std::string_view element;
};

constexpr std::string_view kPlant = "ITRForm:PlantMachinerySummary";
constexpr std::string_view kBuilding = "ITRForm:BuildingSummary";

// clang-format off
constexpr SummaryLine kSummaryLines[] = {
    {"1a", kPlant, "ITRForm:DeprBlockTot15Percent"},
    {"1b", kPlant, "ITRForm:DeprBlockTot30Percent"},
    {"1c", kPlant, "ITRForm:DeprBlockTot40Percent"},
    {"1d", kPlant, "ITRForm:DeprBlockTot50Percent"},
    {"1e", kPlant, "ITRForm:DeprBlockTot60Percent"},
    {"1f", kPlant, "ITRForm:DeprBlockTot80Percent"},
    {"1g", kPlant, "ITRForm:DeprBlockTot100Percent"},
    {"1h", kPlant, "ITRForm:TotPlntMach"},
    {"2a", kBuilding, "ITRForm:DeprBlockTot5Percent"},
    {"2b", kBuilding, "ITRForm:DeprBlockTot10Percent"},
    {"2c", kBuilding, "ITRForm:DeprBlockTot100Percent"},
    {"2d", kBuilding, "ITRForm:TotBuildng"},
    {"3", {}, "ITRForm:FurnitureSummary"},
    {"4", {}, "ITRForm:IntangibleAssetSummary"},
    {"5", {}, "ITRForm:ShipsSummary"},
    {"6", {}, "ITRForm:TotalDepreciation"},
};
// clang-format on

void WriteBlocks(TIniControl& ini, XmlNode schedule, std::string_view prefix,
                 std::span<const DepreciationBlock> blocks, bool firm) {
    for (const DepreciationBlock& block : blocks) {
        const XmlNode detail =
            FindChild(FindPath(schedule, block.path), "ITRForm:DepreciationDetail");
        for (const DepreciationColumn& column : kColumns) {
            const std::string key =
                std::string(prefix) + std::to_string(column.number) + block.letter;
            const std::string_view element = firm ? column.firm_element : column.element;
            ini.WriteValue(kSection, key, AmountOrNil(GetNodeValue(detail, element)));
        }
    }
}

// Writes the sixteen summary lines below `summary` (the SUM group); `suffix`
// is appended to the plant and machinery and the building group names.
void WriteSummary(TIniControl& ini, XmlNode summary, std::string_view prefix,
                  std::string_view suffix) {
    for (const SummaryLine& line : kSummaryLines) {
        const std::string key = std::string(prefix) + std::string(line.ending);
        std::string value;
        if (line.group.empty()) {
            value = GetNodeValue(summary, line.element);
        } else {
            const std::string group = std::string(line.group) + std::string(suffix);
            value = GetNodeValue(FindChild(summary, group), line.element);
        }
        ini.WriteValue(kSection, key, AmountOrNil(value));
    }
}

}  // namespace

void FillScheduleDPM(TIniControl& ini, const ReturnContext& context) {
    const XmlNode form = context.FormElement();
    const bool firm = context.FormCode == 5 || context.FormCode == 6;
    if (const XmlNode plant = FindChild(form, "ITRForm:ScheduleDPM")) {
        WriteBlocks(ini, plant, "dpm_", kPlantAndMachinery, firm);
    }
    if (const XmlNode other = FindChild(form, "ITRForm:ScheduleDOA")) {
        WriteBlocks(ini, other, "doa_", kOtherAssets, firm);
    }
    if (const XmlNode depreciation = FindChild(form, "ITRForm:ScheduleDEP")) {
        WriteSummary(ini, FindChild(depreciation, "ITRForm:SummaryFromDeprSch"), "dep_", "");
    }
    if (const XmlNode gains = FindChild(form, "ITRForm:ScheduleDCG")) {
        // Returns before 2008-09 keep the summary of depreciation's names here.
        const bool before2008 = context.AssessmentYear < 2008;
        const XmlNode summary = FindChild(
            gains, before2008 ? "ITRForm:SummaryFromDeprSch" : "ITRForm:SummaryFromDeprSchCG");
        WriteSummary(ini, summary, "dcg_", before2008 ? "" : "CG");
    }
}

}  // namespace orvane
