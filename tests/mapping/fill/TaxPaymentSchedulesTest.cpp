#include <gtest/gtest.h>

#include "mapping/fill/TaxPaymentSchedules.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::InlineReturn;
using test::Written;

std::string Collection(std::string_view element, std::string_view tan, std::string_view amount) {
    return "<ITRForm:" + std::string(element) +
           "><ITRForm:EmployerOrDeductorOrCollectDetl><ITRForm:TAN>" + std::string(tan) +
           "</ITRForm:TAN></ITRForm:EmployerOrDeductorOrCollectDetl><ITRForm:AmtDebited>" +
           std::string(amount) + "</ITRForm:AmtDebited><ITRForm:TotalTCS>" + std::string(amount) +
           "</ITRForm:TotalTCS></ITRForm:" + std::string(element) + ">";
}

std::string Tcs(int form_code, int year, const std::string& rows) {
    InlineReturn r("<R><F><ITRForm:ScheduleTCS>" + rows + "</ITRForm:ScheduleTCS></F></R>",
                   form_code, year);
    std::string written =
        Written(r.context, [](TIniControl& ini, ReturnContext& c) { FillScheduleTCS(ini, c); });
    return written + "slot18=" + std::to_string(r.context.ScheduleTotals[18]);
}

TEST(TaxPaymentSchedules, FirmsListCollectionsAsTcsDetails) {
    const std::string rows =
        Collection("TCSDetails", "AAAA11111A", "100") + Collection("TCS", "BBBB22222B", "50");
    EXPECT_EQ(Tcs(5, 2009, rows),
              CrLf({"[SCHEDULE-TCS-1]", "SrNo=1", "TDS=AAAA11111A", "UTN=", "Name=", "Received=100",
                    "Date=--", "TaxDeposited=100", "Balance=Nil"}) +
                  "slot18=100");
    EXPECT_EQ(Tcs(4, 2009, rows),
              CrLf({"[SCHEDULE-TCS-1]", "SrNo=1", "TDS=BBBB22222B", "UTN=", "Name=", "Received=50",
                    "Date=--", "TaxDeposited=50", "Balance=Nil"}) +
                  "slot18=50");
}

TEST(TaxPaymentSchedules, Itr4sOf2011WritesOnlyTheRowsBeyondItsBoxes) {
    std::string rows;
    for (const char* tan : {"T1", "T2", "T3", "T4"}) rows += Collection("TCS", tan, "10");
    EXPECT_EQ(Tcs(45, 2011, rows), CrLf({"[SCHEDULE-TCS-1]", "SrNo=1", "LineNo=S4", "Col1=T 4 ",
                                         "Col2=", "Col3=1 0 ", "Col4="}) +
                                       "slot18=0");
    EXPECT_EQ(Tcs(45, 2011, Collection("TCS", "T1", "10")), "slot18=0");
}

TEST(TaxPaymentSchedules, EmptyTablesGetAPlaceholderRowBefore2011Only) {
    for (const int year : {2008, 2009, 2010, 2011}) {
        InlineReturn r("<R><ITR2FORM:ITR2/></R>", 2, year);
        const std::string written = Written(r.context, [](TIniControl& ini, ReturnContext& c) {
            FillScheduleTDS1(ini, c);
            FillScheduleTDS2(ini, c);
            FillScheduleIT(ini, c);
        });
        const std::string expected = year < 2011
                                         ? CrLf({"[SCHEDULE-TDS1-1]", "SrNo=.", "[SCHEDULE-TDS2-1]",
                                                 "SrNo=.", "[SCHEDULE-IT-1]", "SrNo=."})
                                         : "";
        EXPECT_EQ(written, expected) << year;
    }
}

TEST(TaxPaymentSchedules, ContinuationRowsOfTheLongerForms) {
    InlineReturn r(R"(<R><ITR2FORM:ITR2><ITRForm:ScheduleIT>
        <ITRForm:TaxPayment><ITRForm:NameOfBankAndBranch><ITRForm:NameOfBank>SBI</ITRForm:NameOfBank>
          <ITRForm:NameOfBranch>   </ITRForm:NameOfBranch></ITRForm:NameOfBankAndBranch>
          <ITRForm:Amt>700</ITRForm:Amt></ITRForm:TaxPayment>
        <ITRForm:Other/>
        <ITRForm:TaxPayment><ITRForm:NameOfBankAndBranch><ITRForm:NameOfBranch>FORT</ITRForm:NameOfBranch>
          </ITRForm:NameOfBankAndBranch><ITRForm:Amt>-200</ITRForm:Amt></ITRForm:TaxPayment>
      </ITRForm:ScheduleIT>
      <ITRForm:ScheduleTDS2><ITRForm:TDSonOthThanSal>
        <ITRForm:AddressDetail><ITRForm:CityOrTownOrDistrict>NASIK</ITRForm:CityOrTownOrDistrict></ITRForm:AddressDetail>
        <ITRForm:AmtPaid>5000</ITRForm:AmtPaid><ITRForm:DatePayCred>2009-01-31</ITRForm:DatePayCred>
      </ITRForm:TDSonOthThanSal></ITRForm:ScheduleTDS2></ITR2FORM:ITR2></R>)",
                   2, 2009);
    EXPECT_EQ(Written(r.context,
                      [](TIniControl& ini, ReturnContext& c) {
                          FillScheduleIT(ini, c);
                          FillScheduleTDS2(ini, c);
                      }),
              CrLf({"[SCHEDULE-IT-1]",
                    "SrNo=1",
                    "Bank=SBI",
                    "BsrCode=",
                    "Date=--",
                    "ChallanNo=",
                    "Amount=700",
                    "[SCHEDULE-IT-2]",
                    "SrNo=2",
                    "Bank=",
                    "BsrCode=",
                    "Date=--",
                    "ChallanNo=",
                    "Amount=-200",
                    "[SCHEDULE-IT-3]",
                    "SrNo=.",
                    "Bank=FORT",
                    "[SCHEDULE-TDS2-1]",
                    "SrNo=1",
                    "TAN=",
                    "UTN=",
                    "Name=",
                    "AmountPaid=5000",
                    "Date=31-01-2009",
                    "TaxDeposited=Nil",
                    "Balance=Nil",
                    "[SCHEDULE-TDS2-2]",
                    "SrNo=.",
                    "Name= NASIK"}));
    EXPECT_EQ(r.context.ScheduleTotals[9], 500);
    EXPECT_EQ(r.context.ScheduleTotals[6], 5000);
}

}  // namespace
}  // namespace orvane
