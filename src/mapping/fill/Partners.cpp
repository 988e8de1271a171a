#include "mapping/fill/Partners.h"

#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:PartnerOrMemberInfo; the share is written as the return holds it.
constexpr TableColumn kPartnerColumns[] = {
    {{"Name", "ITRForm:PartnerOrMemberName"}},
    {{"Address", "ITRForm:AddressDetail/ITRForm:AddrDetail"}},
    {{"Percentage", "ITRForm:SharePercentage"}},
    {{"PAN", "ITRForm:PAN"}},
};

// The partner's city is printed under the address.
constexpr NumberedTable kPartners{
    "PART-A-PARTNERS", "ITRForm:PartnerOrMemberInfo", kPartnerColumns,
    Continuation{"ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict", {}, "Address"}};

}  // namespace

void FillPartners(TIniControl& ini, const ReturnContext& context) {
    const XmlNode general = FindChild(context.FormElement(), "ITRForm:PartA_GEN2");
    if (WriteNumberedTable(ini, general, kPartners, nullptr) == 0) {
        WritePlaceholderRow(ini, kPartners.section);
    }
}

}  // namespace orvane
