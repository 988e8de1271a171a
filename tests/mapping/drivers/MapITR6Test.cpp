#include <gtest/gtest.h>

#include "mapping/drivers/MapITR6.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(MapITR6, WholeStagingFileOfEachYear) {
    const std::pair<const char*, const char*> cases[] = {
        // fringe benefit tax with its payments, capital gains accrued in the
        // periods of 2009-10, empty tables and placeholders of the year
        {"itr6-2009.xml", "expected/itr6-2009.WIN"},
        // key persons, shareholders, company accounts, capital gains of the
        // year's layout, MAT, MAT credit, dividend tax and its payments; a
        // fringe-benefit block the year no longer prints
        {"itr6-2010.xml", "expected/itr6-2010.WIN"},
        // specified business, MAT credit years and section 92E of 2011-12;
        // empty key person, shareholder and payment tables
        {"itr6-2011.xml", "expected/itr6-2011.WIN"},
    };
    for (const auto& [fixture, expected] : cases) {
        SCOPED_TRACE(fixture);
        const test::TempDir dir;
        const auto written = StageFixture(fixture, dir);
        EXPECT_EQ(written, dir / "ITR6.WIN");
        ExpectStagingFile(written, expected);
    }
}

}  // namespace
}  // namespace orvane
