#include <gtest/gtest.h>

#include "mapping/fill/ScheduleMAT.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

TEST(ScheduleMAT, BookProfitAndTax) {
    const auto section =
        Fill(FillScheduleMAT, 6, 2009,
             "<ITRForm:ScheduleMAT><ITRForm:PLAcntPrepSchedVICompAct>Y</"
             "ITRForm:PLAcntPrepSchedVICompAct>"
             "<ITRForm:PLAcntPrepAsperAGM>N</ITRForm:PLAcntPrepAsperAGM>"
             "<ITRForm:ProfBeforeTaxPLAcnt>1250000</ITRForm:ProfBeforeTaxPLAcnt>"
             "<ITRForm:Deducts><ITRForm:Others>0</ITRForm:Others></ITRForm:Deducts>"
             "<ITRForm:TaxPayableUs115JB>191250</ITRForm:TaxPayableUs115JB></ITRForm:ScheduleMAT>")
            .Section("SCHEDULE-MAT");
    ASSERT_EQ(section.size(), 21U);
    EXPECT_EQ(section[0], "mat_1=Y");
    EXPECT_EQ(section[1], "mat_2=N");
    EXPECT_EQ(section[2], "mat_3=1250000");
    EXPECT_EQ(section[17], "mat_5f=Nil");
    EXPECT_EQ(section[20], "mat_7=191250");
}

TEST(ScheduleMAT, CreditAndTheLabelsOfItsYears) {
    struct Case {
        int year;
        const char* ay1;
        const char* ay2;
        const char* ay3;
    };
    for (const Case& c : {Case{2011, "2009-2010", "2010-2011", "2011-2012"},
                          Case{2010, "2008-2009", "2009-2010", "2010-2011"}}) {
        const auto section = Fill(FillScheduleMATC, 6, c.year,
                                  "<ITRForm:ScheduleMATC><ITRForm:TaxUs115JBPrevAssYr>40000</"
                                  "ITRForm:TaxUs115JBPrevAssYr>"
                                  "</ITRForm:ScheduleMATC>")
                                 .Section("SCHEDULE-MAT");
        ASSERT_EQ(section.size(), 12U);
        EXPECT_EQ(section[0], "matc_1=40000");
        EXPECT_EQ(section[8], "matc_9=Nil");
        EXPECT_EQ(section[9], std::string("matc_ay1=") + c.ay1);
        EXPECT_EQ(section[10], std::string("matc_ay2=") + c.ay2);
        EXPECT_EQ(section[11], std::string("matc_ay3=") + c.ay3);
    }
}

TEST(ScheduleMAT, AbsentSchedulesWriteNothingNotEvenTheYearLabels) {
    EXPECT_EQ(Fill(FillScheduleMAT, 6, 2011, "<ITRForm:ScheduleMATC/>").text, "");
    EXPECT_EQ(Fill(FillScheduleMATC, 6, 2011, "<ITRForm:ScheduleMAT/>").text, "");
}

}  // namespace
}  // namespace orvane
