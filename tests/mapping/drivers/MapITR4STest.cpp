#include <gtest/gtest.h>

#include "mapping/drivers/MapITR4S.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR4S, WholeStagingFile) {
    struct Case {
        const char* fixture;
        const char* expected;
        bool has_report;
    };
    const Case cases[] = {
        // box rows with overflow: seven tax payments, four collections, five businesses
        {"itr4s-2011.xml", "expected/itr4s-2011.WIN", true},
        // the same return for 2010-11: the same box keys, the tax tables in their
        // table layout (placeholders for the empty ones), and no printed form
        {"itr4s-2010.xml", "expected/itr4s-2010.WIN", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const test::TempDir dir;
        ReturnContext context =
            RecogniseReturn(std::filesystem::path(ORVANE_FIXTURES_DIR) / c.fixture);
        struct Recorder : ReportPresenter {
            void Present(const StagedReport& report) override { shown = report; }
            StagedReport shown;
        } recorder;
        RunForm(context, {dir.Path(), &recorder});
        EXPECT_EQ(recorder.shown.staging_file, dir / "ITR4s.WIN");
        EXPECT_EQ(recorder.shown.choice.has_value(), c.has_report);
        ExpectStagingFile(dir / "ITR4s.WIN", c.expected);
    }
}

TEST(MapITR4S, AReturnWithoutRowsWritesOnlyTheBoxKeys) {
    const test::TempDir dir;
    const std::string written = test::ReadFile(StageFixture("itr4s-2011-minimal.xml", dir));
    EXPECT_TRUE(written.starts_with("[PART-A-GEN]\r\nA1=A S H A \r\n")) << written;
    EXPECT_TRUE(written.ends_with("E10=\r\n")) << written;
    EXPECT_EQ(written.find("NOB1a"), std::string::npos);
    EXPECT_EQ(written.find("[SCHEDULE-"), std::string::npos);
}

}  // namespace
}  // namespace orvane
