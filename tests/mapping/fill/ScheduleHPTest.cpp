#include <gtest/gtest.h>

#include <string>

#include "mapping/fill/ScheduleHP.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::WrittenFor;

std::string Property(std::string_view address, std::string_view income) {
    return "<ITRForm:PropertyDetails><ITRForm:AddressDetail><ITRForm:AddrDetail>" +
           std::string(address) +
           "</ITRForm:AddrDetail></ITRForm:AddressDetail><ITRForm:ifLetOut>Y</ITRForm:ifLetOut>"
           "<ITRForm:Rentdetails><ITRForm:IncomeOfHP>" +
           std::string(income) +
           "</ITRForm:IncomeOfHP></ITRForm:Rentdetails></ITRForm:PropertyDetails>";
}

constexpr std::string_view kTotals =
    "<ITRForm:RentOfEarlierYrSec25AandAA>700</ITRForm:RentOfEarlierYrSec25AandAA>"
    "<ITRForm:RentArearsSec25BAfter30pcDeduct>800</ITRForm:RentArearsSec25BAfter30pcDeduct>"
    "<ITRForm:TotalIncomeChargeableUnHP>900</ITRForm:TotalIncomeChargeableUnHP>";

// The keys of a blank block n.
std::string BlankBlock(int n) {
    const std::string p = "hp_" + std::to_string(n);
    return CrLf({p + "1=", p + "2=", p + "3=", p + "4=", p + "5=0", p + "6=", p + "7=", p + "a=Nil",
                 p + "b=Nil", p + "c=Nil", p + "d=Nil", p + "e=Nil", p + "f=Nil", p + "g=Nil",
                 p + "h=Nil", p + "i=Nil"});
}

// ITR-4 to ITR-6 print three property blocks, the other forms two; blocks
// the return does not fill are blank, and the totals come after the blocks.
TEST(FillScheduleHP, BlocksOfTheFormAndTotals) {
    const std::string schedule = "<ITRForm:ScheduleHP>" + Property("SHOP 4", "5000") +
                                 std::string(kTotals) + "</ITRForm:ScheduleHP>";
    for (const int form : {4, 5, 6}) {
        const std::string written = WrittenFor(schedule, form, 2010, FillScheduleHP);
        EXPECT_NE(written.find(CrLf({"hp_1i=5000", "hp_4a=700", "hp_4b=800", "hp_4c=900"}) +
                               BlankBlock(2) + BlankBlock(3)),
                  std::string::npos)
            << written;
    }
    const std::string written = WrittenFor(schedule, 3, 2010, FillScheduleHP);
    EXPECT_TRUE(written.ends_with(CrLf({"hp_1i=5000", "hp_3a=700", "hp_3b=800", "hp_3c=900"}) +
                                  BlankBlock(2)));
}

TEST(FillScheduleHP, AnAbsentScheduleGivesBlankBlocksWithoutTotals) {
    EXPECT_EQ(WrittenFor("", 4, 2009, FillScheduleHP),
              "[SCHEDULE-HP]\r\n" + BlankBlock(1) + BlankBlock(2) + BlankBlock(3));
    EXPECT_EQ(WrittenFor("", 2, 2009, FillScheduleHP),
              "[SCHEDULE-HP]\r\n" + BlankBlock(1) + BlankBlock(2));
}

// Only property elements take block numbers. A property beyond the form's
// blocks is written under the next number, where the totals then replace its
// first three amounts.
TEST(FillScheduleHP, PropertiesAreNumberedAndMayRunIntoTheTotals) {
    const std::string schedule = "<ITRForm:ScheduleHP>" + Property("FLAT 1", "100") +
                                 "<ITRForm:Remark>none</ITRForm:Remark>" +
                                 Property("FLAT 2", "200") + Property("FLAT 3", "300") +
                                 std::string(kTotals) + "</ITRForm:ScheduleHP>";
    const std::string written = WrittenFor(schedule, 2, 2011, FillScheduleHP);
    EXPECT_NE(written.find("hp_11=FLAT 1\r\n"), std::string::npos);
    EXPECT_NE(written.find("hp_21=FLAT 2\r\n"), std::string::npos);
    EXPECT_TRUE(written.ends_with(
        CrLf({"hp_31=FLAT 3", "hp_32=", "hp_33=", "hp_34=", "hp_35=1",
              "hp_36=", "hp_37=", "hp_3a=700", "hp_3b=800", "hp_3c=900", "hp_3d=Nil", "hp_3e=Nil",
              "hp_3f=Nil", "hp_3g=Nil", "hp_3h=Nil", "hp_3i=300"})))
        << written;
}

}  // namespace
}  // namespace orvane
