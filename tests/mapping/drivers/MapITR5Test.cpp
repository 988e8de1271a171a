#include <gtest/gtest.h>

#include "mapping/drivers/MapITR5.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR5, WholeStagingFileOfEachYear) {
    const std::pair<const char*, const char*> cases[] = {
        // accounts of a firm, fringe benefit tax of 2009-10, partners with
        // city rows, the schema's own spelling of the STT elements (not read)
        {"itr5-2009.xml", "expected/itr5-2009.WIN"},
        // no fringe benefit tax, partners, accounts or refund account; no
        // specified-business line for a firm; return sections of 2011-12
        {"itr5-2011.xml", "expected/itr5-2011.WIN"},
    };
    for (const auto& [fixture, expected] : cases) {
        SCOPED_TRACE(fixture);
        const test::TempDir dir;
        const auto written = StageFixture(fixture, dir);
        EXPECT_EQ(written, dir / "ITR5.WIN");
        ExpectStagingFile(written, expected);
    }
}

}  // namespace
}  // namespace orvane
