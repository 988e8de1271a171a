#include "mapping/fill/Partners.h"

#include "mapping/fill/NumberedRows.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:PartnerOrMemberInfo; the share is written as the return holds it.
constexpr KeyRow kPartnerColumns[] = {
    {"Name", "ITRForm:PartnerOrMemberName"},
    {"Address", "ITRForm:AddressDetail/ITRForm:AddrDetail"},
    {"Percentage", "ITRForm:SharePercentage"},
    {"PAN", "ITRForm:PAN"},
};

constexpr NumberedTable kPartners{"PART-A-PARTNERS", "ITRForm:PartnerOrMemberInfo", kPartnerColumns,
                                  "ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict", "Address"};

}  // namespace

void FillPartners(TIniControl& ini, const ReturnContext& context) {
    WriteNumberedTable(ini, FindChild(context.FormElement(), "ITRForm:PartA_GEN2"), kPartners);
}

}  // namespace orvane
