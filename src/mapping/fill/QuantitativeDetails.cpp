#include "mapping/fill/QuantitativeDetails.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <span>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-QD";

// One column of a group: its key and the quantity element of every item.
struct QuantityColumn {
    std::string_view key;
    std::string_view element;
};

constexpr QuantityColumn kTrading[] = {
    {"qd_1", "ITRForm:OpeningStock"},  {"qd_2", "ITRForm:PurchaseQty"},
    {"qd_3", "ITRForm:SaleQty"},       {"qd_4", "ITRForm:ClgStock"},
    {"qd_5", "ITRForm:AnyShortExces"},
};

// The yield percentages are added up like the quantities.
constexpr QuantityColumn kRawMaterials[] = {
    {"qd_6a", "ITRForm:OpeningStock"}, {"qd_6b", "ITRForm:PurchaseQty"},
    {"qd_6c", "ITRForm:PrevYrConsum"}, {"qd_6d", "ITRForm:SaleQty"},
    {"qd_6e", "ITRForm:ClgStock"},     {"qd_6f", "ITRForm:yldFinisProd"},
    {"qd_6g", "ITRForm:PercentYld"},   {"qd_6h", "ITRForm:AnyShortExces"},
};

constexpr QuantityColumn kFinishedProducts[] = {
    {"qd_7a", "ITRForm:OpeningStock"},  {"qd_7b", "ITRForm:PurchaseQty"},
    {"qd_7c", "ITRForm:PrevyrManfact"}, {"qd_7d", "ITRForm:SaleQty"},
    {"qd_7e", "ITRForm:ClgStock"},      {"qd_7f", "ITRForm:AnyShortExces"},
};

struct QuantityGroup {
    std::string_view path;  // below ITRForm:PARTA_QD
    std::span<const QuantityColumn> columns;
};

constexpr QuantityGroup kGroups[] = {
    {"ITRForm:TradingConcern", kTrading},
    {"ITRForm:ManfactrConcern/ITRForm:RawMaterial", kRawMaterials},
    {"ITRForm:ManfactrConcern/ITRForm:FinishrByProd", kFinishedProducts},
};

// The column totals of one group, in the order of its columns.
std::array<std::int32_t, 8> GroupTotals(XmlNode group, std::span<const QuantityColumn> columns) {
    std::array<std::int32_t, 8> totals{};
    for (const XmlNode item : ChildrenNamed(group, "ITRForm:QuantitDet")) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            totals.at(i) = AddIntText(totals.at(i), GetNodeValue(item, columns[i].element));
        }
    }
    return totals;
}

}  // namespace

void FillPartAQD(TIniControl& ini, const ReturnContext& context) {
    const XmlNode details = FindChild(context.FormElement(), "ITRForm:PARTA_QD");
    // Every quantity is added up before anything is written.
    std::array<std::array<std::int32_t, 8>, std::size(kGroups)> totals{};
    for (std::size_t g = 0; g < std::size(kGroups); ++g) {
        totals.at(g) = GroupTotals(FindPath(details, kGroups[g].path), kGroups[g].columns);
    }
    for (std::size_t g = 0; g < std::size(kGroups); ++g) {
        const auto columns = kGroups[g].columns;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            ini.WriteValue(kSection, columns[i].key, FloatOrNil(totals.at(g).at(i)));
        }
    }
}

}  // namespace orvane
