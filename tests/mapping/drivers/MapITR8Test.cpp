#include <gtest/gtest.h>

#include "mapping/drivers/MapITR8.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR8, WholeStagingFileOfEachYear) {
    const std::pair<const char*, const char*> cases[] = {
        // refund account, auditor, employees and benefits, payments with a branch row
        {"itr8-2009.xml", "expected/itr8-2009.WIN"},
        // the tax computation in every year; no account, schedules or payments
        {"itr8-2011.xml", "expected/itr8-2011.WIN"},
    };
    for (const auto& [fixture, expected] : cases) {
        SCOPED_TRACE(fixture);
        const test::TempDir dir;
        const auto written = StageFixture(fixture, dir);
        EXPECT_EQ(written, dir / "ITR8.WIN");
        ExpectStagingFile(written, expected);
    }
}

}  // namespace
}  // namespace orvane
