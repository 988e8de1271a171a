#include <gtest/gtest.h>

#include "acknowledgement/FillAcknowledgement.h"
#include "support/FillerRun.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::ExpectStagingFile;
using test::StageFixture;

TEST(FillAcknowledgement, WholeAckFileOfEachLayoutAndForm) {
    struct Case {
        const char* fixture;
        const char* expected;
    };
    const Case cases[] = {
        // table layout: no loss or TCS line for ITR-1, two blanks for a missing middle name
        {"itr1-2009.xml", "expected/ack-itr1-2009.WIN"},
        {"itr1-2010.xml", "expected/ack-itr1-2010.WIN"},
        // a firm: TCS line, refund from RefundsDue, no name parts
        {"itr5-2010-ack.xml", "expected/ack-itr5-2010.WIN"},
        // fringe benefits only; no amount source for lines 1 to 9
        {"itr8-2009-ack.xml", "expected/ack-itr8-2009.WIN"},
        // form code 45 in the sentence, no ward and no original-or-revised line
        {"itr4s-2010-minimal.xml", "expected/ack-itr4s-2010.WIN"},
        // boxed layout: a negative loss split over its sign box, Pan for the bar code
        {"itr2-2011-ack.xml", "expected/ack-itr2-2011.WIN"},
        // boxed layout of ITR-8: the section ticks come from its fringe-benefit section
        {"itr8-2011-ack.xml", "expected/ack-itr8-2011.WIN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const test::TempDir dir;
        const auto written = StageFixture(c.fixture, dir, /*acknowledgement=*/true);
        EXPECT_EQ(written, dir / "ACK.WIN");
        ExpectStagingFile(written, c.expected);
    }
}

TEST(FillAcknowledgement, WithoutGeneralBlockOnlyTheFileNumberIsWritten) {
    for (const auto& [form_code, xml] :
         std::vector<std::pair<int, std::string>>{{2, "<R><ITR2FORM:ITR2/></R>"},
                                                  {1, "<R><Other/></R>"},
                                                  {45, "<R><ITR1FORM:ITR1/></R>"}}) {
        test::InlineReturn r(xml, form_code, 2011);
        const test::TempDir dir;
        FillAcknowledgement(r.context, {dir.Path(), nullptr});
        EXPECT_EQ(test::ReadFile(dir / "ACK.WIN"), "[Personal]\r\nFileNo=\r\n") << form_code;
    }
}

TEST(FillAcknowledgement, StoreNameFollowsTheYear) {
    struct Recorder : ReportPresenter {
        void Present(const StagedReport& report) override { shown = report; }
        StagedReport shown;
    };
    const std::pair<int, ReportChoice> cases[] = {
        {2008, {"TFormNewAcknowledgement", "frxReport1"}},
        {2009, {"TFormNewAcknowledgement", "frxReport1"}},
        {2010, {"TFormNewAcknowledgement", "frxReport2"}},
        {2011, {"TFormNewAcknowledgement", "frxReport2011"}},
    };
    for (const auto& [year, choice] : cases) {
        test::InlineReturn r("<R><ITR1FORM:ITR1/></R>", 1, year);
        const test::TempDir dir;
        Recorder recorder;
        FillAcknowledgement(r.context, {dir.Path(), &recorder});
        EXPECT_EQ(recorder.shown.staging_file, dir / "ACK.WIN");
        EXPECT_EQ(recorder.shown.choice, choice) << year;
    }
}

}  // namespace
}  // namespace orvane
