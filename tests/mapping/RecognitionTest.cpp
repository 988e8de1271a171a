#include <gtest/gtest.h>

#include "Error.h"
#include "mapping/Recognition.h"
#include "support/TempDir.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// A return with the given leading nodes, form element, form name and year.
std::string Return(std::string_view leading, std::string_view form_name, std::string_view year,
                   std::string_view form_element = "ITR1FORM:ITR1") {
    return std::string(leading) +
           "<ITRETURN:ITR xmlns:ITRETURN=\"urn:main\" xmlns:ITR1FORM=\"urn:itr1\" "
           "xmlns:ITRForm=\"urn:master\"><" +
           std::string(form_element) +
           "><ITRForm:CreationInfo/><ITRForm:Form_ITR><ITRForm:FormName>" + std::string(form_name) +
           "</ITRForm:FormName><ITRForm:AssessmentYear>" + std::string(year) +
           "</ITRForm:AssessmentYear></ITRForm:Form_ITR></" + std::string(form_element) +
           "></ITRETURN:ITR>";
}

struct Outcome {
    std::string message;  // empty when recognised
    int form_code = 0;
    int year = 0;
    int year_end = 0;
    std::string root;
};

Outcome Recognise(const std::string& xml) {
    Outcome outcome;
    try {
        const ReturnContext context = RecogniseReturn(ReturnDocument::Parse(xml), "RETURN.XML");
        outcome.form_code = context.FormCode;
        outcome.year = context.AssessmentYear;
        outcome.year_end = context.AssessmentYearEnd;
        outcome.root = NodeName(context.ReturnRoot);
    } catch (const Error& error) {
        outcome.message = error.what();
    }
    return outcome;
}

TEST(Recognition, FormCodesAndYears) {
    struct Case {
        const char* form_name;
        const char* year;
        int form_code;
        int year_code;
    };
    const Case cases[] = {
        {"ITR-1", "2008", 1, 2008}, {"ITR-2", "2009", 2, 2009},   {"ITR-3", "2010", 3, 2010},
        {"ITR-4", "2011", 4, 2011}, {"ITR-4S", "2011", 45, 2011}, {"ITR-5", "2009", 5, 2009},
        {"ITR-6", "2010", 6, 2010}, {"ITR-8", "2008", 8, 2008},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Recognise(Return("", c.form_name, c.year));
        EXPECT_EQ(outcome.message, "") << c.form_name;
        EXPECT_EQ(outcome.form_code, c.form_code) << c.form_name;
        EXPECT_EQ(outcome.year, c.year_code) << c.form_name;
        EXPECT_EQ(outcome.year_end, c.year_code + 1) << c.form_name;
    }
}

TEST(Recognition, Messages) {
    struct Case {
        const char* name;
        std::string xml;
        std::string message;
    };
    const std::string year_message(kAssessmentYearInvalid);
    const Case cases[] = {
        {"lower-case s", Return("", "ITR-4s", "2011"), std::string(kItrNoMissing)},
        {"form name with a blank", Return("", "ITR-1 ", "2011"), std::string(kItrNoMissing)},
        {"unknown form and year: only the year message", Return("", "ITR-7", "2012"), year_message},
        {"year as a range", Return("", "ITR-1", "2008-09"), year_message},
        {"year with a leading blank", Return("", "ITR-1", " 2009"), year_message},
        {"another document", "<?xml version=\"1.0\"?><html><body><p>x</p></body></html>",
         year_message},
        {"declaration and three comments: a comment becomes the root",
         Return("<?xml version=\"1.0\"?><!--1--><!--2--><!--3-->", "ITR-1", "2009"),
         "The return element #comment holds no form"},
        {"container read as text",
         "<ITR><F><B><ITRForm:FormName><x/></ITRForm:FormName></B></F></ITR>",
         "Element does not contain a single text node"},
    };
    for (const Case& c : cases) EXPECT_EQ(Recognise(c.xml).message, c.message) << c.name;
}

TEST(Recognition, LeadingNodesAreTrimmedThreeTimesAtMost) {
    struct Case {
        const char* name;
        std::string xml;
        const char* root;
    };
    const Case cases[] = {
        {"declaration", Return("<?xml version=\"1.0\"?>", "ITR-1", "2009"), "ITRETURN:ITR"},
        {"declaration and two comments",
         Return("<?xml version=\"1.0\"?><!--a--><!--b-->", "ITR-1", "2009"), "ITRETURN:ITR"},
        {"leading ITR element stays",
         "<ITRX><F><B><ITRForm:FormName>ITR-1</ITRForm:FormName>"
         "<ITRForm:AssessmentYear>2009</ITRForm:AssessmentYear></B></F></ITRX>",
         "ITRX"},
    };
    for (const Case& c : cases) EXPECT_EQ(Recognise(c.xml).root, c.root) << c.name;
}

TEST(Recognition, ReadsFilesAndNamesYears) {
    const test::TempDir dir;
    test::WriteFile(dir / "r.xml", Return("", "ITR-4S", "2011"));
    const ReturnContext context = RecogniseReturn(dir / "r.xml");
    EXPECT_EQ(context.File, dir / "r.xml");
    EXPECT_EQ(FormName(context.FormCode), "ITR-4S");
    EXPECT_EQ(AssessmentYearText(2009), "2009-10");
    EXPECT_EQ(AssessmentYearText(2011), "2011-12");
    EXPECT_THROW(RecogniseReturn(dir / "absent.xml"), Error);
}

}  // namespace
}  // namespace orvane
