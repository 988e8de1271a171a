#include <gtest/gtest.h>

#include <string>

#include "Error.h"
#include "mapping/fill/PartnerFirms.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::InlineReturn;
using test::Written;
using test::WrittenFor;

std::string Firm(std::string_view pan, std::string_view share, std::string_view capital) {
    return "<ITRForm:PartnerFirmDetails><ITRForm:FirmName>FIRM " + std::string(pan) +
           "</ITRForm:FirmName><ITRForm:FirmPAN>" + std::string(pan) +
           "</ITRForm:FirmPAN><ITRForm:ProfitSharePercent>50</ITRForm:ProfitSharePercent>"
           "<ITRForm:ProfitShareAmt>" +
           std::string(share) +
           "</ITRForm:ProfitShareAmt>"
           "<ITRForm:FirmCapBalOn31Mar>" +
           std::string(capital) +
           "</ITRForm:FirmCapBalOn31Mar>"
           "</ITRForm:PartnerFirmDetails>";
}

const std::string kFirmIncomes =
    "<ITRForm:ScheduleBPA><ITRForm:PartnerFirmIncomes><ITRForm:FirmPAN>AAAFA1111A</ITRForm:FirmPAN>"
    "<ITRForm:FirmSalBonComRen>10</ITRForm:FirmSalBonComRen><ITRForm:IntFirmCap>20</"
    "ITRForm:IntFirmCap>"
    "<ITRForm:TotalIncome>30</ITRForm:TotalIncome><ITRForm:Expenses>40</ITRForm:Expenses>"
    "<ITRForm:NetIncome>-10</ITRForm:NetIncome></ITRForm:PartnerFirmIncomes></ITRForm:ScheduleBPA>";

// ITR-3 lists the firms and the income from each; an empty profit share
// prints "Nil" and adds nothing.
TEST(FillScheduleIFAndBPA, FirmsAndTheirIncomesWithTotals) {
    InlineReturn r("<R><F><ITRForm:ScheduleIF>" + Firm("AAAFA1111A", "", "5000") +
                       Firm("AAAFB2222B", "700", "-300") + "</ITRForm:ScheduleIF>" + kFirmIncomes +
                       "</F></R>",
                   3, 2010);
    EXPECT_EQ(Written(r.context, FillScheduleIFAndBPA), CrLf({"[SCHEDULE-IF-1]",
                                                              "SrNo=1",
                                                              "FirmName=FIRM AAAFA1111A",
                                                              "PAN=AAAFA1111A",
                                                              "Percentage=50",
                                                              "Amount=Nil",
                                                              "Capital=5000",
                                                              "[SCHEDULE-IF-2]",
                                                              "SrNo=2",
                                                              "FirmName=FIRM AAAFB2222B",
                                                              "PAN=AAAFB2222B",
                                                              "Percentage=50",
                                                              "Amount=700",
                                                              "Capital=-300",
                                                              "[SCHEDULE-BP-1]",
                                                              "SrNo=1",
                                                              "PAN=AAAFA1111A",
                                                              "Salary=10",
                                                              "Interest=20",
                                                              "Total=30",
                                                              "Expenses=40",
                                                              "NetIncome=-10"}));
    const ScheduleTotals& totals = r.context.ScheduleTotals;
    EXPECT_EQ(totals[11], 700);
    EXPECT_EQ(totals[12], 4700);
    EXPECT_EQ(totals[13], 10);
    EXPECT_EQ(totals[14], 20);
    EXPECT_EQ(totals[15], 30);
    EXPECT_EQ(totals[16], 40);
    EXPECT_EQ(totals[17], -10);
}

// ITR-4 prints the firms but not their incomes.
TEST(FillScheduleIFAndBPA, OnlyItr3WritesTheFirmIncomes) {
    InlineReturn r("<R><F><ITRForm:ScheduleIF>" + Firm("AAAFA1111A", "100", "200") +
                       "</ITRForm:ScheduleIF>" + kFirmIncomes + "</F></R>",
                   4, 2011);
    EXPECT_EQ(Written(r.context, FillScheduleIFAndBPA).find("SCHEDULE-BP"), std::string::npos);
    for (int slot = 13; slot <= 17; ++slot) EXPECT_EQ(r.context.ScheduleTotals[slot], 0) << slot;
    EXPECT_EQ(r.context.ScheduleTotals[11], 100);
}

// A firm schedule without firms prints one empty line; no schedule, or firm
// incomes without rows, print nothing.
TEST(FillScheduleIFAndBPA, PlaceholderOnlyForTheFirms) {
    EXPECT_EQ(WrittenFor(
                  "<ITRForm:ScheduleIF><ITRForm:TotalProfitShareAmt>0</ITRForm:TotalProfitShareAmt>"
                  "</ITRForm:ScheduleIF><ITRForm:ScheduleBPA/>",
                  3, 2009, FillScheduleIFAndBPA),
              CrLf({"[SCHEDULE-IF-1]", "SrNo=."}));
    EXPECT_EQ(WrittenFor("", 3, 2009, FillScheduleIFAndBPA), "");
}

TEST(FillScheduleIFAndBPA, AmountThatIsNotAWholeNumberFails) {
    InlineReturn r("<R><F><ITRForm:ScheduleIF>" + Firm("AAAFA1111A", "100", "2500.50") +
                       "</ITRForm:ScheduleIF></F></R>",
                   3, 2009);
    const test::TempDir dir;
    {
        TIniControl ini = TIniControl::Create("ITR3", 2009, {dir.Path(), nullptr});
        EXPECT_THROW(FillScheduleIFAndBPA(ini, r.context), Error);
    }
    EXPECT_TRUE(test::ReadFile(dir / "ITR3.WIN").ends_with("Capital=2500.50\r\n"));
}

}  // namespace
}  // namespace orvane
