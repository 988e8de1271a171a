#include <gtest/gtest.h>

#include <thread>

#include "staging/StagingReader.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

TEST(StagingReader, ReadsValuesAndRows) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", CrLf({"[SCHEDULE-IT-1]", "SrNo=1", "BsrCode=0510032",
                                            "[SCHEDULE-IT-2]", "SrNo=  ", "Bank=SBI"}));
    const StagingReader reader(dir / "ITR1.WIN");
    EXPECT_EQ(reader.ReadStagingValue("SCHEDULE-IT-1", "BSRCODE"), "0510032");
    EXPECT_FALSE(reader.IsRowEmpty("SCHEDULE-IT-1"));
    EXPECT_TRUE(reader.IsRowEmpty("SCHEDULE-IT-2"));  // SrNo of blanks
    EXPECT_TRUE(reader.IsRowEmpty("SCHEDULE-IT-3"));  // absent
}

TEST(StagingReader, AbsentFileReadsEmpty) {
    const test::TempDir dir;
    const StagingReader reader(dir / "ACK.WIN");
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "");
    EXPECT_TRUE(reader.IsRowEmpty("SCHEDULE-IT-1"));
}

TEST(StagingReader, SeesAChangeOfTheFileBetweenTwoReads) {
    const test::TempDir dir;
    const auto path = dir / "ACK.WIN";
    const StagingReader reader(path);
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "");
    test::WriteFile(path, CrLf({"[Personal]", "Name=A"}));
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "A");
    test::WriteFile(path, CrLf({"[Personal]", "Name=B"}));  // same size
    std::filesystem::last_write_time(
        path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "B");
    test::WriteFile(path, CrLf({"[Personal]", "Name=Longer"}));
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "Longer");
    std::filesystem::remove(path);
    EXPECT_EQ(reader.ReadStagingValue("Personal", "Name"), "");
}

TEST(StagingReader, AHoldKeepsTheContentsAsTheyWere) {
    const test::TempDir dir;
    const auto path = dir / "ITR1.WIN";
    test::WriteFile(path, CrLf({"[PART-A-GEN]", "pi_Name=A"}));
    const StagingReader reader(path);
    {
        const StagingReader::Hold hold(reader);
        test::WriteFile(path, CrLf({"[PART-A-GEN]", "pi_Name=Longer"}));
        EXPECT_EQ(reader.ReadStagingValue("PART-A-GEN", "pi_Name"), "A");
    }
    EXPECT_EQ(reader.ReadStagingValue("PART-A-GEN", "pi_Name"), "Longer");
}

}  // namespace
}  // namespace orvane
