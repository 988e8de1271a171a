#include <gtest/gtest.h>

#include "reports/catalogue/StagingDatasets.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

// The rows a band bound to the dataset walks: First, then Next until Eof.
std::vector<std::string> Walk(Dataset& dataset, std::string_view field) {
    std::vector<std::string> rows;
    dataset.First();
    while (!dataset.Eof() && rows.size() < 100) {
        rows.push_back(dataset.Value(field));
        dataset.Next();
    }
    return rows;
}

TEST(NumberedDataset, RowsEndAtTheFirstBlankOrMissingSrNo) {
    struct Case {
        std::string name;
        std::string staging;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"two rows",
         CrLf({"[SCHEDULE-IT-1]", "SrNo=1", "Bank=SBI", "[SCHEDULE-IT-2]", "SrNo=2", "Bank=PNB"}),
         {"SBI", "PNB"}},
        {"row 3 absent, row 4 never read",
         CrLf({"[SCHEDULE-IT-1]", "SrNo=1", "Bank=A", "[SCHEDULE-IT-2]", "SrNo=2", "Bank=B",
               "[SCHEDULE-IT-4]", "SrNo=4", "Bank=D"}),
         {"A", "B"}},
        {"SrNo of blanks", CrLf({"[SCHEDULE-IT-1]", "SrNo=   ", "Bank=A"}), {}},
        {"no row 1", CrLf({"[SCHEDULE-IT-2]", "SrNo=2", "Bank=B"}), {}},
        {"placeholder row", CrLf({"[SCHEDULE-IT-1]", "SrNo=.", "Bank="}), {""}},
        {"field in other letter case",
         CrLf({"[schedule-it-1]", "srno=1", "bank=lower"}),
         {"lower"}},
    };
    for (const Case& c : cases) {
        const test::TempDir dir;
        test::WriteFile(dir / "ITR1.WIN", c.staging);
        const StagingReader reader(dir / "ITR1.WIN");
        NumberedDataset dataset(reader, "SCHEDULE-IT-");
        EXPECT_EQ(Walk(dataset, "Bank"), c.rows) << c.name;
        EXPECT_EQ(Walk(dataset, "BANK"), c.rows) << c.name << ", walked again";
    }
}

TEST(NumberedDataset, ReadsTheRowOfItsCounterAndStaysAtItsEnd) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR2.WIN",
                    CrLf({"[SCHEDULE-IT-0]", "SrNo=0", "Bank=zero", "[SCHEDULE-IT-1]", "SrNo=1",
                          "Bank=one", "[SCHEDULE-IT-3]", "SrNo=3", "Bank=three"}));
    const StagingReader reader(dir / "ITR2.WIN");
    NumberedDataset dataset(reader, "SCHEDULE-IT-");
    EXPECT_EQ(dataset.Counter(), 0);
    EXPECT_EQ(dataset.Value("Bank"), "zero");  // before its band runs: row 0
    dataset.First();
    EXPECT_EQ(dataset.Value("Bank"), "one");
    dataset.Next();
    EXPECT_TRUE(dataset.Eof());
    dataset.Next();  // a holder stepping on after its subreport's walk
    EXPECT_TRUE(dataset.Eof());
    EXPECT_EQ(dataset.Counter(), 2);
}

TEST(SectionDataset, OneRowNeverAtItsEndAbsentMeansEmpty) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", CrLf({"[PART-A-GEN]", "pi_Name= ASHA ", "pi_Quoted=\"Q\""}));
    const StagingReader reader(dir / "ITR1.WIN");
    SectionDataset gen(reader, "PART-A-GEN");
    SectionDataset absent(reader, "PART-B");
    gen.First();
    EXPECT_FALSE(gen.Eof());
    EXPECT_TRUE(gen.IsSingleRow());
    EXPECT_EQ(gen.Value("PI_NAME"), "ASHA");
    EXPECT_EQ(gen.Value("pi_Quoted"), "Q");
    EXPECT_EQ(gen.Value("undeclared"), "");
    gen.Next();
    EXPECT_EQ(gen.Value("pi_Name"), "ASHA");
    EXPECT_FALSE(absent.Eof());
    EXPECT_EQ(absent.Value("ti_1"), "");

    EmptyDataset empty;
    empty.First();
    EXPECT_TRUE(empty.Eof());
    EXPECT_EQ(empty.Value("SrNo"), "");
}

}  // namespace
}  // namespace orvane
