#include <gtest/gtest.h>

#include "mapping/fill/PartAGen.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::InlineReturn;
using test::Written;

std::string PartAGen(std::string_view xml, int form_code, int year,
                     const std::function<void(ReturnContext&)>& totals = {}) {
    InlineReturn inline_return(xml, form_code, year);
    if (totals) totals(inline_return.context);
    return Written(inline_return.context,
                   [](TIniControl& ini, ReturnContext& context) { FillPartAGen(ini, context); });
}

constexpr std::string_view kCourtesy =
    "User=Printed with Orvane Printing Release v.3.0\r\n"
    "SoftwareBy=Printed with Orvane Printing Release v.3.0\r\nIsVerification=0\r\n";

TEST(FillPartAGen, WithoutGeneralBlocksOnlyYearsTotalsAndCourtesyAreWritten) {
    const std::string written = PartAGen("<R><ITR4FORM:ITR4/></R>", 4, 2009,
                                         [](ReturnContext& c) { c.ScheduleTotals[18] = -25; });
    EXPECT_EQ(written,
              CrLf({"[PART-A-GEN]", "AssessmentYear=2009-2010", "FinancialYear=2008-2009",
                    "tds1_Tot_1=0", "tds1_Tot_2=0", "tds1_Tot_3=0", "tds1_Tot_4=0", "tds1_Tot_5=0",
                    "tds2_Tot_1=0", "tds2_Tot_2=0", "tds2_Tot_3=0", "it_Tot_1=0", "si_Tot_1=0",
                    "if_Tot_1=0", "if_Tot_2=0", "tcs_Tot_1=-25", "tcs_Tot_2=0", "tcs_Tot_3=0"}) +
                  std::string(kCourtesy));
}

TEST(FillPartAGen, FirmOfAssessmentYear2011WithAuditAndNatureOfBusiness) {
    const std::string written = PartAGen(R"(<R><ITR5FORM:ITR5>
      <ITRForm:PartA_GEN1>
        <ITRForm:OrgFirmInfo>
          <ITRForm:AssesseeName><ITRForm:SurNameOrOrgName>SHAH AND SONS</ITRForm:SurNameOrOrgName></ITRForm:AssesseeName>
          <ITRForm:PAN>AAAFS1234A</ITRForm:PAN>
          <ITRForm:Address><ITRForm:CityOrTownOrDistrict>SURAT</ITRForm:CityOrTownOrDistrict>
            <ITRForm:StateCode>11</ITRForm:StateCode><ITRForm:MobileNo>9898098980</ITRForm:MobileNo></ITRForm:Address>
          <ITRForm:DateOFFormOrIncorp>1998-04-01</ITRForm:DateOFFormOrIncorp>
          <ITRForm:StatusOrCompanyType>FIRM</ITRForm:StatusOrCompanyType>
        </ITRForm:OrgFirmInfo>
        <ITRForm:FilingStatus>
          <ITRForm:DesigTaxOfficeInfo><ITRForm:DesigOfficerWardorCircle>WARD 3(1)</ITRForm:DesigOfficerWardorCircle>
            <ITRForm:AreaCode>SRT</ITRForm:AreaCode></ITRForm:DesigTaxOfficeInfo>
          <ITRForm:ReturnFileSec><ITRForm:IncomeTaxSec>12</ITRForm:IncomeTaxSec><ITRForm:FBTSec>NA</ITRForm:FBTSec></ITRForm:ReturnFileSec>
          <ITRForm:ReturnType>O</ITRForm:ReturnType>
          <ITRForm:ResidentialStatus>RES</ITRForm:ResidentialStatus>
          <ITRForm:AsseseeRepFlg>N</ITRForm:AsseseeRepFlg>
        </ITRForm:FilingStatus>
      </ITRForm:PartA_GEN1>
      <ITRForm:PartA_GEN2>
        <ITRForm:LiableSec44AAflg>Y</ITRForm:LiableSec44AAflg>
        <ITRForm:LiableSec44ABflg>Y</ITRForm:LiableSec44ABflg>
        <ITRForm:AuditInfo>
          <ITRForm:AuditorName>K MEHTA</ITRForm:AuditorName>
          <ITRForm:AuditDate>2011-09-20</ITRForm:AuditDate>
          <ITRForm:PrevYrMemPartChange>Y</ITRForm:PrevYrMemPartChange>
        </ITRForm:AuditInfo>
        <ITRForm:PrevYrMemPartChange>N</ITRForm:PrevYrMemPartChange>
        <ITRForm:NatOfBus>
          <ITRForm:Business><ITRForm:Code>0101</ITRForm:Code><ITRForm:Trade><ITRForm:TradeNameOrDescription>TEXTILES</ITRForm:TradeNameOrDescription></ITRForm:Trade></ITRForm:Business>
          <ITRForm:Other/>
          <ITRForm:Business><ITRForm:Code>0202</ITRForm:Code></ITRForm:Business>
        </ITRForm:NatOfBus>
      </ITRForm:PartA_GEN2>
    </ITR5FORM:ITR5></R>)",
                                         5, 2011);
    EXPECT_EQ(
        written,
        CrLf({"[PART-A-GEN]", "AssessmentYear=2011-2012", "FinancialYear=2010-2011",
              "pi_Name=SHAH AND SONS", "pi_PAN=AAAFS1234A", "pi_Address1=", "pi_Address2=",
              "pi_Address3=", "pi_Address4=", "pi_City=SURAT", "pi_State=GUJARAT",
              "pi_Pin=", "pi_Email=", "pi_Phone=", "pi_Mobile=9898098980", "pi_DOB=01-04-1998",
              "pi_Status=FIRM", "pi_Section1=12", "pi_Section2=NA", "fs_Ward=WARD 3(1)",
              "fs_AreaCode=SRT", "fs_AOType=", "fs_RangeCode=", "fs_AONo=", "fs_PE1=0", "fs_PE2=0",
              "fs_Section1=0", "fs_Section2=1", "fs_Section3=0", "fs_Notice1=0", "fs_Notice2=0",
              "fs_Notice3=0", "fs_Original=1", "fs_Revised=0", "fs_RStatus1=1", "fs_RStatus2=0",
              "fs_RStatus3=0", "fs_RepAssessee1=0", "fs_RepAssessee2=1",
              "fs_RepName=", "fs_RepAddress=", "fs_RepPAN=", "ai_44AA1=1", "ai_44AA2=0",
              "ai_44AB1=1", "ai_44AB2=0",
              // the auditor and the partner change are read below ITRForm:AuditInfo now
              "ai_AuditorName=K MEHTA", "ai_MembershipNo=", "ai_AuditorFirmName=", "ai_AuditorPAN=",
              "ai_AuditDate=20-09-2011", "ai_PartnerChange1=1", "ai_PartnerChange2=0",
              "nob_TradeCode1=0101", "nob_TradeName1=TEXTILES", "nob_Description1=TEXTILES",
              "nob_TradeCode2=0202", "nob_TradeName2=", "nob_Description2=", "tds2_Tot_1=0",
              "tds2_Tot_2=0", "tds2_Tot_3=0", "it_Tot_1=0", "si_Tot_1=0", "tcs_Tot_1=0",
              "tcs_Tot_2=0", "tcs_Tot_3=0", "fbt_Tot_1=0"}) +
            std::string(kCourtesy));
}

TEST(FillPartAGen, CompanyParticularsOfItr6) {
    struct Case {
        const char* holding;
        std::vector<std::string> company_keys;
    };
    const Case cases[] = {
        {"3",
         {"hs_scom1=HOLD CO", "hs_scom2=MUMBAI", "hs_scom3=AAACH1111H", "hs_hcom1=SUB CO",
          "hs_hcom2=PUNE", "hs_hcom3=AAACS2222S"}},
        {"2", {"hs_scom1=HOLD CO", "hs_scom2=MUMBAI", "hs_scom3=AAACH1111H"}},
        {"1", {"hs_hcom1=SUB CO", "hs_hcom2=PUNE", "hs_hcom3=AAACS2222S"}},
        {"4", {}},
    };
    for (const Case& c : cases) {
        const std::string xml = std::string(R"(<R><ITR6FORM:ITR6><ITRForm:PartA_GEN2For6>
          <ITRForm:HoldingStatus><ITRForm:NatOfCompFlg>)") +
                                c.holding + R"(</ITRForm:NatOfCompFlg>
            <ITRForm:HoldingCompDetail><ITRForm:CompDetails><ITRForm:CompName>HOLD CO</ITRForm:CompName>
              <ITRForm:AddressDetail><ITRForm:AddrDetail>MUMBAI</ITRForm:AddrDetail></ITRForm:AddressDetail>
              <ITRForm:CompPAN>AAACH1111H</ITRForm:CompPAN></ITRForm:CompDetails></ITRForm:HoldingCompDetail>
            <ITRForm:SubsidiaryCompDetail><ITRForm:CompDetails><ITRForm:CompName>SUB CO</ITRForm:CompName>
              <ITRForm:AddressDetail><ITRForm:AddrDetail>PUNE</ITRForm:AddrDetail></ITRForm:AddressDetail>
              <ITRForm:CompPAN>AAACS2222S</ITRForm:CompPAN></ITRForm:CompDetails></ITRForm:SubsidiaryCompDetail>
          </ITRForm:HoldingStatus>
          <ITRForm:BusOrganisation><ITRForm:BusOrgType>DEMERGED</ITRForm:BusOrgType><ITRForm:CompName>FIRST</ITRForm:CompName></ITRForm:BusOrganisation>
          <ITRForm:BusOrganisation><ITRForm:BusOrgType>AMALGAMATED</ITRForm:BusOrgType><ITRForm:CompName>MERGED INTO</ITRForm:CompName></ITRForm:BusOrganisation>
          <ITRForm:BusOrganisation><ITRForm:BusOrgType>DEMERGED</ITRForm:BusOrgType><ITRForm:CompName>SECOND</ITRForm:CompName></ITRForm:BusOrganisation>
          <ITRForm:BusOrganisation><ITRForm:BusOrgType>OTHER</ITRForm:BusOrgType><ITRForm:CompName>IGNORED</ITRForm:CompName></ITRForm:BusOrganisation>
          <ITRForm:NatureOfComp><ITRForm:RBICompFlg>Y</ITRForm:RBICompFlg></ITRForm:NatureOfComp>
        </ITRForm:PartA_GEN2For6></ITR6FORM:ITR6></R>)";
        const std::string written = PartAGen(xml, 6, 2009);
        std::string expected = "hs_noc=" + std::string(c.holding) + "\r\n";
        for (const std::string& key : c.company_keys) expected += key + "\r\n";
        // a later organisation of the same type overwrites the earlier one in place
        expected += "bo_4=SECOND\r\nbo_1=MERGED INTO\r\n";
        expected += "noc_1a=0\r\nnoc_1b=0\r\nnoc_2a=1\r\nnoc_2b=0\r\n";
        EXPECT_NE(written.find(expected), std::string::npos) << c.holding << "\n" << written;
    }
}

TEST(FillPartAGen, Itr8ReadsItsAuditFlagsWithItsOwnPrefix) {
    const std::string written = PartAGen(R"(<R><ITR8FORM:ITR8>
        <ITR8FORM:LiableSec44AAflg>N</ITR8FORM:LiableSec44AAflg>
        <ITR8FORM:LiableSec44ABflg>Y</ITR8FORM:LiableSec44ABflg>
        <ITRForm:AuditInfo><ITRForm:AuditorName>R IYER</ITRForm:AuditorName></ITRForm:AuditInfo>
      </ITR8FORM:ITR8></R>)",
                                         8, 2008);
    EXPECT_NE(written.find("ai_44AA1=0\r\nai_44AA2=1\r\nai_44AB1=1\r\nai_44AB2=0\r\n"
                           "ai_AuditorName=R IYER\r\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("fbt_Tot_1=0\r\nUser="), std::string::npos) << written;
}

}  // namespace
}  // namespace orvane
