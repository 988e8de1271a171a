#include <gtest/gtest.h>

#include "Error.h"
#include "staging/StagingReader.h"
#include "staging/TIniControl.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

class RecordingPresenter : public ReportPresenter {
  public:
    void Present(const StagedReport& report) override { shown.push_back(report); }
    std::vector<StagedReport> shown;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(TIniControl, WritesEachEntryAtOnce) {
    const test::TempDir dir;
    TIniControl ini = TIniControl::Create("ITR1", 2009, {dir.Path(), nullptr});
    EXPECT_FALSE(std::filesystem::exists(dir / "ITR1.WIN"));  // comes with the first write
    ini.WriteValue("PART-B", "ti_1", "Nil");
    EXPECT_EQ(test::ReadFile(dir / "ITR1.WIN"), CrLf({"[PART-B]", "ti_1=Nil"}));
    ini.WriteValue("PART-A-GEN", "AssessmentYear", "2009-2010");
    ini.WriteValue("PART-B", "ti_1", "500");
    ini.WriteValue("PART-B", "ti_2", "");
    EXPECT_EQ(test::ReadFile(dir / "ITR1.WIN"),
              CrLf({"[PART-B]", "ti_1=500", "ti_2=", "[PART-A-GEN]", "AssessmentYear=2009-2010"}));
}

TEST(TIniControl, CreateDeletesTheOldFileOfTheSameName) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", CrLf({"[OLD]", "k=v"}));
    test::WriteFile(dir / "sITR1.WIN", CrLf({"[OLD]", "k=v"}));
    TIniControl ini = TIniControl::Create("ITR1", 2009, {dir.Path(), nullptr});
    EXPECT_FALSE(std::filesystem::exists(dir / "ITR1.WIN"));
    EXPECT_TRUE(std::filesystem::exists(dir / "sITR1.WIN"));  // 2010's file is another name
}

TEST(TIniControl, AnOldFileThatCannotBeDeletedStopsTheRunBeforeAnyWrite) {
    const test::TempDir dir;
    std::filesystem::create_directory(dir / "ITR2.WIN");  // in the way, and not a file
    std::filesystem::create_directory(dir / "ITR2.WIN" / "inside");
    EXPECT_EQ(ErrorOf([&] {
                  TIniControl::Create("ITR2", 2009, {dir.Path(), nullptr});
              }),
              "Unable to write to " + (dir / "ITR2.WIN").string());
    EXPECT_TRUE(std::filesystem::exists(dir / "ITR2.WIN" / "inside"));
}

TEST(TIniControl, AFailedWriteSaysSo) {
    const test::TempDir dir;
    const auto missing = dir / "no such directory";
    TIniControl ini = TIniControl::Create("ACK2011", 2011, {missing, nullptr});
    EXPECT_EQ(ErrorOf([&] { ini.WriteValue("Personal", "FileNo", ""); }),
              "Unable to write to " + (missing / "ACK.WIN").string());
}

TEST(TIniControl, ShowReportClosesTheFileAndHandsOverTheChosenReport) {
    const test::TempDir dir;
    RecordingPresenter presenter;
    TIniControl ini = TIniControl::Create("ITR1", 2010, {dir.Path(), &presenter});
    ini.WriteValue("PART-B", "id_1", "Nil");
    ini.ShowReport();
    ini.Finish();
    ASSERT_EQ(presenter.shown.size(), 1u);
    const StagedReport& shown = presenter.shown.front();
    EXPECT_EQ(shown.staging_file, dir / "sITR1.WIN");
    EXPECT_EQ(shown.choice, (ReportChoice{"TFormITR1_2010", "frxReport1"}));
    EXPECT_EQ(StagingReader(shown.staging_file).ReadStagingValue("PART-B", "id_1"), "Nil");
}

TEST(TIniControl, ANameAndYearWithoutReportStillWritesTheFile) {
    const test::TempDir dir;
    RecordingPresenter presenter;
    TIniControl ini = TIniControl::Create("ITR4S", 2009, {dir.Path(), &presenter});
    ini.WriteValue("PART-A-GEN", "A1", "R A V I ");
    ini.ShowReport();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_FALSE(presenter.shown.front().choice);
    EXPECT_TRUE(std::filesystem::exists(dir / "ITR4s.WIN"));
}

}  // namespace
}  // namespace orvane
