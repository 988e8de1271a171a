#include <gtest/gtest.h>

#include "Error.h"
#include "reports/catalogue/ReportBuilder.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

const DirectoryResources kTemplates(ORVANE_TEST_TEMPLATES_DIR);
const ApproximateTextMeasurer kMeasurer;

std::vector<std::string> Texts(const PreparedPage& page) {
    std::vector<std::string> texts;
    for (const PreparedObject& object : page.objects) {
        if (object.kind == PreparedKind::kText) texts.emplace_back(page.Text(object));
    }
    return texts;
}

bool Contains(const std::vector<std::string>& texts, std::string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

StagedReport Staged(const test::TempDir& dir, std::string store, int year) {
    const std::string file = store == "ITR1" && year == 2010 ? "sITR1.WIN" : store + ".WIN";
    return StagedReport{store, year, dir / file, SelectReport(store, year)};
}

std::string BuildError(const StagedReport& report) {
    try {
        BuildReport(report, kMeasurer, kTemplates);
    } catch (const NoPrintedFormError& error) {
        return std::string("no form: ") + error.what();
    } catch (const Error& error) {
        return error.what();
    }
    return "(built)";
}

TEST(BuildReport, PrintsTheChosenTemplateFromTheStagingFile) {
    const test::TempDir dir;
    const std::string long_name(3000, 'N');
    test::WriteFile(
        dir / "ITR1.WIN",
        CrLf({"[PART-A-GEN]", "AssessmentYear=2009-10", "pi_Name=" + long_name, "pi_PAN=ABCDE1234F",
              "fs_Resident=1", "SoftwareBy=Printed with Orvane", "[PART-B]", "ti_1=  250000",
              "[SCHEDULE-IT-1]", "SrNo=1", "BsrCode=0510032", "Amount=5000", "[SCHEDULE-IT-2]",
              "SrNo=2", "BsrCode=0004329", "Amount=Nil"}));
    const PreparedDocument doc = BuildReport(Staged(dir, "ITR1", 2009), kMeasurer, kTemplates);
    ASSERT_EQ(doc.pages.size(), 1u);
    const std::vector<std::string> texts = Texts(doc.pages[0]);
    EXPECT_TRUE(Contains(texts, "Assessment Year 2009-10"));
    EXPECT_TRUE(Contains(texts, std::string(2047, 'N')));  // a long value is cut
    EXPECT_TRUE(Contains(texts, "Gross total income [as per Form No.16]"));
    EXPECT_TRUE(Contains(texts, "250000"));
    EXPECT_TRUE(Contains(texts, "Details of Advance Tax and Self Assessment Tax Payments"));
    EXPECT_TRUE(Contains(texts, "0510032"));  // BSRCODE reads BsrCode
    EXPECT_TRUE(Contains(texts, "Nil"));
    EXPECT_FALSE(Contains(texts, "Details of TDS From Salary"));  // no TDS1 rows, no table
    EXPECT_TRUE(Contains(texts, "1 of 1"));
    EXPECT_TRUE(Contains(texts, "Printed with Orvane"));
    const auto ticked = std::count_if(doc.pages[0].objects.begin(), doc.pages[0].objects.end(),
                                      [](const PreparedObject& o) { return o.Has(kChecked); });
    EXPECT_EQ(ticked, 1);
}

TEST(BuildReport, EachClassReadsItsOwnStagingFile) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", CrLf({"[PART-A-GEN]", "pi_Name=from ITR1.WIN"}));
    test::WriteFile(dir / "sITR1.WIN", CrLf({"[PART-A-GEN]", "pi_Name=from sITR1.WIN"}));
    const PreparedDocument doc = BuildReport(Staged(dir, "ITR1", 2010), kMeasurer, kTemplates);
    EXPECT_EQ(Texts(doc.pages.at(0)), std::vector<std::string>{"from sITR1.WIN"});
    EXPECT_EQ(doc.name, "ITR 1");
}

TEST(BuildReport, TheAcknowledgementPrintsItsOneRecordOnce) {
    const test::TempDir dir;
    test::WriteFile(dir / "ACK.WIN", CrLf({"[Personal]", "Name=ASHA"}));
    const PreparedDocument doc = BuildReport(Staged(dir, "ACK2011", 2011), kMeasurer, kTemplates);
    ASSERT_EQ(doc.pages.size(), 1u);
    const std::vector<std::string> texts = Texts(doc.pages[0]);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].starts_with("ITR-V "));
}

TEST(BuildReport, ReportsWhatCannotBePrinted) {
    const test::TempDir dir;
    struct Case {
        StagedReport report;
        std::string message;
    };
    const std::vector<Case> cases = {
        {Staged(dir, "ITR4S", 2009), "no form: No printed form of ITR-4S for this assessment year"},
        {Staged(dir, "ITR1", 2011), "The printed form of ITR-1 for 2011-12 is not available yet"},
        {Staged(dir, "ITR4", 2009), "The printed form of ITR-4 for 2009-10 is not available yet"},
        {Staged(dir, "ACK", 2008), "The acknowledgement for 2008-09 is not available yet"},
        {StagedReport{"ITR2", 2011, dir / "ITR2.WIN", ReportChoice{"TFormITR9", "frxReport1"}},
         "The printed form of ITR-2 for 2011-12 is not available yet"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildError(c.report), c.message);
}

}  // namespace
}  // namespace orvane
