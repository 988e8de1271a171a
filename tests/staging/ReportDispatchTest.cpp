#include <gtest/gtest.h>

#include "Error.h"
#include "staging/ReportDispatch.h"

namespace orvane {
namespace {

TEST(ReportDispatch, ChoosesTheReportByNameAndYear) {
    struct Case {
        const char* name;
        int year;
        const char* report_class;  // empty: nothing is shown
        const char* component;
    };
    const Case cases[] = {
        {"ACK2011", 2011, "TFormNewAcknowledgement", "frxReport2011"},
        {"ACK", 2009, "TFormNewAcknowledgement", "frxReport1"},
        {"ACK", 2011, "TFormNewAcknowledgement", "frxReport1"},  // the year is folded into the name
        {"ACK2010", 2010, "TFormNewAcknowledgement", "frxReport2"},
        {"ITR1", 2011, "TFormITR1_2011", "frxReport1"},
        {"ITR1", 2010, "TFormITR1_2010", "frxReport1"},
        {"ITR1", 2009, "TFormITR1", "frxReport1"},
        {"ITR1", 2008, "TFormITR1", "frxReport1"},
        {"ITR1", 0, "TFormITR1", "frxReport1"},
        {"ITR2", 2011, "TFormITR2_2011", "frxReport1"},
        {"ITR2", 2010, "TFormITR2_2010", "frxReport1"},
        {"ITR2", 2009, "TFormITR2", "frxReport2"},
        {"ITR3", 2011, "TFormITR3_2011", "frxReport1"},
        {"ITR3", 2010, "TFormITR3_2010", "frxReport1"},
        {"ITR3", 2008, "TFormITR3", "frxReport3"},
        {"ITR4", 2011, "TFormITR4_2011", "frxReport1"},
        {"ITR4", 2010, "TFormITR4_2010", "frxReport1"},
        {"ITR4", 2009, "TFormITR4", "frxReport_2009_2010"},
        {"ITR4", 2008, "TFormITR4", "frxReport"},
        {"ITR4S", 2011, "TFormITR4s_2011", "frxReport1"},
        {"ITR4S", 2009, "", ""},
        {"ITR4S", 2010, "", ""},
        {"ITR5", 2011, "TFormITR5_2011", "frxReport1"},
        {"ITR5", 2010, "TFormITR5_2010", "frxReport1"},
        {"ITR5", 2009, "TFormITR5", "frxReport_2009_2010"},
        {"ITR5", 2008, "TFormITR5", "frxReport"},
        {"ITR6", 2011, "TFormITR6_2011", "frxReport1"},
        {"ITR6", 2010, "TFormITR6_2010", "frxReport1"},
        {"ITR6", 2009, "TFormITR6", "frxReport_2009_2010"},
        {"ITR6", 2008, "TFormITR6", "frxReport"},
        {"ITR8", 2011, "TFormITR8", "frxReport8"},
        {"ITR8", 2008, "TFormITR8", "frxReport8"},
        {"ITR7", 2011, "", ""},
        {"itr1", 2011, "", ""},  // names are compared exactly
    };
    for (const Case& c : cases) {
        const auto choice = SelectReport(c.name, c.year);
        if (std::string_view(c.report_class).empty()) {
            EXPECT_FALSE(choice) << c.name << " " << c.year;
        } else {
            ASSERT_TRUE(choice) << c.name << " " << c.year;
            EXPECT_EQ(*choice, (ReportChoice{c.report_class, c.component}))
                << c.name << " " << c.year;
        }
    }
}

TEST(ReportDispatch, StagingFileNames) {
    struct Case {
        const char* name;
        int year;
        const char* file;
    };
    const Case cases[] = {
        {"ITR1", 2010, "sITR1.WIN"},  {"ITR1", 2011, "ITR1.WIN"}, {"ITR1", 2008, "ITR1.WIN"},
        {"ITR2", 2010, "ITR2.WIN"},   {"ITR3", 2009, "ITR3.WIN"}, {"ITR4", 2009, "ITR4.WIN"},
        {"ITR4S", 2011, "ITR4s.WIN"}, {"ITR5", 2011, "ITR5.WIN"}, {"ITR6", 2011, "ITR6.WIN"},
        {"ITR8", 2009, "ITR8.WIN"},   {"ACK", 2009, "ACK.WIN"},   {"ACK2010", 2010, "ACK.WIN"},
        {"ACK2011", 2011, "ACK.WIN"},
    };
    for (const Case& c : cases) EXPECT_EQ(StagingFileName(c.name, c.year), c.file) << c.name;
    EXPECT_THROW(StagingFileName("ITR7", 2011), Error);
}

}  // namespace
}  // namespace orvane
