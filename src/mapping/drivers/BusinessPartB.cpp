#include "mapping/drivers/BusinessPartB.h"

#include "mapping/fill/KeyTable.h"
#include "mapping/fill/Verification.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "PART-B";
constexpr Conv kAmount = Conv::kAmountOrNil;

// Part C of the firm and company forms, and the whole computation of ITR-8.
// clang-format off
constexpr KeyRow kFringeBenefitTax[] = {
    {"prtc_1a", "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:FirstQuarter", kAmount},
    {"prtc_1b", "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:SecondQuarter", kAmount},
    {"prtc_1c", "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:ThirdQuarter", kAmount},
    {"prtc_1d", "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:FourthQuarter", kAmount},
    {"prtc_1e", "ITRForm:PartCAnd8B/ITRForm:ValueOfFBT/ITRForm:TotValueOfFBT", kAmount},
    {"prtc_2", "ITRForm:PartCAnd8B/ITRForm:FBTPayable", kAmount},
    {"prtc_3", "ITRForm:PartCAnd8B/ITRForm:SurchargeOnFBT", kAmount},
    {"prtc_4", "ITRForm:PartCAnd8B/ITRForm:EducationCess", kAmount},
    {"prtc_5", "ITRForm:PartCAnd8B/ITRForm:TotFBTLiability", kAmount},
    {"prtc_6a", "ITRForm:PartCAnd8B/ITRForm:FBTInterestPayable/ITRForm:DefaultPayUs115WJ3", kAmount},
    {"prtc_6b", "ITRForm:PartCAnd8B/ITRForm:FBTInterestPayable/ITRForm:DefaultFileUs115WK", kAmount},
    {"prtc_6c", "ITRForm:PartCAnd8B/ITRForm:FBTInterestPayable/ITRForm:TotFBTInterestPayable", kAmount},
    {"prtc_7", "ITRForm:PartCAnd8B/ITRForm:AggreFBTLiability", kAmount},
    {"prtc_8a", "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:AdvanceFBT", kAmount},
    {"prtc_8b", "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:SelfAssessmentFBT", kAmount},
    {"prtc_8c", "ITRForm:PartCAnd8B/ITRForm:FBTTaxesPaid/ITRForm:TotalTaxesPaid", kAmount},
    {"prtc_9", "ITRForm:PartCAnd8B/ITRForm:BalFBTLiability", kAmount},
    {"prtc_10", "ITRForm:PartCAnd8B/ITRForm:RefundFBT", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kFringeBenefitTax));

// ba_2a and ba_2b tick the refund by cheque or into the account; ba_3a and
// ba_3b the savings or current account.
// clang-format off
constexpr KeyRow kRefundAccount[] = {
    {"ba_1", "ITRForm:ScheduleBA/ITRForm:BankAccountNumber"},
    {"ba_2a", "ITRForm:ScheduleBA/ITRForm:EcsRequired", Conv::kFlag, "N"},
    {"ba_2b", "ITRForm:ScheduleBA/ITRForm:EcsRequired", Conv::kFlag, "Y"},
    {"ba_3", "ITRForm:ScheduleBA/ITRForm:DepositToBankAccount/ITRForm:MICRCode"},
    {"ba_3a", "ITRForm:ScheduleBA/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "SAV"},
    {"ba_3b", "ITRForm:ScheduleBA/ITRForm:DepositToBankAccount/ITRForm:BankAccountType", Conv::kFlag, "CUR"},
};
// clang-format on

}  // namespace

void WriteFringeBenefitTax(TIniControl& ini, const ReturnContext& context) {
    WriteRows(ini, context, kSection, context.FormElement(), kFringeBenefitTax);
}

void WriteVerification(TIniControl& ini, const ReturnContext& context) {
    WriteRows(ini, context, kSection, context.FormElement(), kVerification);
}

void WriteRefundAccount(TIniControl& ini, const ReturnContext& context) {
    const XmlNode form = context.FormElement();
    const bool present = static_cast<bool>(FindChild(form, "ITRForm:ScheduleBA"));
    for (const KeyRow& row : kRefundAccount) {
        // Without the schedule the tick boxes read "0" and the texts are left out.
        if (present || row.conv == Conv::kFlag) WriteRow(ini, kSection, form, row);
    }
}

}  // namespace orvane
