#include <gtest/gtest.h>

#include "mapping/fill/ScheduleBP.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

constexpr std::string_view kCorporate =
    "<ITRForm:CorpScheduleBP><ITRForm:BusinessIncOthThanSpec>"
    "<ITRForm:ProfBfrTaxPL>845000</ITRForm:ProfBfrTaxPL>"
    "<ITRForm:NetPLFromSpecBus>-12000</ITRForm:NetPLFromSpecBus>"
    "<ITRForm:NetProfLossSpecifiedBus>30000</ITRForm:NetProfLossSpecifiedBus>"
    "<ITRForm:IncCredPL><ITRForm:TotExempIncPL>11</ITRForm:TotExempIncPL>"
    "<ITRForm:TotExempInc>12</ITRForm:TotExempInc></ITRForm:IncCredPL>"
    "</ITRForm:BusinessIncOthThanSpec>"
    "<ITRForm:IncChrgUnHdProftGain>833000</ITRForm:IncChrgUnHdProftGain>"
    "</ITRForm:CorpScheduleBP>";

TEST(ScheduleBP, SpecifiedBusinessLineOnlyOnTheCompanyFormOf2011) {
    struct Case {
        int form;
        int year;
        std::size_t entries;
    };
    for (const Case& c : {Case{6, 2011, 65}, Case{6, 2010, 64}, Case{5, 2011, 64}}) {
        const auto section =
            Fill(FillScheduleBP, c.form, c.year, kCorporate).Section("SCHEDULE-BP");
        ASSERT_EQ(section.size(), c.entries) << c.form << " " << c.year;
        EXPECT_EQ(section[0], "bp_1=845000");
        EXPECT_EQ(section[1], "bp_2=-12000");
        EXPECT_EQ(section[2], c.entries == 65 ? "bp_2b=30000" : "bp_3=Nil");
        EXPECT_EQ(section.back(), "bp_c=833000");
    }
}

TEST(ScheduleBP, ExemptIncomeTotalIsSpelledByForm) {
    EXPECT_EQ(Fill(FillScheduleBP, 5, 2009, kCorporate).Read("SCHEDULE-BP", "bp_5d"), "12");
    std::string itr4(kCorporate);
    itr4.replace(itr4.find("CorpScheduleBP"), 14, "ITR4ScheduleBP");
    itr4.replace(itr4.rfind("CorpScheduleBP"), 14, "ITR4ScheduleBP");
    EXPECT_EQ(Fill(FillScheduleBP, 4, 2009, itr4).Read("SCHEDULE-BP", "bp_5d"), "11");
}

// The schedule's element name depends only on the form code.
TEST(ScheduleBP, TheOtherFormsScheduleIsNotRead) {
    std::string itr4(kCorporate);
    itr4.replace(itr4.find("CorpScheduleBP"), 14, "ITR4ScheduleBP");
    itr4.replace(itr4.rfind("CorpScheduleBP"), 14, "ITR4ScheduleBP");
    EXPECT_EQ(Fill(FillScheduleBP, 5, 2009, itr4).text, "");
    EXPECT_EQ(Fill(FillScheduleBP, 4, 2009, kCorporate).text, "");
    EXPECT_EQ(Fill(FillScheduleBP, 3, 2009, kCorporate).text, "");
}

}  // namespace
}  // namespace orvane
