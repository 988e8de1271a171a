#include <gtest/gtest.h>

#include "mapping/fill/QuantitativeDetails.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

TEST(QuantitativeDetails, AddsUpTheQuantitiesOfEveryItem) {
    const auto filled = Fill(
        FillPartAQD, 4, 2009,
        "<ITRForm:PARTA_QD><ITRForm:TradingConcern>"
        "<ITRForm:QuantitDet><ITRForm:ItemName>Rice</ITRForm:ItemName>"
        "<ITRForm:OpeningStock>100</ITRForm:OpeningStock><ITRForm:SaleQty>40</ITRForm:SaleQty>"
        "</ITRForm:QuantitDet>"
        "<ITRForm:Other><ITRForm:OpeningStock>9000</ITRForm:OpeningStock></ITRForm:Other>"
        "<ITRForm:QuantitDet><ITRForm:OpeningStock>250</ITRForm:OpeningStock>"
        "<ITRForm:SaleQty>-5</ITRForm:SaleQty></ITRForm:QuantitDet>"
        "</ITRForm:TradingConcern>"
        "<ITRForm:ManfactrConcern><ITRForm:RawMaterial>"
        "<ITRForm:QuantitDet><ITRForm:PercentYld>80</ITRForm:PercentYld></ITRForm:QuantitDet>"
        "<ITRForm:QuantitDet><ITRForm:PercentYld>70</ITRForm:PercentYld></ITRForm:QuantitDet>"
        "</ITRForm:RawMaterial><ITRForm:FinishrByProd>"
        "<ITRForm:QuantitDet><ITRForm:PrevyrManfact>12</ITRForm:PrevyrManfact></ITRForm:QuantitDet>"
        "</ITRForm:FinishrByProd></ITRForm:ManfactrConcern></ITRForm:PARTA_QD>");
    EXPECT_EQ(
        filled.Section("PART-A-QD"),
        (std::vector<std::string>{"qd_1=350", "qd_2=Nil", "qd_3=35", "qd_4=Nil", "qd_5=Nil",
                                  "qd_6a=Nil", "qd_6b=Nil", "qd_6c=Nil", "qd_6d=Nil", "qd_6e=Nil",
                                  "qd_6f=Nil", "qd_6g=150", "qd_6h=Nil", "qd_7a=Nil", "qd_7b=Nil",
                                  "qd_7c=12", "qd_7d=Nil", "qd_7e=Nil", "qd_7f=Nil"}));
}

TEST(QuantitativeDetails, WithoutDetailsEveryTotalIsNil) {
    for (const char* body : {"", "<ITRForm:PARTA_QD/>",
                             "<ITRForm:PARTA_QD><ITRForm:TradingConcern><ITRForm:QuantitDet>"
                             "<ITRForm:OpeningStock>0</ITRForm:OpeningStock></ITRForm:QuantitDet>"
                             "</ITRForm:TradingConcern></ITRForm:PARTA_QD>"}) {
        const auto section = Fill(FillPartAQD, 6, 2011, body).Section("PART-A-QD");
        ASSERT_EQ(section.size(), 19U) << body;
        for (const std::string& line : section) EXPECT_TRUE(line.ends_with("=Nil")) << line;
    }
}

TEST(QuantitativeDetails, AQuantityThatIsNotWholeEndsTheRunBeforeAnyTotal) {
    std::string written;
    const std::string message = test::FillFailure(
        FillPartAQD, 4, 2009,
        "<ITRForm:PARTA_QD><ITRForm:TradingConcern><ITRForm:QuantitDet>"
        "<ITRForm:OpeningStock>12</ITRForm:OpeningStock></ITRForm:QuantitDet>"
        "</ITRForm:TradingConcern><ITRForm:ManfactrConcern><ITRForm:FinishrByProd>"
        "<ITRForm:QuantitDet><ITRForm:SaleQty>2.5</ITRForm:SaleQty></ITRForm:QuantitDet>"
        "</ITRForm:FinishrByProd></ITRForm:ManfactrConcern></ITRForm:PARTA_QD>",
        &written);
    EXPECT_EQ(message, "'2.5' is not a valid integer value");
    EXPECT_EQ(written, "");
}

}  // namespace
}  // namespace orvane
