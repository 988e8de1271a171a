#include "mapping/fill/ScheduleBP.h"

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-BP";
constexpr Conv kAmount = Conv::kAmountOrNil;

// Lines 1 to 37 (business other than speculative), 38 to 41 (speculative
// business) and the income chargeable under the head. Line 2b, the profit of
// specified business, is on the company form from 2011-12 only.
// clang-format off
constexpr KeyRow kBusinessIncome[] = {
    {"bp_1", "ITRForm:BusinessIncOthThanSpec/ITRForm:ProfBfrTaxPL", kAmount},
    {"bp_2", "ITRForm:BusinessIncOthThanSpec/ITRForm:NetPLFromSpecBus", kAmount},
    {"bp_2b", "ITRForm:BusinessIncOthThanSpec/ITRForm:NetProfLossSpecifiedBus", kAmount, {}, FormsFrom({6}, 2011)},
    {"bp_3", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncRecCredPLOthHeads", kAmount},
    {"bp_4", "ITRForm:BusinessIncOthThanSpec/ITRForm:PLUs44sChapXIIG", kAmount},
    {"bp_5a", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncCredPL/ITRForm:FirmShareInc", kAmount},
    {"bp_5b", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncCredPL/ITRForm:AOPBOISharInc", kAmount},
    {"bp_5c", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncCredPL/ITRForm:OthExempInc", kAmount},
    {"bp_5d", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncCredPL/ITRForm:TotExempIncPL", kAmount, {}, Forms({4})},
    {"bp_5d", "ITRForm:BusinessIncOthThanSpec/ITRForm:IncCredPL/ITRForm:TotExempInc", kAmount, {}, Forms({5, 6})},
    {"bp_6", "ITRForm:BusinessIncOthThanSpec/ITRForm:BalancePLOthThanSpecBus", kAmount},
    {"bp_7", "ITRForm:BusinessIncOthThanSpec/ITRForm:ExpDebToPLOthHeads", kAmount},
    {"bp_8", "ITRForm:BusinessIncOthThanSpec/ITRForm:ExpDebToPLExemptInc", kAmount},
    {"bp_9", "ITRForm:BusinessIncOthThanSpec/ITRForm:TotExpDebPL", kAmount},
    {"bp_10", "ITRForm:BusinessIncOthThanSpec/ITRForm:AdjustedPLOthThanSpecBus", kAmount},
    {"bp_11", "ITRForm:BusinessIncOthThanSpec/ITRForm:DepreciationDebPLCosAct", kAmount},
    {"bp_12i", "ITRForm:BusinessIncOthThanSpec/ITRForm:DepreciationAllowITAct32/ITRForm:DepreciationAllowUs32_1_ii", kAmount},
    {"bp_12ii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DepreciationAllowITAct32/ITRForm:DepreciationAllowUs32_1_i", kAmount},
    {"bp_12iii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DepreciationAllowITAct32/ITRForm:TotDeprAllowITAct", kAmount},
    {"bp_13", "ITRForm:BusinessIncOthThanSpec/ITRForm:AdjustPLAfterDeprOthSpecInc", kAmount},
    {"bp_14", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDebPLDisallowUs36", kAmount},
    {"bp_15", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDebPLDisallowUs37", kAmount},
    {"bp_16", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDebPLDisallowUs40", kAmount},
    {"bp_17", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDebPLDisallowUs40A", kAmount},
    {"bp_18", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDebPLDisallowUs43B", kAmount},
    {"bp_19", "ITRForm:BusinessIncOthThanSpec/ITRForm:InterestDisAllowUs23SMEAct", kAmount},
    {"bp_20", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemIncUs41", kAmount},
    {"bp_21", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemIncUs3380HHD80IA", kAmount},
    {"bp_22", "ITRForm:BusinessIncOthThanSpec/ITRForm:OthItemDisallowUs28To44DA", kAmount},
    {"bp_23", "ITRForm:BusinessIncOthThanSpec/ITRForm:AnyOthIncNotInclInExpDisallowPL", kAmount},
    {"bp_24", "ITRForm:BusinessIncOthThanSpec/ITRForm:TotAfterAddToPLDeprOthSpecInc", kAmount},
    {"bp_25", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductUs32_1_iii", kAmount},
    {"bp_26", "ITRForm:BusinessIncOthThanSpec/ITRForm:DebPLUs35ExcessAmt", kAmount},
    {"bp_27", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDisallUs40NowAllow", kAmount},
    {"bp_28", "ITRForm:BusinessIncOthThanSpec/ITRForm:AmtDisallUs43BNowAllow", kAmount},
    {"bp_29a", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductUs35AC/ITRForm:DebPL35ACAmt", kAmount},
    {"bp_29b", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductUs35AC/ITRForm:AmtAllowUs35ACt", kAmount},
    {"bp_29c", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductUs35AC/ITRForm:ExcessAmtDeduct35AC", kAmount},
    {"bp_30", "ITRForm:BusinessIncOthThanSpec/ITRForm:AnyOthAmtAllDeduct", kAmount},
    {"bp_31", "ITRForm:BusinessIncOthThanSpec/ITRForm:TotDeductionAmts", kAmount},
    {"bp_32", "ITRForm:BusinessIncOthThanSpec/ITRForm:PLAftAdjDedBusOthThanSpec", kAmount},
    {"bp_33i", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44AD", kAmount},
    {"bp_33ii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44AE", kAmount},
    {"bp_33iii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44AF", kAmount},
    {"bp_33iv", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44B", kAmount},
    {"bp_33v", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44BB", kAmount},
    {"bp_33vi", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44BBA", kAmount},
    {"bp_33vii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44BBB", kAmount},
    {"bp_33viii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44D", kAmount},
    {"bp_33ix", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:Section44DA", kAmount},
    {"bp_33x", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:ChapterXIIG", kAmount},
    {"bp_33xi", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:FirstSchTAct", kAmount},
    {"bp_33xii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeemedProfitBusUs/ITRForm:TotDeemedProfitBusUs", kAmount},
    {"bp_34", "ITRForm:BusinessIncOthThanSpec/ITRForm:ProfitLossBfrDeductUs10s", kAmount},
    {"bp_35i", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductionUs10s/ITRForm:Section10A", kAmount},
    {"bp_35ii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductionUs10s/ITRForm:Section10AA", kAmount},
    {"bp_35iii", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductionUs10s/ITRForm:Section10B", kAmount},
    {"bp_35iv", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductionUs10s/ITRForm:Section10BA", kAmount},
    {"bp_35v", "ITRForm:BusinessIncOthThanSpec/ITRForm:DeductionUs10s/ITRForm:TotDeductionUs10s", kAmount},
    {"bp_36", "ITRForm:BusinessIncOthThanSpec/ITRForm:NetPLAftAdjBusOthThanSpec", kAmount},
    {"bp_37", "ITRForm:BusinessIncOthThanSpec/ITRForm:NetPLBusOthThanSpec7A7B7C", kAmount},
    {"bp_38", "ITRForm:SpecBusinessInc/ITRForm:NetPLFrmSpecBus", kAmount},
    {"bp_39", "ITRForm:SpecBusinessInc/ITRForm:AdditionUs28to44DA", kAmount},
    {"bp_40", "ITRForm:SpecBusinessInc/ITRForm:DeductUs28to44DA", kAmount},
    {"bp_41", "ITRForm:SpecBusinessInc/ITRForm:AdjustedPLFrmSpecuBus", kAmount},
    {"bp_c", "ITRForm:IncChrgUnHdProftGain", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kBusinessIncome));

}  // namespace

void FillScheduleBP(TIniControl& ini, const ReturnContext& context) {
    const int form = context.FormCode;
    if (form != 4 && form != 5 && form != 6) return;
    const XmlNode schedule = FindChild(
        context.FormElement(), form == 4 ? "ITRForm:ITR4ScheduleBP" : "ITRForm:CorpScheduleBP");
    if (schedule) WriteRows(ini, context, kSection, schedule, kBusinessIncome);
}

}  // namespace orvane
