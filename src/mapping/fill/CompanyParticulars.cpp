#include "mapping/fill/CompanyParticulars.h"

#include <span>
#include <string>

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

struct ParticularsTable {
    std::string_view section;
    std::string_view row_element;
    std::span<const KeyRow> before_address;  // columns before Address
    std::span<const KeyRow> after_address;   // columns after Address
};

constexpr KeyRow kKeyPersonNames[] = {
    {"Name", "ITRForm:PersonName"},
    {"Designation", "ITRForm:Designation"},
};
constexpr KeyRow kKeyPersonPan[] = {{"PAN", "ITRForm:KeyPerPAN"}};

constexpr KeyRow kShareholderNames[] = {{"Name", "ITRForm:ShareHolderInfoName"}};
constexpr KeyRow kShareholderShares[] = {
    {"Percentage", "ITRForm:PercentageOfShare"},
    {"PAN", "ITRForm:ShareHolderPAN"},
};

constexpr ParticularsTable kKeyPersons{"PART-A-KEYPERSON", "ITRForm:KeyPersons", kKeyPersonNames,
                                       kKeyPersonPan};
constexpr ParticularsTable kShareholders{"PART-A-SHAREHOLDER", "ITRForm:ShareHolderInfo",
                                         kShareholderNames, kShareholderShares};

// Writes one row per row element; the Address column joins the address line
// and the city with one blank.
void WriteParticulars(TIniControl& ini, const ReturnContext& context,
                      const ParticularsTable& table) {
    const XmlNode parent = FindChild(context.FormElement(), "ITRForm:PartA_GEN2For6");
    int n = 0;
    for (const XmlNode row : ChildrenNamed(parent, table.row_element)) {
        const std::string section = std::string(table.section) + "-" + std::to_string(++n);
        ini.WriteValue(section, "SrNo", std::to_string(n));
        for (const KeyRow& column : table.before_address) WriteRow(ini, section, row, column);
        ini.WriteValue(section, "Address",
                       GetPathValue(row, "ITRForm:AddressDetail/ITRForm:AddrDetail") + " " +
                           GetPathValue(row, "ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict"));
        for (const KeyRow& column : table.after_address) WriteRow(ini, section, row, column);
    }
    if (n == 0) ini.WriteValue(std::string(table.section) + "-1", "SrNo", ".");
}

}  // namespace

void FillKeyPersons(TIniControl& ini, const ReturnContext& context) {
    WriteParticulars(ini, context, kKeyPersons);
}

void FillShareholders(TIniControl& ini, const ReturnContext& context) {
    WriteParticulars(ini, context, kShareholders);
}

}  // namespace orvane
