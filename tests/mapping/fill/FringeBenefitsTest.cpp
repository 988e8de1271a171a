#include <gtest/gtest.h>

#include "mapping/fill/FringeBenefits.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::CrLf;
using test::Fill;

std::string Payment(std::string_view branch, std::string_view amount) {
    return "<ITRForm:TaxPayment><ITRForm:NameOfBankAndBranch><ITRForm:NameOfBank>STATE BANK"
           "</ITRForm:NameOfBank><ITRForm:NameOfBranch>" +
           std::string(branch) +
           "</ITRForm:NameOfBranch></ITRForm:NameOfBankAndBranch><ITRForm:BSRCode>0510308"
           "</ITRForm:BSRCode><ITRForm:DateDep>2009-03-14</ITRForm:DateDep><ITRForm:SrlNoOfChaln>"
           "00231</ITRForm:SrlNoOfChaln><ITRForm:Amt>" +
           std::string(amount) + "</ITRForm:Amt></ITRForm:TaxPayment>";
}

TEST(ScheduleFBT, PaymentsWithBranchRowsAndTheirTotal) {
    const auto filled = Fill(FillScheduleFBT, 8, 2009,
                             "<ITRForm:ScheduleFBT>" + Payment("FORT", "4500") + Payment("", "0") +
                                 Payment("", "1250") + "</ITRForm:ScheduleFBT>");
    EXPECT_EQ(filled.text,
              CrLf({"[SCHEDULE-FBT-1]", "SrNo=1",           "Bank=STATE BANK",  "BsrCode=0510308",
                    "Date=14-03-2009",  "ChallanNo=00231",  "Amount=4500",      "[SCHEDULE-FBT-2]",
                    "SrNo=.",           "Bank=FORT",        "[SCHEDULE-FBT-3]", "SrNo=3",
                    "Bank=STATE BANK",  "BsrCode=0510308",  "Date=14-03-2009",  "ChallanNo=00231",
                    "Amount=Nil",       "[SCHEDULE-FBT-4]", "SrNo=4",           "Bank=STATE BANK",
                    "BsrCode=0510308",  "Date=14-03-2009",  "ChallanNo=00231",  "Amount=1250"}));
    EXPECT_EQ(filled.totals[21], 5750);
}

TEST(ScheduleFBT, WithoutPaymentsOneRowHoldsADot) {
    const auto filled = Fill(FillScheduleFBT, 5, 2011, "<ITRForm:ScheduleIT/>");
    EXPECT_EQ(filled.text, CrLf({"[SCHEDULE-FBT-1]", "SrNo=."}));
    EXPECT_EQ(filled.totals[21], 0);
}

TEST(ScheduleFBT, AnAmountThatIsNotWholeEndsTheRunBeforeItIsWritten) {
    std::string written;
    EXPECT_EQ(
        test::FillFailure(FillScheduleFBT, 6, 2009,
                          "<ITRForm:ScheduleFBT>" + Payment("", "99.50") + "</ITRForm:ScheduleFBT>",
                          &written),
        "'99.50' is not a valid integer value");
    EXPECT_NE(written.find("ChallanNo=00231\r\n"), std::string::npos);
    EXPECT_EQ(written.find("Amount="), std::string::npos);
}

// The employee counts are written as they are; the benefit values as amounts.
TEST(ScheduleFBI, EmployeesAndBenefits) {
    const auto filled = Fill(
        FillScheduleFBI, 6, 2008,
        "<ITRForm:ScheduleFBI><ITRForm:EmployeesInOutIndiaFlg>N</ITRForm:EmployeesInOutIndiaFlg>"
        "<ITRForm:TotEmpDetails><ITRForm:NoOfIndianEmps>0</ITRForm:NoOfIndianEmps>"
        "<ITRForm:TotNoOfEmps>0</ITRForm:TotNoOfEmps></ITRForm:TotEmpDetails></ITRForm:ScheduleFBI>"
        "<ITRForm:ScheduleFB><ITRForm:Hospitality><ITRForm:BusOfHotel><ITRForm:SchedFBAmtFBVal>"
        "<ITRForm:AmtOrValueOfExpenditure>40000</ITRForm:AmtOrValueOfExpenditure>"
        "<ITRForm:ValueOfFB>0</ITRForm:ValueOfFB></ITRForm:SchedFBAmtFBVal></ITRForm:BusOfHotel>"
        "</ITRForm:Hospitality><ITRForm:TotValueOfFB>2000</ITRForm:TotValueOfFB></"
        "ITRForm:ScheduleFB>");
    const auto section = filled.Section("SCHEDULE-FBI");
    ASSERT_EQ(section.size(), 70U);
    EXPECT_EQ(std::vector<std::string>(section.begin(), section.begin() + 7),
              (std::vector<std::string>{"fbi_1=N", "fbi_2=", "fbi_3a=0", "fbi_3b=", "fbi_3c=0",
                                        "fb_1a=Nil", "fb_1b=Nil"}));
    EXPECT_EQ(filled.Read("SCHEDULE-FBI", "fb_4ba"), "40000");
    EXPECT_EQ(filled.Read("SCHEDULE-FBI", "fb_4bb"), "Nil");
    EXPECT_EQ(section[64], "fb_19b=Nil");
    EXPECT_EQ(section.back(), "fb_24=2000");
}

TEST(ScheduleFBI, EachScheduleIsSkippedWhenAbsent) {
    const auto benefits = Fill(FillScheduleFBI, 8, 2011, "<ITRForm:ScheduleFB/>");
    EXPECT_EQ(benefits.Section("SCHEDULE-FBI").size(), 65U);
    EXPECT_FALSE(benefits.Has("SCHEDULE-FBI", "fbi_1"));
    const auto employees = Fill(FillScheduleFBI, 8, 2011, "<ITRForm:ScheduleFBI/>");
    EXPECT_EQ(employees.Section("SCHEDULE-FBI").size(), 5U);
    EXPECT_EQ(Fill(FillScheduleFBI, 8, 2011, "").text, "");
}

}  // namespace
}  // namespace orvane
