#include <gtest/gtest.h>

#include "mapping/fill/Partners.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::CrLf;
using test::Fill;

std::string Partner(std::string_view name, std::string_view city, std::string_view share) {
    return "<ITRForm:PartnerOrMemberInfo><ITRForm:PartnerOrMemberName>" + std::string(name) +
           "</ITRForm:PartnerOrMemberName><ITRForm:AddressDetail><ITRForm:AddrDetail>12 MG ROAD"
           "</ITRForm:AddrDetail><ITRForm:CityOrTownOrDistrict>" +
           std::string(city) +
           "</ITRForm:CityOrTownOrDistrict></ITRForm:AddressDetail><ITRForm:SharePercentage>" +
           std::string(share) +
           "</ITRForm:SharePercentage><ITRForm:PAN>AAAPK1111A</ITRForm:PAN>"
           "</ITRForm:PartnerOrMemberInfo>";
}

// A partner's city goes into a continuation row that takes the next number.
TEST(Partners, CitiesTakeContinuationRows) {
    const auto filled = Fill(FillPartners, 5, 2009,
                             "<ITRForm:PartA_GEN2>" + Partner("KIRAN RAO", "PUNE", "50") +
                                 "<ITRForm:NatOfBus/>" + Partner("MEERA DAS", "", "0") +
                                 Partner("ARJUN SEN", "NASIK", "50") + "</ITRForm:PartA_GEN2>");
    EXPECT_EQ(filled.text, CrLf({"[PART-A-PARTNERS-1]", "SrNo=1",        "Name=KIRAN RAO",
                                 "Address=12 MG ROAD",  "Percentage=50", "PAN=AAAPK1111A",
                                 "[PART-A-PARTNERS-2]", "SrNo=.",        "Address=PUNE",
                                 "[PART-A-PARTNERS-3]", "SrNo=3",        "Name=MEERA DAS",
                                 "Address=12 MG ROAD",  "Percentage=0",  "PAN=AAAPK1111A",
                                 "[PART-A-PARTNERS-4]", "SrNo=4",        "Name=ARJUN SEN",
                                 "Address=12 MG ROAD",  "Percentage=50", "PAN=AAAPK1111A",
                                 "[PART-A-PARTNERS-5]", "SrNo=.",        "Address=NASIK"}));
}

TEST(Partners, BlankCityTakesNoRow) {
    const auto filled =
        Fill(FillPartners, 5, 2009,
             "<ITRForm:PartA_GEN2>" + Partner("KIRAN RAO", "   ", "100") + "</ITRForm:PartA_GEN2>");
    EXPECT_FALSE(filled.Has("PART-A-PARTNERS-2", "SrNo"));
}

TEST(Partners, WithoutPartnersOneRowHoldsADot) {
    for (const char* body : {"", "<ITRForm:PartA_GEN2><ITRForm:NatOfBus/></ITRForm:PartA_GEN2>"}) {
        EXPECT_EQ(Fill(FillPartners, 5, 2010, body).text, CrLf({"[PART-A-PARTNERS-1]", "SrNo=."}));
    }
}

}  // namespace
}  // namespace orvane
