#include <gtest/gtest.h>

#include "mapping/fill/ScientificResearch.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

TEST(ScientificResearch, WritesTwentyOneKeysRowByRow) {
    const auto section =
        Fill(
            FillScheduleESR, 6, 2009,
            "<ITRForm:ScheduleESR><ITRForm:DeductionUs35>"
            "<ITRForm:Section35_1_ii><ITRForm:DeductUs35><ITRForm:AmtDebPL>50000</ITRForm:AmtDebPL>"
            "<ITRForm:AmtUs35Allowable>62500</ITRForm:AmtUs35Allowable></ITRForm:DeductUs35>"
            "</ITRForm:Section35_1_ii>"
            "<ITRForm:TotUs35><ITRForm:DeductUs35>"
            "<ITRForm:ExcessAmtOverDebPL>12500</ITRForm:ExcessAmtOverDebPL>"
            "</ITRForm:DeductUs35></ITRForm:TotUs35>"
            "</ITRForm:DeductionUs35></ITRForm:ScheduleESR>")
            .Section("SCHEDULE-ESR");
    ASSERT_EQ(section.size(), 21U);
    EXPECT_EQ(section[0], "esr_ia=Nil");
    EXPECT_EQ(section[3], "esr_iia=50000");
    EXPECT_EQ(section[4], "esr_iib=62500");
    EXPECT_EQ(section[5], "esr_iic=Nil");
    EXPECT_EQ(section[20], "esr_viic=12500");
}

TEST(ScientificResearch, AbsentScheduleWritesNothing) {
    EXPECT_EQ(Fill(FillScheduleESR, 4, 2009, "<ITRForm:ScheduleDPM/>").text, "");
}

}  // namespace
}  // namespace orvane
