#include <gtest/gtest.h>

#include "Error.h"
#include "mapping/drivers/MapITR4.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR4, WholeStagingFileOfEachYear) {
    const std::pair<const char*, const char*> cases[] = {
        // accounts, the four depreciation schedules, undertakings, firms,
        // AIR, tax payments with a branch row, placeholders of 2009-10
        {"itr4-2009.xml", "expected/itr4-2009.WIN"},
        // no AIR from 2011-12, section 80CCF, return sections, a firms
        // schedule without firms, no placeholders
        {"itr4-2011.xml", "expected/itr4-2011.WIN"},
    };
    for (const auto& [fixture, expected] : cases) {
        SCOPED_TRACE(fixture);
        const test::TempDir dir;
        const auto written = StageFixture(fixture, dir);
        EXPECT_EQ(written, dir / "ITR4.WIN");
        ExpectStagingFile(written, expected);
    }
}

// An undertaking's deduction that is not a whole number ends the run inside
// Schedule 10A; what was written before stays in the staging file.
TEST(MapITR4, AnAmountThatIsNotWholeStopsTheRunAndKeepsWhatWasWritten) {
    const test::TempDir dir;
    std::string xml = test::ReadFile(std::string(ORVANE_FIXTURES_DIR) + "/itr4-2009.xml");
    const std::string amount = "<ITRForm:DedFromUndertaking>2750<";
    xml.replace(xml.find(amount), amount.size(), "<ITRForm:DedFromUndertaking>2750.50<");
    test::WriteFile(dir / "broken.xml", xml);
    ReturnContext context = RecogniseReturn(dir / "broken.xml");
    try {
        RunForm(context, {dir.Path(), nullptr});
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2750.50' is not a valid integer value");
    }
    const std::string written = test::ReadFile(dir / "ITR4.WIN");
    EXPECT_NE(written.find("10a_1B=2750.50\r\n"), std::string::npos);
    EXPECT_EQ(written.find("10a_1f="), std::string::npos);
    EXPECT_EQ(written.find("[PART-A-GEN]"), std::string::npos);
}

}  // namespace
}  // namespace orvane
