#include <gtest/gtest.h>

#include "acknowledgement/AcknowledgementValue.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

// An acknowledgement staging file holding keys of both layouts, some of them
// under names that dsMain must not mistake for its own fields.
std::string AckFile(std::string_view other_file_no) {
    return CrLf({"[Personal]",
                 "FileNo=AB/123",
                 "User=Printed with Orvane",
                 "Name=RAVI  NAIR",
                 "FormNo=45",
                 "AsstYear=2009-10",
                 "Add1=14/2",
                 "Add4=ERNAKULAM SOUTH",
                 "Pan=AFGPN7310Q",
                 "State=KERELA",
                 "Ward=WARD 1(2) KOCHI",
                 "FormType=Revised",
                 "StatusCode=01",
                 "Form4s=1",
                 "A4=A F G P N 7 3 1 0 Q",
                 "A5b=0",
                 "A14f=1",
                 "Last1=from Personal",
                 "SoftwareBy=from Personal",
                 "Agri1=from Personal",
                 "[TI]",
                 "1=15900",
                 "3a=-2500",
                 "7e=1500",
                 "14c=67980",
                 "16=Nil",
                 "B1a=-",
                 "B4b=2 5 0 0",
                 "B14=0",
                 "ti1=from TI",
                 "Heading=from TI",
                 "[Other]",
                 "FileNo=" + std::string(other_file_no),
                 "Last1=seen",
                 "Last2=by the officer"});
}

TEST(dsMainGetValue, FieldsReadTheirSectionAndKeyCaseSensitively) {
    const test::TempDir dir;
    test::WriteFile(dir / "ACK.WIN", AckFile("N"));
    const StagingReader reader(dir / "ACK.WIN");
    struct Case {
        std::string_view field;
        std::string_view value;
    };
    const Case cases[] = {
        {"Heading",
         "Receive with thanks from RAVI  NAIR a return of income and/or return of fringe benefits "
         "in Form No. ITR-45 for assessment year 2009-10, having the following particulars."},
        {"FileNo", ""},  // Other/FileNo "N": no file number, although Personal holds one
        {"Name", "RAVI  NAIR"},
        {"FormNo", "45"},
        {"AsstYear", "2009-10"},
        {"Pan", "AFGPN7310Q"},
        {"Add1", "14/2"},
        {"Add2", ""},  // absent key
        {"Add4", "ERNAKULAM SOUTH"},
        {"State", "KERELA"},
        {"Ward", "WARD 1(2) KOCHI"},
        {"FormType", "Revised"},
        {"StatusCode", "01"},
        {"User", "Printed with Orvane"},
        // the numbered lines drop their "ti" prefix
        {"ti1", "15900"},
        {"ti3a", "-2500"},
        {"ti7e", "1500"},
        {"ti14c", "67980"},
        {"ti16", "Nil"},
        // the receipt box reads Other, not Personal
        {"Last1", "seen"},
        {"Last2", "by the officer"},
        // the boxed form of 2011-12
        {"Form4s", "1"},
        {"A4", "A F G P N 7 3 1 0 Q"},
        {"A5b", "0"},
        {"A14f", "1"},
        {"B1a", "-"},
        {"B4b", "2 5 0 0"},
        {"B14", "0"},
        // fields without a source print nothing, whatever the file holds
        {"Agri1", ""},
        {"Agri2", ""},
        {"SoftwareBy", ""},
        {"Surname", ""},
        // names match in their letter case only
        {"TI3a", ""},
        {"ti3A", ""},
        {"name", ""},
        {"heading", ""},
        {"fileno", ""},
        {"b1a", ""},
        {"form4S", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(dsMainGetValue(reader, c.field), c.value) << c.field;
}

TEST(dsMainGetValue, FileNumberPrintsUnlessMarkedN) {
    struct Case {
        std::string_view other_file_no;
        std::string_view value;
    };
    const Case cases[] = {{"N", ""}, {"Y", "AB/123"}, {"", "AB/123"}, {"n", "AB/123"}};
    for (const Case& c : cases) {
        const test::TempDir dir;
        test::WriteFile(dir / "ACK.WIN", AckFile(c.other_file_no));
        EXPECT_EQ(dsMainGetValue(StagingReader(dir / "ACK.WIN"), "FileNo"), c.value)
            << c.other_file_no;
    }
}

TEST(dsMainGetValue, WithoutStagingFileEveryFieldIsEmptyButTheSentence) {
    const test::TempDir dir;
    const StagingReader reader(dir / "ACK.WIN");
    EXPECT_EQ(dsMainGetValue(reader, "Name"), "");
    EXPECT_EQ(dsMainGetValue(reader, "FileNo"), "");
    EXPECT_EQ(dsMainGetValue(reader, "Heading"),
              "Receive with thanks from  a return of income and/or return of fringe benefits in "
              "Form No. ITR- for assessment year , having the following particulars.");
}

}  // namespace
}  // namespace orvane
