#include <gtest/gtest.h>

#include "mapping/fill/Depreciation.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

std::size_t CountPrefix(const std::vector<std::string>& lines, std::string_view prefix) {
    std::size_t count = 0;
    for (const std::string& line : lines) count += line.starts_with(prefix) ? 1 : 0;
    return count;
}

TEST(Depreciation, WritesEveryBlockColumnAndSummaryLine) {
    const auto section = Fill(FillScheduleDPM, 4, 2009,
                              "<ITRForm:ScheduleDPM/><ITRForm:ScheduleDOA/><ITRForm:ScheduleDEP/>"
                              "<ITRForm:ScheduleDCG/>")
                             .Section("SCHEDULE-DPM");
    EXPECT_EQ(section.size(), 227U);
    EXPECT_EQ(CountPrefix(section, "dpm_"), 105U);
    EXPECT_EQ(CountPrefix(section, "doa_"), 90U);
    EXPECT_EQ(CountPrefix(section, "dep_"), 16U);
    EXPECT_EQ(CountPrefix(section, "dcg_"), 16U);
    // Block by block, columns 3 to 17 within a block.
    EXPECT_EQ(section[0], "dpm_3A=Nil");
    EXPECT_EQ(section[14], "dpm_17A=Nil");
    EXPECT_EQ(section[15], "dpm_3B=Nil");
    EXPECT_EQ(section[104], "dpm_17G=Nil");
    EXPECT_EQ(section[105], "doa_3A=Nil");
    EXPECT_EQ(section[194], "doa_17F=Nil");
    EXPECT_EQ(section[195], "dep_1a=Nil");
    EXPECT_EQ(section[226], "dcg_6=Nil");
}

TEST(Depreciation, AbsentSchedulesAreSkippedOneByOne) {
    const auto section =
        Fill(FillScheduleDPM, 5, 2009, "<ITRForm:ScheduleDPM/><ITRForm:ScheduleDCG/>")
            .Section("SCHEDULE-DPM");
    EXPECT_EQ(CountPrefix(section, "dpm_"), 105U);
    EXPECT_EQ(CountPrefix(section, "doa_"), 0U);
    EXPECT_EQ(CountPrefix(section, "dep_"), 0U);
    EXPECT_EQ(CountPrefix(section, "dcg_"), 16U);
    EXPECT_EQ(Fill(FillScheduleDPM, 4, 2009, "").text, "");
}

// Columns 8 and 13 are named after the whole year on the firm and company forms.
TEST(Depreciation, FirmsNameTwoColumnsDifferently) {
    const std::string block =
        "<ITRForm:ScheduleDPM><ITRForm:PlantMachinery><ITRForm:Rate15>"
        "<ITRForm:DepreciationDetail>"
        "<ITRForm:WDVFirstDay>150000</ITRForm:WDVFirstDay>"
        "<ITRForm:RealizationPeriodLessThan180days>81</ITRForm:RealizationPeriodLessThan180days>"
        "<ITRForm:RealizationPeriodDuringYear>82</ITRForm:RealizationPeriodDuringYear>"
        "<ITRForm:AddlnDeprOnLessThan180DayAdditions>131</"
        "ITRForm:AddlnDeprOnLessThan180DayAdditions>"
        "<ITRForm:AddlnDeprDuringYearAdditions>132</ITRForm:AddlnDeprDuringYearAdditions>"
        "</ITRForm:DepreciationDetail></ITRForm:Rate15></ITRForm:PlantMachinery>"
        "</ITRForm:ScheduleDPM>";
    struct Case {
        int form;
        const char* column8;
        const char* column13;
    };
    for (const Case& c : {Case{4, "81", "131"}, Case{5, "82", "132"}, Case{6, "82", "132"}}) {
        const auto filled = Fill(FillScheduleDPM, c.form, 2010, block);
        EXPECT_EQ(filled.Read("SCHEDULE-DPM", "dpm_3A"), "150000");
        EXPECT_EQ(filled.Read("SCHEDULE-DPM", "dpm_8A"), c.column8) << c.form;
        EXPECT_EQ(filled.Read("SCHEDULE-DPM", "dpm_13A"), c.column13) << c.form;
    }
}

TEST(Depreciation, OtherAssetBlocks) {
    const auto filled = Fill(
        FillScheduleDPM, 4, 2009,
        "<ITRForm:ScheduleDOA>"
        "<ITRForm:Building><ITRForm:Rate100><ITRForm:DepreciationDetail>"
        "<ITRForm:WDVFirstDay>100</ITRForm:WDVFirstDay></ITRForm:DepreciationDetail></"
        "ITRForm:Rate100>"
        "</ITRForm:Building>"
        "<ITRForm:FurnitureFittings><ITRForm:Rate10><ITRForm:DepreciationDetail>"
        "<ITRForm:WDVFirstDay>10</ITRForm:WDVFirstDay></ITRForm:DepreciationDetail></"
        "ITRForm:Rate10>"
        "</ITRForm:FurnitureFittings>"
        "<ITRForm:Ships><ITRForm:Rate20><ITRForm:DepreciationDetail>"
        "<ITRForm:WDVLastDay>20</ITRForm:WDVLastDay></ITRForm:DepreciationDetail></ITRForm:Rate20>"
        "</ITRForm:Ships></ITRForm:ScheduleDOA>");
    EXPECT_EQ(filled.Read("SCHEDULE-DPM", "doa_3C"), "100");
    EXPECT_EQ(filled.Read("SCHEDULE-DPM", "doa_3D"), "10");
    EXPECT_EQ(filled.Read("SCHEDULE-DPM", "doa_17F"), "20");
    EXPECT_FALSE(filled.Has("SCHEDULE-DPM", "doa_3G"));
}

// The summary of deemed capital gains carries "CG" in its group names from
// 2008-09 on; an unrecognised year (0) reads the plain names.
TEST(Depreciation, DeemedCapitalGainsGroupNamesByYear) {
    const std::string summary =
        "<ITRForm:ScheduleDCG>"
        "<ITRForm:SummaryFromDeprSchCG>"
        "<ITRForm:PlantMachinerySummaryCG><ITRForm:DeprBlockTot15Percent>1501</"
        "ITRForm:DeprBlockTot15Percent>"
        "</ITRForm:PlantMachinerySummaryCG>"
        "<ITRForm:PlantMachinerySummary><ITRForm:DeprBlockTot15Percent>1502</"
        "ITRForm:DeprBlockTot15Percent>"
        "</ITRForm:PlantMachinerySummary>"
        "<ITRForm:BuildingSummaryCG><ITRForm:TotBuildng>2401</ITRForm:TotBuildng></"
        "ITRForm:BuildingSummaryCG>"
        "<ITRForm:FurnitureSummary>301</ITRForm:FurnitureSummary>"
        "</ITRForm:SummaryFromDeprSchCG>"
        "<ITRForm:SummaryFromDeprSch>"
        "<ITRForm:PlantMachinerySummary><ITRForm:DeprBlockTot15Percent>1503</"
        "ITRForm:DeprBlockTot15Percent>"
        "</ITRForm:PlantMachinerySummary>"
        "<ITRForm:FurnitureSummary>302</ITRForm:FurnitureSummary>"
        "</ITRForm:SummaryFromDeprSch></ITRForm:ScheduleDCG>";
    const auto of2010 = Fill(FillScheduleDPM, 4, 2010, summary);
    EXPECT_EQ(of2010.Read("SCHEDULE-DPM", "dcg_1a"), "1501");
    EXPECT_EQ(of2010.Read("SCHEDULE-DPM", "dcg_2d"), "2401");
    EXPECT_EQ(of2010.Read("SCHEDULE-DPM", "dcg_3"), "301");
    const auto unrecognised = Fill(FillScheduleDPM, 4, 0, summary);
    EXPECT_EQ(unrecognised.Read("SCHEDULE-DPM", "dcg_1a"), "1503");
    EXPECT_EQ(unrecognised.Read("SCHEDULE-DPM", "dcg_3"), "302");
}

}  // namespace
}  // namespace orvane
