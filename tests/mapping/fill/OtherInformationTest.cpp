#include <gtest/gtest.h>

#include "mapping/fill/OtherInformation.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

std::string Info(std::string_view inside) {
    return "<ITRForm:PARTA_OI>" + std::string(inside) + "</ITRForm:PARTA_OI>";
}

TEST(OtherInformation, MethodOfAccountingAndYesNoAnswers) {
    struct Case {
        const char* inside;
        const char* oi1;
        const char* oi2;
        const char* oi4c;
    };
    const Case cases[] = {
        {"<ITRForm:MethodOfAcct>MERC</ITRForm:MethodOfAcct>"
         "<ITRForm:ChangeInAcctMethFlg>Y</ITRForm:ChangeInAcctMethFlg>",
         "1", "Yes", "No"},
        {"<ITRForm:MethodOfAcct>CASH</ITRForm:MethodOfAcct>"
         "<ITRForm:ChangeInAcctMethFlg>N</ITRForm:ChangeInAcctMethFlg>"
         "<ITRForm:MethodOfValClgStk><ITRForm:ChngStockValMetFlg>Y</ITRForm:ChngStockValMetFlg>"
         "</ITRForm:MethodOfValClgStk>",
         "2", "No", "Yes"},
        {"<ITRForm:MethodOfAcct>merc</ITRForm:MethodOfAcct>"
         "<ITRForm:ChangeInAcctMethFlg>y</ITRForm:ChangeInAcctMethFlg>",
         "0", "No", "No"},
        {"", "0", "No", "No"},
    };
    for (const Case& c : cases) {
        const auto filled = Fill(FillPartAOI, 4, 2009, Info(c.inside));
        EXPECT_EQ(filled.Read("PART-A-OI", "oi1"), c.oi1) << c.inside;
        EXPECT_EQ(filled.Read("PART-A-OI", "oi2"), c.oi2) << c.inside;
        EXPECT_EQ(filled.Read("PART-A-OI", "oi4c"), c.oi4c) << c.inside;
    }
}

TEST(OtherInformation, WritesEveryItemInOrderAndNothingWithoutTheBlock) {
    const auto section = Fill(FillPartAOI, 5, 2010, Info("")).Section("PART-A-OI");
    ASSERT_EQ(section.size(), 75U);
    const std::vector<std::string> first(section.begin(), section.begin() + 8);
    EXPECT_EQ(first, (std::vector<std::string>{"oi1=0", "oi2=No", "oi3=", "oi4a=", "oi4b=",
                                               "oi4c=No", "oi4d=", "oi5a=Nil"}));
    EXPECT_EQ(section.back(), "oi15=Nil");
    EXPECT_EQ(Fill(FillPartAOI, 4, 2010, "<ITRForm:PARTA_QD/>").text, "");
}

TEST(OtherInformation, OtherDisallowancesAreSpelledByForm) {
    const std::string inside =
        "<ITRForm:AmtDisallUs36><ITRForm:OthDisallowances>61</ITRForm:OthDisallowances>"
        "<ITRForm:AnyOthDisallowance>62</ITRForm:AnyOthDisallowance></ITRForm:AmtDisallUs36>"
        "<ITRForm:AmtDisallUs40><ITRForm:OthDisallow>81</ITRForm:OthDisallow>"
        "<ITRForm:AnyOthDisallowance>82</ITRForm:AnyOthDisallowance>"
        "<ITRForm:AmtDisallUs40PyNowAll>83</ITRForm:AmtDisallUs40PyNowAll>"
        "<ITRForm:AnyAmtOfSec40AllowPrevYr>84</ITRForm:AnyAmtOfSec40AllowPrevYr>"
        "</ITRForm:AmtDisallUs40>"
        "<ITRForm:AmtDisallUs40A><ITRForm:OthDisallow>91</ITRForm:OthDisallow>"
        "<ITRForm:AnyOthDisallowance>92</ITRForm:AnyOthDisallowance></ITRForm:AmtDisallUs40A>";
    struct Case {
        int form;
        const char* oi6o;
        const char* oi8Ag;
        const char* oi8B;
        const char* oi9e;
    };
    for (const Case& c : {Case{4, "61", "81", "83", "91"}, Case{5, "62", "82", "84", "92"},
                          Case{6, "62", "82", "84", "92"}}) {
        const auto filled = Fill(FillPartAOI, c.form, 2009, Info(inside));
        EXPECT_EQ(filled.Read("PART-A-OI", "oi6o"), c.oi6o) << c.form;
        EXPECT_EQ(filled.Read("PART-A-OI", "oi8Ag"), c.oi8Ag) << c.form;
        EXPECT_EQ(filled.Read("PART-A-OI", "oi8B"), c.oi8B) << c.form;
        EXPECT_EQ(filled.Read("PART-A-OI", "oi9e"), c.oi9e) << c.form;
    }
}

// The securities transaction tax disallowed under section 40 is printed as
// the return holds it, like every neighbouring amount.
TEST(OtherInformation, SecuritiesTransactionTaxIsNotDropped) {
    const auto filled = Fill(FillPartAOI, 4, 2008,
                             Info("<ITRForm:AmtDisallUs40><ITRForm:STTAmt>3400</ITRForm:STTAmt>"
                                  "</ITRForm:AmtDisallUs40>"));
    EXPECT_EQ(filled.Read("PART-A-OI", "oi8Ab"), "3400");
    EXPECT_EQ(Fill(FillPartAOI, 4, 2008, Info("")).Read("PART-A-OI", "oi8Ab"), "Nil");
}

}  // namespace
}  // namespace orvane
