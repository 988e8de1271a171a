#include <gtest/gtest.h>

#include "mapping/fill/BalanceSheet.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

TEST(BalanceSheet, WritesAsOnAndTheKeysOfEachFormsLayout) {
    struct Case {
        int form;
        const char* element;
        std::size_t entries;  // AsOn included
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {4, "ITRForm:PARTA_BS", 69, "sof_1a=Nil", "aof_6d=Nil"},
        {5, "ITRForm:PARTA_BS", 70, "sof_1a=Nil", "aof_6d=Nil"},
        {6, "ITRForm:PARTA_BSFor6", 86, "sof_1ai=Nil", "aof_5=Nil"},
    };
    for (const Case& c : cases) {
        const std::string body = "<" + std::string(c.element) + "/>";
        const auto section = Fill(FillBalanceSheet, c.form, 2009, body).Section("PART-A-BS");
        ASSERT_EQ(section.size(), c.entries) << c.form;
        EXPECT_EQ(section[0], "AsOn=2009");
        EXPECT_EQ(section[1], c.first);
        EXPECT_EQ(section.back(), c.last);
    }
}

TEST(BalanceSheet, WithoutTheBalanceSheetOnlyAsOnIsWritten) {
    for (const int form : {4, 5, 6, 2}) {
        const auto filled = Fill(FillBalanceSheet, form, 2011, "<ITRForm:PARTA_OI/>");
        EXPECT_EQ(filled.Section("PART-A-BS"), std::vector<std::string>{"AsOn=2011"}) << form;
    }
    // Another form's balance sheet element is not the one looked for.
    EXPECT_EQ(Fill(FillBalanceSheet, 6, 2010, "<ITRForm:PARTA_BS/>").Section("PART-A-BS").size(),
              1U);
}

// Each form reads the spelling of its own schema.
TEST(BalanceSheet, ElementSpellingsDifferByForm) {
    constexpr std::string_view kSpellings =
        "<ITRForm:FundApply>"
        "<ITRForm:CurrAssetLoanAdv><ITRForm:CurrAsset>"
        "<ITRForm:SndryDebtors>410</ITRForm:SndryDebtors>"
        "<ITRForm:SundryDebtors>520</ITRForm:SundryDebtors>"
        "</ITRForm:CurrAsset></ITRForm:CurrAssetLoanAdv>"
        "<ITRForm:MiscAdjust>"
        "<ITRForm:DefTaxAsset>31</ITRForm:DefTaxAsset>"
        "<ITRForm:DefferTaxAsset>32</ITRForm:DefferTaxAsset>"
        "<ITRForm:AccumaltedLosses>41</ITRForm:AccumaltedLosses>"
        "<ITRForm:AccumultedLosses>42</ITRForm:AccumultedLosses>"
        "</ITRForm:MiscAdjust></ITRForm:FundApply>";
    const auto sheet = [&](int form) {
        const std::string element = form == 6 ? "ITRForm:PARTA_BSFor6" : "ITRForm:PARTA_BS";
        return Fill(FillBalanceSheet, form, 2009,
                    "<" + element + ">" + std::string(kSpellings) + "</" + element + ">");
    };
    const auto itr4 = sheet(4);
    EXPECT_EQ(itr4.Read("PART-A-BS", "aof_3aii"), "410");
    EXPECT_EQ(itr4.Read("PART-A-BS", "aof_4b"), "31");
    EXPECT_EQ(itr4.Read("PART-A-BS", "aof_4c"), "41");
    const auto itr5 = sheet(5);
    EXPECT_EQ(itr5.Read("PART-A-BS", "aof_3aii"), "520");
    EXPECT_EQ(itr5.Read("PART-A-BS", "aof_4b"), "31");
    EXPECT_EQ(itr5.Read("PART-A-BS", "aof_4c"), "42");
    const auto itr6 = sheet(6);
    EXPECT_EQ(itr6.Read("PART-A-BS", "aof_4b"), "32");
    EXPECT_EQ(itr6.Read("PART-A-BS", "aof_3aiiC"), "Nil");  // sundry debtors are a group there
}

// ITR-5 prints a provision for fringe benefit tax, which moves the other
// provisions down one letter.
TEST(BalanceSheet, FirmProvisionsMoveDownOneLetter) {
    constexpr std::string_view kProvisions =
        "<ITRForm:PARTA_BS><ITRForm:FundApply><ITRForm:CurrAssetLoanAdv>"
        "<ITRForm:CurrLiabilitiesProv><ITRForm:Provisions>"
        "<ITRForm:ITProvision>1</ITRForm:ITProvision>"
        "<ITRForm:FBTProvision>2</ITRForm:FBTProvision>"
        "<ITRForm:WTProvision>3</ITRForm:WTProvision>"
        "<ITRForm:ELSuperAnnGratProvision>4</ITRForm:ELSuperAnnGratProvision>"
        "<ITRForm:OthProvision>5</ITRForm:OthProvision>"
        "<ITRForm:TotProvisions>15</ITRForm:TotProvisions>"
        "</ITRForm:Provisions></ITRForm:CurrLiabilitiesProv>"
        "</ITRForm:CurrAssetLoanAdv></ITRForm:FundApply></ITRForm:PARTA_BS>";
    const auto provisions = [](const test::Filled& filled) {
        std::string keys;
        for (const std::string& line : filled.Section("PART-A-BS")) {
            if (line.starts_with("aof_3dii")) keys += line + " ";
        }
        return keys;
    };
    EXPECT_EQ(provisions(Fill(FillBalanceSheet, 4, 2008, kProvisions)),
              "aof_3diia=1 aof_3diib=3 aof_3diic=4 aof_3diid=5 aof_3diie=15 ");
    EXPECT_EQ(provisions(Fill(FillBalanceSheet, 5, 2008, kProvisions)),
              "aof_3diia=1 aof_3diib=2 aof_3diic=3 aof_3diid=4 aof_3diie=5 aof_3diif=15 ");
}

TEST(BalanceSheet, ZeroIsNilButOtherZerosStay) {
    const auto filled = Fill(FillBalanceSheet, 4, 2010,
                             "<ITRForm:PARTA_BS><ITRForm:FundSrc>"
                             "<ITRForm:DeferredTax>0</ITRForm:DeferredTax>"
                             "<ITRForm:TotFundSrc>0.00</ITRForm:TotFundSrc>"
                             "</ITRForm:FundSrc></ITRForm:PARTA_BS>");
    EXPECT_EQ(filled.Read("PART-A-BS", "sof_3"), "Nil");
    EXPECT_EQ(filled.Read("PART-A-BS", "sof_4"), "0.00");
}

}  // namespace
}  // namespace orvane
