#include <gtest/gtest.h>

#include "mapping/drivers/MapITR3.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

// One return per assessment year, each checked against the whole staging file
// expected for it (tests/fixtures/expected/<return>.WIN):
//   itr3-2008  a former partner: a firm schedule without firms (placeholder
//              line), no firm incomes, a house-property loss set off against
//              salary, no tax payments (placeholder rows);
//   itr3-2009  two firms with their incomes and totals, two house properties,
//              a brought-forward business loss in the seven-column statement,
//              agricultural income for the rate, a blank bank account kept blank;
//   itr3-2010  a family in one firm: accrual table of four rows, a loss of the
//              seventh earlier year, exempt income opening SCHEDULE-VIA;
//   itr3-2011  two firms, one with a nil share and one with a net loss, 80CCF
//              with via_Total, no AIR keys, no placeholder rows.
class MapITR3Staging : public ::testing::TestWithParam<const char*> {};

TEST_P(MapITR3Staging, WritesTheWholeStagingFile) {
    const std::string name = GetParam();
    const test::TempDir dir;
    const auto staging = StageFixture(name + ".xml", dir);
    EXPECT_EQ(staging, dir / "ITR3.WIN");
    ExpectStagingFile(staging, "expected/" + name + ".WIN");
}

INSTANTIATE_TEST_SUITE_P(EveryYear, MapITR3Staging,
                         ::testing::Values("itr3-2008", "itr3-2009", "itr3-2010", "itr3-2011"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(name.size() - 4);
                         });

}  // namespace
}  // namespace orvane
