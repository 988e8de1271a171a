#include <gtest/gtest.h>

#include "mapping/fill/ProfitAndLoss.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

TEST(ProfitAndLoss, WritesTheKeysOfEachFormsAccount) {
    struct Case {
        int form;
        const char* element;
        std::size_t entries;
        const char* last;
    };
    const Case cases[] = {
        {4, "ITRForm:PARTA_PL", 94, "pl51d=Nil"},
        {5, "ITRForm:PARTA_PL", 96, "pl52d=Nil"},
        {6, "ITRForm:PARTA_PLFor6", 96, "pl51=Nil"},
    };
    for (const Case& c : cases) {
        const std::string body = "<" + std::string(c.element) + "/>";
        const auto section = Fill(FillProfitAndLoss, c.form, 2009, body).Section("PART-A-PNL");
        ASSERT_EQ(section.size(), c.entries) << c.form;
        EXPECT_EQ(section.front(), "pl1=Nil");
        EXPECT_EQ(section.back(), c.last);
    }
}

TEST(ProfitAndLoss, WithoutTheAccountNothingIsWritten) {
    EXPECT_EQ(Fill(FillProfitAndLoss, 4, 2009, "<ITRForm:PARTA_BS/>").text, "");
    EXPECT_EQ(Fill(FillProfitAndLoss, 6, 2009, "<ITRForm:PARTA_PL/>").text, "");
    EXPECT_EQ(Fill(FillProfitAndLoss, 3, 2009, "<ITRForm:PARTA_PL/>").text, "");
}

// Where each form keeps its debits and its provisions and appropriations.
TEST(ProfitAndLoss, GroupsAreReadWhereTheFormKeepsThem) {
    constexpr std::string_view kNested =
        "<ITRForm:PARTA_PL><ITRForm:DebitsToPL>"
        "<ITRForm:Freight>900</ITRForm:Freight>"
        "<ITRForm:DebitPlAcnt><ITRForm:Freight>901</ITRForm:Freight></ITRForm:DebitPlAcnt>"
        "<ITRForm:TaxProvAppr><ITRForm:ProvForCurrTax>77</ITRForm:ProvForCurrTax></"
        "ITRForm:TaxProvAppr>"
        "</ITRForm:DebitsToPL>"
        "<ITRForm:TaxProvAppr><ITRForm:ProvForCurrTax>66</ITRForm:ProvForCurrTax></"
        "ITRForm:TaxProvAppr>"
        "</ITRForm:PARTA_PL>";
    const auto itr4 = Fill(FillProfitAndLoss, 4, 2009, kNested);
    EXPECT_EQ(itr4.Read("PART-A-PNL", "pl9"), "900");
    EXPECT_EQ(itr4.Read("PART-A-PNL", "pl44"), "66");
    const auto itr5 = Fill(FillProfitAndLoss, 5, 2009, kNested);
    EXPECT_EQ(itr5.Read("PART-A-PNL", "pl9"), "901");
    EXPECT_EQ(itr5.Read("PART-A-PNL", "pl44"), "77");

    const auto itr6 =
        Fill(FillProfitAndLoss, 6, 2009,
             "<ITRForm:PARTA_PLFor6><ITRForm:DebitsToPLFor6>"
             "<ITRForm:DebitPlAcnt><ITRForm:Freight>902</ITRForm:Freight></ITRForm:DebitPlAcnt>"
             "<ITRForm:TaxProvApprFor6><ITRForm:Appropriations>"
             "<ITRForm:ProposedDividend>5000</ITRForm:ProposedDividend>"
             "</ITRForm:Appropriations></ITRForm:TaxProvApprFor6>"
             "</ITRForm:DebitsToPLFor6></ITRForm:PARTA_PLFor6>");
    EXPECT_EQ(itr6.Read("PART-A-PNL", "pl9"), "902");
    EXPECT_EQ(itr6.Read("PART-A-PNL", "pl50b"), "5000");
}

TEST(ProfitAndLoss, FirmsAddTheFringeBenefitTaxToEmployeeCosts) {
    constexpr std::string_view kEmployees =
        "<ITRForm:EmployeeComp>"
        "<ITRForm:FBTPay>1200</ITRForm:FBTPay>"
        "<ITRForm:TotEmployeeComp>98000</ITRForm:TotEmployeeComp>"
        "</ITRForm:EmployeeComp>";
    const auto itr4 = Fill(FillProfitAndLoss, 4, 2009,
                           "<ITRForm:PARTA_PL><ITRForm:DebitsToPL>" + std::string(kEmployees) +
                               "</ITRForm:DebitsToPL></ITRForm:PARTA_PL>");
    EXPECT_EQ(itr4.Read("PART-A-PNL", "pl15k"), "98000");
    EXPECT_FALSE(itr4.Has("PART-A-PNL", "pl15l"));
    const auto itr5 = Fill(FillProfitAndLoss, 5, 2009,
                           "<ITRForm:PARTA_PL><ITRForm:DebitsToPL><ITRForm:DebitPlAcnt>" +
                               std::string(kEmployees) +
                               "</ITRForm:DebitPlAcnt></ITRForm:DebitsToPL></ITRForm:PARTA_PL>");
    EXPECT_EQ(itr5.Read("PART-A-PNL", "pl15k"), "1200");
    EXPECT_EQ(itr5.Read("PART-A-PNL", "pl15l"), "98000");
}

TEST(ProfitAndLoss, AccountsWithoutBooksAndCommissionSpelling) {
    constexpr std::string_view kBody =
        "<ITRForm:PARTA_PL>"
        "<ITRForm:CreditsToPL><ITRForm:OthIncome>"
        "<ITRForm:Commissions>10</ITRForm:Commissions>"
        "</ITRForm:OthIncome></ITRForm:CreditsToPL>"
        "<ITRForm:NoBooksOfAccPL><ITRForm:GrossReceipt>450000</ITRForm:GrossReceipt>"
        "</ITRForm:NoBooksOfAccPL></ITRForm:PARTA_PL>";
    const auto itr4 = Fill(FillProfitAndLoss, 4, 2010, kBody);
    EXPECT_EQ(itr4.Read("PART-A-PNL", "pl3b"), "Nil");
    EXPECT_EQ(itr4.Read("PART-A-PNL", "pl51a"), "450000");
    EXPECT_FALSE(itr4.Has("PART-A-PNL", "pl52a"));
    const auto itr5 = Fill(FillProfitAndLoss, 5, 2010, kBody);
    EXPECT_EQ(itr5.Read("PART-A-PNL", "pl52a"), "450000");
    EXPECT_FALSE(itr5.Has("PART-A-PNL", "pl51a"));
}

}  // namespace
}  // namespace orvane
