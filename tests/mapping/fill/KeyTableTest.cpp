#include <gtest/gtest.h>

#include "Error.h"
#include "mapping/fill/KeyTable.h"
#include "staging/StagingReader.h"
#include "support/TempDir.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

using test::CrLf;

constexpr KeyRow kRows[] = {
    {"name", "ITRForm:Name"},
    {"pan", "ITRForm:Id/ITRForm:PAN", Conv::kSpaceLetters},
    {"income", "ITRForm:Income", Conv::kAmountOrNil},
    {"hp", "ITRForm:HP", Conv::kSignSplit},
    {"os", "ITRForm:OS", Conv::kSignSplit},
    {"male", "ITRForm:Gender", Conv::kFlag, "M"},
    {"state", "ITRForm:State", Conv::kStateLetters},
    {"nil", "ITRForm:Refund", Conv::kNilTest, "ITRForm:Payable"},
    {"only2", "ITRForm:Name", Conv::kAsIs, {}, Forms({2})},
    {"from2011", "ITRForm:Name", Conv::kAsIs, {}, FormsFrom({1, 2}, 2011)},
};
static_assert(!HasOverlappingKeys(kRows));

constexpr KeyRow kSameKeyForOtherForms[] = {
    {"pi_PAN", "a", Conv::kAsIs, {}, Forms({1, 2, 3, 4})},
    {"pi_PAN", "b", Conv::kAsIs, {}, Forms({5, 6, 8})},
};
static_assert(!HasOverlappingKeys(kSameKeyForOtherForms));

constexpr KeyRow kOverlapping[] = {
    {"k", "a", Conv::kAsIs, {}, Forms({1, 2})},
    {"k", "b", Conv::kAsIs, {}, FormsFrom({2}, 2011)},
};
static_assert(HasOverlappingKeys(kOverlapping));

constexpr std::string_view kBlock = R"(<B>
  <ITRForm:Name>RAVI</ITRForm:Name>
  <ITRForm:Id><ITRForm:PAN>AB12</ITRForm:PAN></ITRForm:Id>
  <ITRForm:Income>0</ITRForm:Income>
  <ITRForm:HP>-1500</ITRForm:HP>
  <ITRForm:OS>700</ITRForm:OS>
  <ITRForm:Gender>M</ITRForm:Gender>
  <ITRForm:State>19</ITRForm:State>
  <ITRForm:Refund>2500</ITRForm:Refund>
  <ITRForm:Payable>-2500</ITRForm:Payable>
</B>)";

class KeyTableTest : public ::testing::Test {
  protected:
    std::string Written(int form_code, int year, XmlNode base) {
        ReturnContext context;
        context.FormCode = form_code;
        context.AssessmentYear = year;
        TIniControl ini = TIniControl::Create("ITR2", year, {dir_.Path(), nullptr});
        WriteRows(ini, context, "S", base, kRows);
        ini.ShowReport();
        return test::ReadFile(dir_ / "ITR2.WIN");
    }

    test::TempDir dir_;
    std::shared_ptr<ReturnDocument> document_ = ReturnDocument::Parse(kBlock);
    XmlNode base_ = document_->Document().first_child();
};

TEST_F(KeyTableTest, WritesTheRowsInTableOrderWithTheirConversions) {
    EXPECT_EQ(Written(1, 2009, base_),
              CrLf({"[S]", "name=RAVI", "pan=A B 1 2 ", "income=Nil", "hpa=-", "hpb=1 5 0 0 ",
                    "osb=7 0 0 ", "male=1", "state=M A H A R A S H T R A ", "nil=1"}));
}

TEST_F(KeyTableTest, ConditionsChooseTheRowsOfTheFormAndYear) {
    const std::string written = Written(2, 2011, base_);
    EXPECT_NE(written.find("only2=RAVI\r\nfrom2011=RAVI\r\n"), std::string::npos);
}

TEST_F(KeyTableTest, AnAbsentBaseWritesEmptyValues) {
    EXPECT_EQ(Written(1, 2009, XmlNode{}), CrLf({"[S]", "name=", "pan=", "income=Nil",
                                                 "hpb=", "osb=", "male=0", "state=", "nil=1"}));
}

TEST_F(KeyTableTest, TheNilTestRefusesAmountsThatAreNotWhole) {
    const auto document = ReturnDocument::Parse("<B><ITRForm:Refund>10.50</ITRForm:Refund></B>");
    EXPECT_THROW(Written(1, 2009, document->Document().first_child()), Error);
}

}  // namespace
}  // namespace orvane
