#include <gtest/gtest.h>

#include "Error.h"
#include "mapping/drivers/MapITR1.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR1, WholeStagingFileOfEachLayout) {
    struct Case {
        const char* fixture;
        const char* file_name;
        const char* expected;
    };
    const Case cases[] = {
        // ti_ keys, AIR with one code, continuation rows, placeholders, revised return
        {"itr1-2009.xml", "ITR1.WIN", "expected/itr1-2009.WIN"},
        // id_ keys, no AIR block, empty schedules, Nil for a zero salary
        {"itr1-2010.xml", "sITR1.WIN", "expected/itr1-2010.WIN"},
        // box keys, sign split, refund test, overflow rows beyond the boxes
        {"itr1-2011.xml", "ITR1.WIN", "expected/itr1-2011.WIN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const test::TempDir dir;
        const auto written = StageFixture(c.fixture, dir);
        EXPECT_EQ(written, dir / c.file_name);
        ExpectStagingFile(written, c.expected);
    }
}

TEST(MapITR1, Year2010LeavesTheFileOfOtherYearsAlone) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", "[PART-B]\r\nti_1=earlier run\r\n");
    StageFixture("itr1-2010.xml", dir);
    EXPECT_EQ(test::ReadFile(dir / "ITR1.WIN"), "[PART-B]\r\nti_1=earlier run\r\n");
}

TEST(MapITR1, AnAmountThatIsNotWholeStopsTheRunAndKeepsWhatWasWritten) {
    const test::TempDir dir;
    const std::string fixture = test::ReadFile(std::string(ORVANE_FIXTURES_DIR) + "/itr1-2011.xml");
    const std::string refund = "<ITRForm:RefundDue>2500<";
    std::string broken = fixture;
    broken.replace(broken.find(refund), refund.size(), "<ITRForm:RefundDue>2500.50<");
    test::WriteFile(dir / "broken.xml", broken);
    ReturnContext context = RecogniseReturn(dir / "broken.xml");
    try {
        RunForm(context, {dir.Path(), nullptr});
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2500.50' is not a valid integer value");
    }
    const std::string written = test::ReadFile(dir / "ITR1.WIN");
    EXPECT_NE(written.find("A18b=0\r\n"), std::string::npos);
    EXPECT_EQ(written.find("A18c="), std::string::npos);
}

TEST(MapITR1, EveryFormRunStartsItsTotalsFromZero) {
    const test::TempDir dir;
    ReturnContext context = RecogniseReturn(std::string(ORVANE_FIXTURES_DIR) + "/itr1-2009.xml");
    for (int run = 0; run < 2; ++run) {
        RunForm(context, {dir.Path(), nullptr});
        const std::string written = test::ReadFile(dir / "ITR1.WIN");
        EXPECT_NE(written.find("tds1_Tot_1=3500\r\n"), std::string::npos) << "run " << run;
        EXPECT_NE(written.find("it_Tot_1=1200\r\n"), std::string::npos) << "run " << run;
    }
}

}  // namespace
}  // namespace orvane
