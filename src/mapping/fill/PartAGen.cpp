#include "mapping/fill/PartAGen.h"

#include <array>
#include <string>

#include "convert/Conversions.h"
#include "mapping/Courtesy.h"
#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-A-GEN";

constexpr When kIndividuals = Forms({1, 2, 3, 4});
constexpr When kFirms = Forms({5, 6, 8});
constexpr When kRepresented = Forms({2, 3, 4, 5, 6, 8});

// Identity and address, read below ITRForm:PersonalInfo (forms 1-4) or
// ITRForm:OrgFirmInfo (forms 5, 6, 8).
constexpr KeyRow kIdentity[] = {
    {"pi_FirstName", "ITRForm:AssesseeName/ITRForm:FirstName", Conv::kAsIs, {}, kIndividuals},
    {"pi_MiddleName", "ITRForm:AssesseeName/ITRForm:MiddleName", Conv::kAsIs, {}, kIndividuals},
    {"pi_LastName", "ITRForm:AssesseeName/ITRForm:SurNameOrOrgName", Conv::kAsIs, {}, kIndividuals},
    {"pi_PAN", "ITRForm:PAN", Conv::kAsIs, {}, kIndividuals},
    {"pi_Name", "ITRForm:AssesseeName/ITRForm:SurNameOrOrgName", Conv::kAsIs, {}, kFirms},
    {"pi_PAN", "ITRForm:PAN", Conv::kAsIs, {}, kFirms},
    {"pi_Address1", "ITRForm:Address/ITRForm:ResidenceNo"},
    {"pi_Address2", "ITRForm:Address/ITRForm:ResidenceName"},
    {"pi_Address3", "ITRForm:Address/ITRForm:RoadOrStreet"},
    {"pi_Address4", "ITRForm:Address/ITRForm:LocalityOrArea"},
    {"pi_City", "ITRForm:Address/ITRForm:CityOrTownOrDistrict"},
    {"pi_State", "ITRForm:Address/ITRForm:StateCode", Conv::kStateName},
    {"pi_Pin", "ITRForm:Address/ITRForm:PinCode"},
    {"pi_Email", "ITRForm:Address/ITRForm:EmailAddress"},
    {"pi_Phone", "ITRForm:Address/ITRForm:Phone/ITRForm:PhoneNo"},
    {"pi_Mobile", "ITRForm:Address/ITRForm:MobileNo", Conv::kAsIs, {}, When{.from_year = 2011}},
    {"pi_DOB", "ITRForm:DOB", Conv::kDateByPosition, {}, kIndividuals},
    {"pi_DOB", "ITRForm:DateOFFormOrIncorp", Conv::kDateByPosition, {}, kFirms},
    {"pi_Status", "ITRForm:StatusOrCompanyType", Conv::kAsIs, {}, kFirms},
    {"pi_Domestic", "ITRForm:DomesticCompFlg", Conv::kFlag, "Y", Forms({6, 8})},
    {"pi_Category1", "ITRForm:EmployerCategory", Conv::kFlag, "GOV", kIndividuals},
    {"pi_Category2", "ITRForm:EmployerCategory", Conv::kFlag, "PSU", kIndividuals},
    {"pi_Category3", "ITRForm:EmployerCategory", Conv::kFlag, "OTH", kIndividuals},
    {"pi_Sex1", "ITRForm:Gender", Conv::kFlag, "M", kIndividuals},
    {"pi_Sex2", "ITRForm:Gender", Conv::kFlag, "F", kIndividuals},
    {"pi_Status1", "ITRForm:Status", Conv::kFlag, "I", kIndividuals},
    {"pi_Status2", "ITRForm:Status", Conv::kFlag, "H", kIndividuals},
};
static_assert(!HasOverlappingKeys(kIdentity));

// Filing status up to the return type, read below ITRForm:FilingStatus.
// clang-format off
constexpr KeyRow kFilingStatus[] = {
    {"pi_Section1", "ITRForm:ReturnFileSec/ITRForm:FBTSec", Conv::kAsIs, {}, Forms({8})},
    {"pi_Section1", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kAsIs, {}, Forms({5, 6})},
    {"pi_Section2", "ITRForm:ReturnFileSec/ITRForm:FBTSec", Conv::kAsIs, {}, Forms({5, 6})},
    {"fs_Ward", "ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, kIndividuals},
    {"fs_Ward", "ITRForm:DesigTaxOfficeInfo/ITRForm:DesigOfficerWardorCircle", Conv::kAsIs, {}, kFirms},
    {"fs_AreaCode", "ITRForm:DesigTaxOfficeInfo/ITRForm:AreaCode", Conv::kAsIs, {}, kFirms},
    {"fs_AOType", "ITRForm:DesigTaxOfficeInfo/ITRForm:AOType", Conv::kAsIs, {}, kFirms},
    {"fs_RangeCode", "ITRForm:DesigTaxOfficeInfo/ITRForm:RangeCode", Conv::kAsIs, {}, kFirms},
    {"fs_AONo", "ITRForm:DesigTaxOfficeInfo/ITRForm:AONo", Conv::kAsIs, {}, kFirms},
    {"fs_PE1", "ITRForm:NRI_PE", Conv::kFlag, "Y", kFirms},
    {"fs_PE2", "ITRForm:NRI_PE", Conv::kFlag, "N", kFirms},
    {"fs_Section", "ITRForm:ReturnFileSec", Conv::kAsIs, {}, kIndividuals},
    {"fs_Section1", "ITRForm:ReturnFileSec", Conv::kFlag, "11", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Section2", "ITRForm:ReturnFileSec", Conv::kFlag, "12", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Section3", "ITRForm:ReturnFileSec", Conv::kFlag, "16", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Notice1", "ITRForm:ReturnFileSec", Conv::kFlag, "13", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Notice2", "ITRForm:ReturnFileSec", Conv::kFlag, "14", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Notice3", "ITRForm:ReturnFileSec", Conv::kFlag, "15", FormsFrom({1, 2, 3, 4}, 2011)},
    {"fs_Section1", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "11", FormsFrom({5, 6}, 2011)},
    {"fs_Section2", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "12", FormsFrom({5, 6}, 2011)},
    {"fs_Section3", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "16", FormsFrom({5, 6}, 2011)},
    {"fs_Notice1", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "13", FormsFrom({5, 6}, 2011)},
    {"fs_Notice2", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "14", FormsFrom({5, 6}, 2011)},
    {"fs_Notice3", "ITRForm:ReturnFileSec/ITRForm:IncomeTaxSec", Conv::kFlag, "15", FormsFrom({5, 6}, 2011)},
    {"fs_Original", "ITRForm:ReturnType", Conv::kFlag, "O"},
    {"fs_Revised", "ITRForm:ReturnType", Conv::kFlag, "R"},
};
// clang-format on
static_assert(!HasOverlappingKeys(kFilingStatus));

// Filing status after the receipt of the original return, below ITRForm:FilingStatus.
constexpr KeyRow kResidenceAndRepresentative[] = {
    {"fs_RStatus1", "ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "RES"},
    {"fs_RStatus2", "ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NRI"},
    {"fs_RStatus3", "ITRForm:ResidentialStatus", Conv::kFlagFirstThree, "NOR"},
    {"fs_RepAssessee1", "ITRForm:AsseseeRepFlg", Conv::kFlag, "Y", kRepresented},
    {"fs_RepAssessee2", "ITRForm:AsseseeRepFlg", Conv::kFlag, "N", kRepresented},
    {"fs_RepName", "ITRForm:AssesseeRep/ITRForm:RepName", Conv::kAsIs, {}, kRepresented},
    {"fs_RepAddress", "ITRForm:AssesseeRep/ITRForm:RepAddress", Conv::kAsIs, {}, kRepresented},
    {"fs_RepPAN", "ITRForm:AssesseeRep/ITRForm:RepPAN", Conv::kAsIs, {}, kRepresented},
};
static_assert(!HasOverlappingKeys(kResidenceAndRepresentative));

constexpr When kNotForm8 = Forms({1, 2, 3, 4, 5, 6});

// Audit flags, below the audit base (ITRForm:AuditInfo for ITR-4, G2 otherwise);
// ITR-8 spells the two liability flags with its own prefix.
constexpr KeyRow kAuditFlags[] = {
    {"ai_44AA1", "ITRForm:LiableSec44AAflg", Conv::kFlag, "Y", kNotForm8},
    {"ai_44AA1", "ITR8FORM:LiableSec44AAflg", Conv::kFlag, "Y", Forms({8})},
    {"ai_44AA2", "ITRForm:LiableSec44AAflg", Conv::kFlag, "N", kNotForm8},
    {"ai_44AA2", "ITR8FORM:LiableSec44AAflg", Conv::kFlag, "N", Forms({8})},
    {"ai_92e1", "ITRForm:IntlTaxationFlg_92E", Conv::kFlag, "Y", FormsFrom({6}, 2011)},
    {"ai_92e2", "ITRForm:IntlTaxationFlg_92E", Conv::kFlag, "N", FormsFrom({6}, 2011)},
    {"ai_44AB1", "ITRForm:LiableSec44ABflg", Conv::kFlag, "Y", kNotForm8},
    {"ai_44AB1", "ITR8FORM:LiableSec44ABflg", Conv::kFlag, "Y", Forms({8})},
    {"ai_44AB2", "ITRForm:LiableSec44ABflg", Conv::kFlag, "N", kNotForm8},
    {"ai_44AB2", "ITR8FORM:LiableSec44ABflg", Conv::kFlag, "N", Forms({8})},
};
static_assert(!HasOverlappingKeys(kAuditFlags));

// The auditor, written only when the return is liable to audit under section 44AB.
constexpr KeyRow kAuditor[] = {
    {"ai_AuditorName", "ITRForm:AuditorName"},
    {"ai_MembershipNo", "ITRForm:AuditorMemNo"},
    {"ai_AuditorFirmName", "ITRForm:AudFrmName"},
    {"ai_AuditorPAN", "ITRForm:AudFrmPAN"},
    {"ai_AuditDate", "ITRForm:AuditDate", Conv::kDateByPosition},
};

constexpr KeyRow kPartnerChange[] = {
    {"ai_PartnerChange1", "ITRForm:PrevYrMemPartChange", Conv::kFlag, "Y", Forms({5})},
    {"ai_PartnerChange2", "ITRForm:PrevYrMemPartChange", Conv::kFlag, "N", Forms({5})},
};

constexpr std::string_view kHoldingFlag = "ITRForm:HoldingStatus/ITRForm:NatOfCompFlg";

// The holding company of a subsidiary (holding flag "2" or "3").
// clang-format off
constexpr KeyRow kHoldingCompany[] = {
    {"hs_scom1", "ITRForm:HoldingStatus/ITRForm:HoldingCompDetail/ITRForm:CompDetails/ITRForm:CompName"},
    {"hs_scom2", "ITRForm:HoldingStatus/ITRForm:HoldingCompDetail/ITRForm:CompDetails/ITRForm:AddressDetail/ITRForm:AddrDetail"},
    {"hs_scom3", "ITRForm:HoldingStatus/ITRForm:HoldingCompDetail/ITRForm:CompDetails/ITRForm:CompPAN"},
};
// clang-format on

// The subsidiary of a holding company (holding flag "1" or "3").
// clang-format off
constexpr KeyRow kSubsidiaryCompany[] = {
    {"hs_hcom1", "ITRForm:HoldingStatus/ITRForm:SubsidiaryCompDetail/ITRForm:CompDetails/ITRForm:CompName"},
    {"hs_hcom2", "ITRForm:HoldingStatus/ITRForm:SubsidiaryCompDetail/ITRForm:CompDetails/ITRForm:AddressDetail/ITRForm:AddrDetail"},
    {"hs_hcom3", "ITRForm:HoldingStatus/ITRForm:SubsidiaryCompDetail/ITRForm:CompDetails/ITRForm:CompPAN"},
};
// clang-format on

constexpr KeyRow kNatureOfCompany[] = {
    {"noc_1a", "ITRForm:NatureOfComp/ITRForm:PubSectCompUs2_36AFlg", Conv::kFlag, "Y"},
    {"noc_1b", "ITRForm:NatureOfComp/ITRForm:PubSectCompUs2_36AFlg", Conv::kFlag, "N"},
    {"noc_2a", "ITRForm:NatureOfComp/ITRForm:RBICompFlg", Conv::kFlag, "Y"},
    {"noc_2b", "ITRForm:NatureOfComp/ITRForm:RBICompFlg", Conv::kFlag, "N"},
    {"noc_3a", "ITRForm:NatureOfComp/ITRForm:CompLes40PercSharGovRBIFlg", Conv::kFlag, "Y"},
    {"noc_3b", "ITRForm:NatureOfComp/ITRForm:CompLes40PercSharGovRBIFlg", Conv::kFlag, "N"},
    {"noc_4a", "ITRForm:NatureOfComp/ITRForm:BankCompUs5Flg", Conv::kFlag, "Y"},
    {"noc_4b", "ITRForm:NatureOfComp/ITRForm:BankCompUs5Flg", Conv::kFlag, "N"},
    {"noc_5a", "ITRForm:NatureOfComp/ITRForm:SchedBankOfRBIActFlg", Conv::kFlag, "Y"},
    {"noc_5b", "ITRForm:NatureOfComp/ITRForm:SchedBankOfRBIActFlg", Conv::kFlag, "N"},
    {"noc_6a", "ITRForm:NatureOfComp/ITRForm:CompWithIRDARegisterFlg", Conv::kFlag, "Y"},
    {"noc_6b", "ITRForm:NatureOfComp/ITRForm:CompWithIRDARegisterFlg", Conv::kFlag, "N"},
    {"noc_7a", "ITRForm:NatureOfComp/ITRForm:NonBankFIICompFlg", Conv::kFlag, "Y"},
    {"noc_7b", "ITRForm:NatureOfComp/ITRForm:NonBankFIICompFlg", Conv::kFlag, "N"},
};

// Where the business organisation types of ITR-6 are written.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kBusinessOrganisations = {{
    {"AMALGAMATED", "bo_1"},
    {"AMALGAMATING", "bo_2"},
    {"RESULTING", "bo_3"},
    {"DEMERGED", "bo_4"},
}};

// The ScheduleTotals slots and the keys that receive them.
struct TotalKey {
    std::string_view key;
    int slot;
    When when;
};

constexpr TotalKey kTotals[] = {
    {"tds1_Tot_1", 1, Forms({1, 2, 3, 4})},
    {"tds1_Tot_2", 2, Forms({1, 2, 3, 4})},
    {"tds1_Tot_3", 3, Forms({1, 2, 3, 4})},
    {"tds1_Tot_4", 4, Forms({1, 2, 3, 4})},
    {"tds1_Tot_5", 5, Forms({1, 2, 3, 4})},
    {"tds2_Tot_1", 6, Forms({1, 2, 3, 4, 5, 6})},
    {"tds2_Tot_2", 7, Forms({1, 2, 3, 4, 5, 6})},
    {"tds2_Tot_3", 8, Forms({1, 2, 3, 4, 5, 6})},
    {"it_Tot_1", 9, Forms({1, 2, 3, 4, 5, 6})},
    {"si_Tot_1", 10, Forms({2, 3, 4, 5, 6})},
    {"if_Tot_1", 11, Forms({3, 4})},
    {"if_Tot_2", 12, Forms({3, 4})},
    {"bp_Tot_1", 13, Forms({3})},
    {"bp_Tot_2", 14, Forms({3})},
    {"bp_Tot_3", 15, Forms({3})},
    {"bp_Tot_4", 16, Forms({3})},
    {"bp_Tot_5", 17, Forms({3})},
    {"tcs_Tot_1", 18, Forms({4, 5, 6})},
    {"tcs_Tot_2", 19, Forms({4, 5, 6})},
    {"tcs_Tot_3", 20, Forms({4, 5, 6})},
    {"fbt_Tot_1", 21, Forms({5, 6, 8})},
    {"ddtp_Tot_1", 22, Forms({6})},
};

bool IsFirm(int form_code) {
    return form_code == 5 || form_code == 6 || form_code == 8;
}

// The first general block (identity and filing status).
XmlNode FirstGeneralBlock(const ReturnContext& context) {
    if (context.FormCode == 1) return FindChild(context.ReturnRoot, "ITR1FORM:ITR1");
    return FindChild(context.FormElement(), "ITRForm:PartA_GEN1");
}

// The second general block (audit, company particulars, nature of business).
XmlNode SecondGeneralBlock(const ReturnContext& context) {
    switch (context.FormCode) {
        case 1:
            return FindChild(context.ReturnRoot, "ITR1FORM:ITR1");
        case 6:
            return FindChild(context.FormElement(), "ITRForm:PartA_GEN2For6");
        case 8:
            return FindChild(context.ReturnRoot, "ITR8FORM:ITR8");
        default:
            return FindChild(context.FormElement(), "ITRForm:PartA_GEN2");
    }
}

void WriteYears(TIniControl& ini, const ReturnContext& context) {
    const int year = context.AssessmentYear;
    ini.WriteValue(kSection, "AssessmentYear",
                   std::to_string(year) + "-" + std::to_string(context.AssessmentYearEnd));
    if (Forms({4, 5, 6}).Holds(context)) {
        ini.WriteValue(kSection, "FinancialYear",
                       std::to_string(year - 1) + "-" + std::to_string(year));
    }
}

void WriteFirstBlock(TIniControl& ini, const ReturnContext& context, XmlNode g1) {
    const XmlNode identity =
        FindChild(g1, IsFirm(context.FormCode) ? "ITRForm:OrgFirmInfo" : "ITRForm:PersonalInfo");
    const XmlNode filing_status = FindChild(g1, "ITRForm:FilingStatus");
    WriteRows(ini, context, kSection, identity, kIdentity);
    WriteRows(ini, context, kSection, filing_status, kFilingStatus);
    if (GetNodeValue(filing_status, "ITRForm:ReturnType") == "R") {
        ini.WriteValue(kSection, "fs_OriginalReceipt",
                       GetNodeValue(filing_status, "ITRForm:ReceiptNo") + ", " +
                           DateByPosition(GetNodeValue(filing_status, "ITRForm:OrigRetFiledDate")));
    }
    WriteRows(ini, context, kSection, filing_status, kResidenceAndRepresentative);
}

void WriteBusinessOrganisations(TIniControl& ini, XmlNode g2) {
    for (const XmlNode organisation : ChildrenNamed(g2, "ITRForm:BusOrganisation")) {
        const std::string type = GetNodeValue(organisation, "ITRForm:BusOrgType");
        const std::string name = GetNodeValue(organisation, "ITRForm:CompName");
        for (const auto& [organisation_type, key] : kBusinessOrganisations) {
            if (type == organisation_type) ini.WriteValue(kSection, key, name);
        }
    }
}

void WriteCompanyParticulars(TIniControl& ini, XmlNode g2) {
    const std::string holding = GetPathValue(g2, kHoldingFlag);
    ini.WriteValue(kSection, "hs_noc", holding);
    for (const KeyRow& row : kHoldingCompany) {
        if (holding == "2" || holding == "3") WriteRow(ini, kSection, g2, row);
    }
    for (const KeyRow& row : kSubsidiaryCompany) {
        if (holding == "1" || holding == "3") WriteRow(ini, kSection, g2, row);
    }
    WriteBusinessOrganisations(ini, g2);
    for (const KeyRow& row : kNatureOfCompany) WriteRow(ini, kSection, g2, row);
}

void WriteSecondBlock(TIniControl& ini, const ReturnContext& context, XmlNode g2) {
    const int form = context.FormCode;
    XmlNode audit = form == 4 ? FindChild(g2, "ITRForm:AuditInfo") : g2;
    WriteRows(ini, context, kSection, audit, kAuditFlags);
    const std::string_view liable =
        form == 8 ? "ITR8FORM:LiableSec44ABflg" : "ITRForm:LiableSec44ABflg";
    if (GetNodeValue(audit, liable) == "Y") {
        if (IsFirm(form)) audit = FindChild(g2, "ITRForm:AuditInfo");
        for (const KeyRow& row : kAuditor) WriteRow(ini, kSection, audit, row);
    }
    WriteRows(ini, context, kSection, audit, kPartnerChange);
    if (form == 6) WriteCompanyParticulars(ini, g2);
}

void WriteTotals(TIniControl& ini, const ReturnContext& context) {
    for (const TotalKey& total : kTotals) {
        if (total.when.Holds(context)) {
            ini.WriteValue(kSection, total.key, std::to_string(context.ScheduleTotals[total.slot]));
        }
    }
}

}  // namespace

void FillPartAGen(TIniControl& ini, const ReturnContext& context) {
    WriteYears(ini, context);
    if (const XmlNode g1 = FirstGeneralBlock(context)) WriteFirstBlock(ini, context, g1);
    if (const XmlNode g2 = SecondGeneralBlock(context)) WriteSecondBlock(ini, context, g2);
    if (Forms({4, 5, 6}).Holds(context)) FillNatureOfBusiness(ini, context);
    WriteTotals(ini, context);
    ini.WriteValue(kSection, "User", kCourtesyLine);
    ini.WriteValue(kSection, "SoftwareBy", kCourtesyLine);
    ini.WriteValue(kSection, "IsVerification", "0");
}

void FillNatureOfBusiness(TIniControl& ini, const ReturnContext& context) {
    const XmlNode g2 =
        FindChild(context.FormElement(),
                  context.FormCode == 6 ? "ITRForm:PartA_GEN2For6" : "ITRForm:PartA_GEN2");
    const XmlNode nature = FindChild(g2, "ITRForm:NatOfBus");
    const std::string_view trade_name = context.FormCode == 4
                                            ? "ITRForm:Trade/ITRForm:TradeName"
                                            : "ITRForm:Trade/ITRForm:TradeNameOrDescription";
    int k = 0;
    for (const XmlNode business : ChildrenNamed(nature, "ITRForm:Business")) {
        const std::string number = std::to_string(++k);
        const std::string name = GetPathValue(business, trade_name);
        ini.WriteValue(kSection, "nob_TradeCode" + number, GetNodeValue(business, "ITRForm:Code"));
        ini.WriteValue(kSection, "nob_TradeName" + number, name);
        ini.WriteValue(kSection, "nob_Description" + number, name);
    }
}

}  // namespace orvane
