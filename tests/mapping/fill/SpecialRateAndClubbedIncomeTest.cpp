#include <gtest/gtest.h>

#include <string>

#include "Error.h"
#include "mapping/fill/SpecialRateAndClubbedIncome.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::InlineReturn;
using test::Written;
using test::WrittenFor;

std::string SpecialRate(std::string_view code, std::string_view tax) {
    return "<ITRForm:SplCodeRateTax><ITRForm:SecCode>" + std::string(code) +
           "</ITRForm:SecCode><ITRForm:SplRatePercent>10</ITRForm:SplRatePercent>"
           "<ITRForm:SplRateInc>50000</ITRForm:SplRateInc><ITRForm:SplRateIncTax>" +
           std::string(tax) + "</ITRForm:SplRateIncTax></ITRForm:SplCodeRateTax>";
}

// Other children do not take a line number; every tax adds to the total
// under the table, an empty one adds nothing.
TEST(FillScheduleSI, NumbersTheLinesAndAddsTheTaxes) {
    InlineReturn r("<R><F><ITRForm:ScheduleSI>" + SpecialRate("1A", "1500") +
                       "<ITRForm:TotSplRateIncTax>4000</ITRForm:TotSplRateIncTax>" +
                       SpecialRate("21", "") + SpecialRate("22", "2500") +
                       "</ITRForm:ScheduleSI></F></R>",
                   5, 2010);
    r.context.ScheduleTotals[10] = 100;
    EXPECT_EQ(Written(r.context, FillScheduleSI),
              CrLf({"[SCHEDULE-SI-1]", "SrNo=1", "SectionCode=1A", "SpecialRate=10", "Income=50000",
                    "Tax=1500", "[SCHEDULE-SI-2]", "SrNo=2", "SectionCode=21", "SpecialRate=10",
                    "Income=50000", "Tax=Nil", "[SCHEDULE-SI-3]", "SrNo=3", "SectionCode=22",
                    "SpecialRate=10", "Income=50000", "Tax=2500"}));
    EXPECT_EQ(r.context.ScheduleTotals[10], 4100);
}

// A schedule without lines prints one empty line; no schedule prints none.
TEST(FillScheduleSI, PlaceholderOnlyForAPresentSchedule) {
    EXPECT_EQ(
        WrittenFor("<ITRForm:ScheduleSI><ITRForm:TotSplRateIncTax>0</ITRForm:TotSplRateIncTax>"
                   "</ITRForm:ScheduleSI>",
                   2, 2011, FillScheduleSI),
        CrLf({"[SCHEDULE-SI-1]", "SrNo=."}));
    EXPECT_EQ(WrittenFor("", 2, 2011, FillScheduleSI), "");
}

// A tax that is not a whole number stops the run once its line is written.
TEST(FillScheduleSI, TaxThatIsNotAWholeNumberFails) {
    InlineReturn r("<R><F><ITRForm:ScheduleSI>" + SpecialRate("1A", "1500.50") +
                       SpecialRate("21", "10") + "</ITRForm:ScheduleSI></F></R>",
                   2, 2009);
    const test::TempDir dir;
    {
        TIniControl ini = TIniControl::Create("ITR2", 2009, {dir.Path(), nullptr});
        EXPECT_THROW(FillScheduleSI(ini, r.context), Error);
    }
    EXPECT_TRUE(test::ReadFile(dir / "ITR2.WIN").ends_with("Tax=1500.50\r\n"));
    EXPECT_EQ(r.context.ScheduleTotals[10], 0);
}

TEST(FillScheduleSPI, OneLinePerPersonAndAPlaceholderForNone) {
    EXPECT_EQ(WrittenFor("<ITRForm:ScheduleSPI><ITRForm:SpecifiedPerson>"
                         "<ITRForm:SpecifiedPersonName>ROHAN DAS</ITRForm:SpecifiedPersonName>"
                         "<ITRForm:ReltnShip>MINOR SON</ITRForm:ReltnShip>"
                         "<ITRForm:NatureOfInc>INTEREST</ITRForm:NatureOfInc>"
                         "<ITRForm:AmtIncluded>0</ITRForm:AmtIncluded></ITRForm:SpecifiedPerson>"
                         "</ITRForm:ScheduleSPI>",
                         4, 2010, FillScheduleSPI),
              CrLf({"[SCHEDULE-SPI-1]", "SrNo=1", "Name=ROHAN DAS", "PAN=", "Relation=MINOR SON",
                    "NatureOfIncome=INTEREST", "Amount=Nil"}));
    EXPECT_EQ(WrittenFor("<ITRForm:ScheduleSPI/>", 3, 2010, FillScheduleSPI),
              CrLf({"[SCHEDULE-SPI-1]", "SrNo=."}));
}

}  // namespace
}  // namespace orvane
