#include <gtest/gtest.h>

#include <string>

#include "mapping/fill/ScheduleVIA.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::WrittenFor;

// Every deduction of every form, each holding its own section number.
std::string Deductions() {
    std::string elements;
    for (const char* section :
         {"80C",  "80CCC", "80CCD",  "80CCF", "80D",   "80DD",  "80DDB", "80E",
          "80G",  "80GG",  "80GGA",  "80GGB", "80GGC", "80IA",  "80IAB", "80IB",
          "80IC", "80JJA", "80JJAA", "80LA",  "80P",   "80QQB", "80RRB", "80U"}) {
        elements += "<ITRForm:Section" + std::string(section) + ">" + section +
                    "</ITRForm:Section" + section + ">";
    }
    elements += "<ITRForm:TotalChapVIADeductions>Total</ITRForm:TotalChapVIADeductions>";
    return "<ITRForm:ScheduleVIA><ITRForm:DeductUndChapVIA>" + elements +
           "</ITRForm:DeductUndChapVIA></ITRForm:ScheduleVIA>";
}

std::string Via(int form, int year) {
    return WrittenFor(Deductions(), form, year, FillScheduleVIA);
}

// Each form lists its own sections. From 2011-12, ITR-2 to ITR-4 print
// section 80CCF where the total stood and the total under via_Total.
TEST(FillScheduleVIA, SectionsOfEachFormAndYear) {
    EXPECT_EQ(Via(2, 2010),
              CrLf({"[SCHEDULE-VIA]", "via_a=80C", "via_b=80CCC", "via_c=80CCD", "via_d=80D",
                    "via_e=80DD", "via_f=80DDB", "via_g=80E", "via_h=80G", "via_i=80GG",
                    "via_j=80GGA", "via_k=80GGC", "via_l=80RRB", "via_m=80U", "via_n=Total"}));
    EXPECT_TRUE(Via(2, 2011).ends_with(CrLf({"via_m=80U", "via_n=80CCF", "via_Total=Total"})));
    EXPECT_EQ(Via(3, 2011),
              CrLf({"[SCHEDULE-VIA]", "via_a=80C", "via_b=80CCC", "via_c=80CCD", "via_d=80D",
                    "via_e=80DD", "via_f=80DDB", "via_g=80E", "via_h=80G", "via_i=80GG",
                    "via_j=80GGA", "via_k=80GGC", "via_l=80QQB", "via_m=80RRB", "via_n=80U",
                    "via_o=80CCF", "via_Total=Total"}));
    EXPECT_TRUE(Via(3, 2009).ends_with(CrLf({"via_n=80U", "via_o=Total"})));
    EXPECT_EQ(Via(4, 2011),
              CrLf({"[SCHEDULE-10A]", "via_a=80C",   "via_b=80CCC", "via_c=80CCD", "via_d=80D",
                    "via_e=80DD",     "via_f=80DDB", "via_g=80E",   "via_h=80G",   "via_i=80GG",
                    "via_j=80GGC",    "via_k=80IA",  "via_l=80IAB", "via_m=80IB",  "via_n=80IC",
                    "via_o=80JJA",    "via_p=80QQB", "via_q=80RRB", "via_r=80U",   "via_s=80CCF",
                    "via_Total=Total"}));
    EXPECT_TRUE(Via(4, 2008).ends_with(CrLf({"via_r=80U", "via_s=Total"})));
    const std::string itr5 = CrLf({"[SCHEDULE-10A]", "via_a=80G", "via_b=80GGA", "via_c=80GGC",
                                   "via_d=80IA", "via_e=80IAB", "via_f=80IB", "via_g=80IC",
                                   "via_h=80JJA", "via_i=80LA", "via_j=80P", "via_k=Total"});
    EXPECT_EQ(Via(5, 2010), itr5);
    EXPECT_EQ(Via(5, 2011), itr5);
    const std::string itr6 =
        CrLf({"[SCHEDULE-10A]", "via_a=80G", "via_b=80GGA", "via_c=80GGB", "via_d=80GGC",
              "via_e=80IA", "via_f=80IAB", "via_g=80IB", "via_h=80IC", "via_i=80JJA",
              "via_j=80JJAA", "via_k=80LA", "via_l=Total"});
    EXPECT_EQ(Via(6, 2009), itr6);
    EXPECT_EQ(Via(6, 2011), itr6);
    EXPECT_EQ(Via(8, 2009), "");
}

TEST(FillScheduleVIA, AbsentScheduleWritesNothingAndAbsentSectionsAreNil) {
    EXPECT_EQ(WrittenFor("<ITRForm:ScheduleEI/>", 2, 2011, FillScheduleVIA), "");
    EXPECT_EQ(
        WrittenFor("<ITRForm:ScheduleVIA/>", 5, 2011, FillScheduleVIA),
        CrLf({"[SCHEDULE-10A]", "via_a=Nil", "via_b=Nil", "via_c=Nil", "via_d=Nil", "via_e=Nil",
              "via_f=Nil", "via_g=Nil", "via_h=Nil", "via_i=Nil", "via_j=Nil", "via_k=Nil"}));
}

}  // namespace
}  // namespace orvane
