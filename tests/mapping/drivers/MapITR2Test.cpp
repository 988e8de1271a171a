#include <gtest/gtest.h>

#include "mapping/drivers/MapITR2.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

// One return per assessment year, each checked against the whole staging file
// expected for it (tests/fixtures/expected/<return>.WIN):
//   itr2-2008  a family with interest only: absent schedules, blank house
//              property blocks, empty set-off schedules, placeholder rows;
//   itr2-2009  two employers, three house properties (the third overflows into
//              the totals row), the accrual table of two rows, brought-forward
//              losses, clubbed and special-rate income;
//   itr2-2010  a non-resident with a representative: two properties, accrual
//              table of four rows, deductions totalled in via_n, AIR keys;
//   itr2-2011  a revised return: 80CCF with via_Total, no AIR keys, no
//              placeholder rows, a blank bank account printed "Nil".
class MapITR2Staging : public ::testing::TestWithParam<const char*> {};

TEST_P(MapITR2Staging, WritesTheWholeStagingFile) {
    const std::string name = GetParam();
    const test::TempDir dir;
    const auto staging = StageFixture(name + ".xml", dir);
    EXPECT_EQ(staging, dir / "ITR2.WIN");
    ExpectStagingFile(staging, "expected/" + name + ".WIN");
}

INSTANTIATE_TEST_SUITE_P(EveryYear, MapITR2Staging,
                         ::testing::Values("itr2-2008", "itr2-2009", "itr2-2010", "itr2-2011"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(name.size() - 4);
                         });

}  // namespace
}  // namespace orvane
