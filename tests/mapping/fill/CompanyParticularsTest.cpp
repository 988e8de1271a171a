#include <gtest/gtest.h>

#include "mapping/fill/CompanyParticulars.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::CrLf;
using test::Fill;

std::string KeyPerson(std::string_view name, std::string_view city) {
    return "<ITRForm:KeyPersons><ITRForm:PersonName>" + std::string(name) +
           "</ITRForm:PersonName><ITRForm:Designation>DIRECTOR</ITRForm:Designation>"
           "<ITRForm:AddressDetail><ITRForm:AddrDetail>7 HILL VIEW</ITRForm:AddrDetail>"
           "<ITRForm:CityOrTownOrDistrict>" +
           std::string(city) +
           "</ITRForm:CityOrTownOrDistrict></ITRForm:AddressDetail>"
           "<ITRForm:KeyPerPAN>ABCPD1234E</ITRForm:KeyPerPAN></ITRForm:KeyPersons>";
}

TEST(CompanyParticulars, KeyPersonsAreNumberedWithoutGaps) {
    const auto filled = Fill(FillKeyPersons, 6, 2009,
                             "<ITRForm:PartA_GEN2For6>" + KeyPerson("ANIL JOSHI", "MUMBAI") +
                                 "<ITRForm:AuditInfo/>" + KeyPerson("RITA JOSHI", "") +
                                 "<ITRForm:ShareHolderInfo/>" + KeyPerson("VIJAY NAIR", "THANE") +
                                 "</ITRForm:PartA_GEN2For6>");
    EXPECT_EQ(filled.text,
              CrLf({"[PART-A-KEYPERSON-1]", "SrNo=1", "Name=ANIL JOSHI", "Designation=DIRECTOR",
                    "Address=7 HILL VIEW MUMBAI", "PAN=ABCPD1234E", "[PART-A-KEYPERSON-2]",
                    "SrNo=2", "Name=RITA JOSHI", "Designation=DIRECTOR", "Address=7 HILL VIEW ",
                    "PAN=ABCPD1234E", "[PART-A-KEYPERSON-3]", "SrNo=3", "Name=VIJAY NAIR",
                    "Designation=DIRECTOR", "Address=7 HILL VIEW THANE", "PAN=ABCPD1234E"}));
}

TEST(CompanyParticulars, Shareholders) {
    const auto filled =
        Fill(FillShareholders, 6, 2010,
             "<ITRForm:PartA_GEN2For6><ITRForm:ShareHolderInfo>"
             "<ITRForm:ShareHolderInfoName>ANIL JOSHI</ITRForm:ShareHolderInfoName>"
             "<ITRForm:AddressDetail><ITRForm:AddrDetail>7 HILL VIEW</ITRForm:AddrDetail>"
             "<ITRForm:CityOrTownOrDistrict>MUMBAI</ITRForm:CityOrTownOrDistrict></"
             "ITRForm:AddressDetail>"
             "<ITRForm:PercentageOfShare>0</ITRForm:PercentageOfShare>"
             "<ITRForm:ShareHolderPAN>ABCPD1234E</ITRForm:ShareHolderPAN>"
             "</ITRForm:ShareHolderInfo></ITRForm:PartA_GEN2For6>");
    EXPECT_EQ(filled.text, CrLf({"[PART-A-SHAREHOLDER-1]", "SrNo=1", "Name=ANIL JOSHI",
                                 "Address=7 HILL VIEW MUMBAI", "Percentage=0", "PAN=ABCPD1234E"}));
}

TEST(CompanyParticulars, EmptyListsPrintOneRowHoldingADot) {
    for (const char* body :
         {"", "<ITRForm:PartA_GEN2For6><ITRForm:AuditInfo/></ITRForm:PartA_GEN2For6>",
          "<ITRForm:PartA_GEN2><ITRForm:KeyPersons/></ITRForm:PartA_GEN2>"}) {
        EXPECT_EQ(Fill(FillKeyPersons, 6, 2009, body).text,
                  CrLf({"[PART-A-KEYPERSON-1]", "SrNo=."}))
            << body;
        EXPECT_EQ(Fill(FillShareholders, 6, 2009, body).text,
                  CrLf({"[PART-A-SHAREHOLDER-1]", "SrNo=."}))
            << body;
    }
}

}  // namespace
}  // namespace orvane
