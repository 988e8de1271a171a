#include <gtest/gtest.h>

#include "mapping/fill/DividendTax.h"
#include "mapping/fill/ScheduleMAT.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::CrLf;
using test::Fill;

TEST(DividendTax, OnlyTheFirstDeclarationIsRead) {
    const auto section =
        Fill(FillScheduleDDT, 6, 2010,
             "<ITRForm:ScheduleDDT><ITRForm:DDT>"
             "<ITRForm:DateOfDeclareDividProfDomesComp>2009-09-28</"
             "ITRForm:DateOfDeclareDividProfDomesComp>"
             "<ITRForm:RateDividPrevYrType>0</ITRForm:RateDividPrevYrType>"
             "<ITRForm:AmtAnyDividDeclarOrPaid>500000</ITRForm:AmtAnyDividDeclarOrPaid>"
             "<ITRForm:TaxPayOnDividDeclarOrPaid><ITRForm:TotDDTPayable>84983</"
             "ITRForm:TotDDTPayable>"
             "</ITRForm:TaxPayOnDividDeclarOrPaid></ITRForm:DDT>"
             "<ITRForm:DDT><ITRForm:AmtAnyDividDeclarOrPaid>1</ITRForm:AmtAnyDividDeclarOrPaid></"
             "ITRForm:DDT>"
             "<ITRForm:TaxAndInterestPaid>84983</ITRForm:TaxAndInterestPaid></ITRForm:ScheduleDDT>")
            .Section("SCHEDULE-MAT");
    EXPECT_EQ(section, (std::vector<std::string>{"ddt_1=28-09-2009", "ddt_2a=Nil", "ddt_2b=Nil",
                                                 "ddt_3=500000", "ddt_4a=Nil", "ddt_4b=Nil",
                                                 "ddt_4c=Nil", "ddt_4d=84983", "ddt_5=Nil",
                                                 "ddt_6=Nil", "ddt_7=84983", "ddt_8=Nil"}));
}

// The three fillers of SCHEDULE-MAT share the section; each writes only its own.
TEST(DividendTax, WithoutMatOnlyTheDividendKeys) {
    const auto filled = Fill(
        [](TIniControl& ini, const ReturnContext& context) {
            FillScheduleMAT(ini, context);
            FillScheduleMATC(ini, context);
            FillScheduleDDT(ini, context);
        },
        6, 2011, "<ITRForm:ScheduleDDT/>");
    const auto section = filled.Section("SCHEDULE-MAT");
    ASSERT_EQ(section.size(), 12U);
    EXPECT_EQ(section.front(), "ddt_1=--");
    EXPECT_EQ(Fill(FillScheduleDDT, 6, 2011, "").text, "");
}

TEST(DividendTax, PaymentsWithBranchesAndTheirTotal) {
    const auto payment = [](std::string_view amount, std::string_view branch) {
        return "<ITRForm:TaxPayment><ITRForm:NameOfBankAndBranch><ITRForm:NameOfBank>UNION BANK"
               "</ITRForm:NameOfBank><ITRForm:NameOfBranch>" +
               std::string(branch) +
               "</ITRForm:NameOfBranch></ITRForm:NameOfBankAndBranch><ITRForm:BSRCode>0290012"
               "</ITRForm:BSRCode><ITRForm:DateDep>2009-10-05</ITRForm:DateDep>"
               "<ITRForm:SrlNoOfChaln>71</ITRForm:SrlNoOfChaln><ITRForm:Amt>" +
               std::string(amount) + "</ITRForm:Amt></ITRForm:TaxPayment>";
    };
    const auto filled = Fill(FillScheduleDDTP, 6, 2010,
                             "<ITRForm:ScheduleDDTP>" + payment("80000", "NARIMAN POINT") +
                                 payment("4983", "ANDHERI EAST") + "</ITRForm:ScheduleDDTP>");
    EXPECT_EQ(filled.text, CrLf({"[SCHEDULE-DDTP-1]",
                                 "SrNo=1",
                                 "Bank=UNION BANK",
                                 "BsrCode=0290012",
                                 "Date=05-10-2009",
                                 "ChallanNo=71",
                                 "Amount=80000",
                                 "[SCHEDULE-DDTP-2]",
                                 "SrNo=.",
                                 "Bank=NARIMAN POINT",
                                 "[SCHEDULE-DDTP-3]",
                                 "SrNo=3",
                                 "Bank=UNION BANK",
                                 "BsrCode=0290012",
                                 "Date=05-10-2009",
                                 "ChallanNo=71",
                                 "Amount=4983",
                                 "[SCHEDULE-DDTP-4]",
                                 "SrNo=.",
                                 "Bank=ANDHERI EAST"}));
    EXPECT_EQ(filled.totals[22], 84983);
    const auto empty = Fill(FillScheduleDDTP, 6, 2010, "<ITRForm:ScheduleDDTP/>");
    EXPECT_EQ(empty.text, CrLf({"[SCHEDULE-DDTP-1]", "SrNo=."}));
    EXPECT_EQ(empty.totals[22], 0);
}

}  // namespace
}  // namespace orvane
