#include <gtest/gtest.h>

#include "mapping/fill/AirAndExemptIncome.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::InlineReturn;
using test::Written;

constexpr std::string_view kSchedules = R"(<R><F>
  <ITRForm:ScheduleAIR><ITRForm:AIRInfo><ITRForm:Code002>900</ITRForm:Code002></ITRForm:AIRInfo></ITRForm:ScheduleAIR>
  <ITRForm:ScheduleEI><ITRForm:DividendInc>40</ITRForm:DividendInc><ITRForm:TotalExemptInc>40</ITRForm:TotalExemptInc></ITRForm:ScheduleEI>
</F></R>)";

std::string Fill(std::string_view xml, int form_code, int year) {
    InlineReturn r(xml, form_code, year);
    return Written(r.context, [](TIniControl& ini, ReturnContext& c) {
        if (c.AssessmentYear <= 2010) FillScheduleAIR(ini, c);
        FillExemptIncome(ini, c);
    });
}

TEST(AirAndExemptIncome, SectionByForm) {
    const std::string air =
        "air_1=Nil\r\nair_2=900\r\nair_3=Nil\r\nair_4=Nil\r\nair_5=Nil\r\nair_6=Nil\r\nair_7="
        "Nil\r\nair_8=Nil\r\n";
    const std::string ei =
        "ei_1=Nil\r\nei_2=40\r\nei_3=Nil\r\nei_4=Nil\r\nei_5=Nil\r\nei_6=Nil\r\nei_7=40\r\n";
    EXPECT_EQ(Fill(kSchedules, 4, 2009), "[SCHEDULE-10A]\r\n" + air + ei);
    EXPECT_EQ(Fill(kSchedules, 2, 2010), "[SCHEDULE-VIA]\r\n" + air + ei);
    EXPECT_EQ(Fill(kSchedules, 3, 2011), "[SCHEDULE-VIA]\r\n" + ei);  // no AIR from 2011
    InlineReturn itr5(kSchedules, 5, 2009);
    EXPECT_EQ(
        Written(itr5.context, [](TIniControl& ini, ReturnContext& c) { FillExemptIncome(ini, c); }),
        "[SCHEDULE-10A]\r\n" + ei);
    EXPECT_EQ(Fill("<R><F/></R>", 2, 2009), "");
}

TEST(AirAndExemptIncome, Itr1KeysByYear) {
    const std::string itr1 = R"(<R><ITR1FORM:ITR1>
        <ITRForm:AIRInfo><ITRForm:Code003>500</ITRForm:Code003></ITRForm:AIRInfo>
        <ITR1FORM:TaxExmpIntInc>75</ITR1FORM:TaxExmpIntInc></ITR1FORM:ITR1></R>)";
    EXPECT_EQ(Fill(itr1, 1, 2009),
              "[PART-B]\r\noi_1=Nil\r\noi_2=Nil\r\noi_3=500\r\noi_4=Nil\r\noi_5=Nil\r\noi_6=Nil\r\n"
              "oi_7=Nil\r\noi_8=Nil\r\nei_1=75\r\n");
    EXPECT_EQ(Fill(itr1, 1, 2010),
              "[PART-B]\r\nid_26a=Nil\r\nid_26b=Nil\r\nid_26c=500\r\nid_26d=Nil\r\nid_26e=Nil\r\n"
              "id_26f=Nil\r\nid_26g=Nil\r\nid_26h=Nil\r\nid_27=75\r\n");
    EXPECT_EQ(Fill("<R><ITR1FORM:ITR1/></R>", 1, 2010), "[PART-B]\r\nid_27=Nil\r\n");
}

}  // namespace
}  // namespace orvane
