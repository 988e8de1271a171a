#include "mapping/fill/LossSetOff.h"

#include <string>

#include "convert/Conversions.h"
#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-CYLA";

constexpr When kForm2 = Forms({2});
constexpr When kForms2To4 = Forms({2, 3, 4});
constexpr When kForms2To6 = Forms({2, 3, 4, 5, 6});
constexpr When kForms3And4 = Forms({3, 4});
constexpr When kForms3To6 = Forms({3, 4, 5, 6});
constexpr When kForms4To6 = Forms({4, 5, 6});
constexpr When kForms5And6 = Forms({5, 6});
constexpr When kForm6Before2011{.forms = FormBit(6), .to_year = 2010};
constexpr When kForm6From2011 = FormsFrom({6}, 2011);

// A row or column of a grid: its label in the cell keys (the row's digit, the
// column's letter), its element, and the forms (and years) whose printed form
// has it. A line without an element is not applicable: its cells print "Nil".
struct GridLine {
    std::string_view label;
    std::string_view element;
    When when;
};

// A grid of income heads by kinds of loss. The cell of a row and a column is
// keyed prefix + row label + column label and read below the base element as
// row element / cell group / column element.
struct Grid {
    std::string_view prefix;
    std::string_view cell_group;
    std::span<const GridLine> rows;
    std::span<const GridLine> columns;
    std::span<const KeyRow> not_applicable;  // single cells written "Nil"
};

// Set-off of current-year losses: row 0, the totals of the losses, below
// ITRForm:ScheduleCYLA.
// clang-format off
constexpr KeyRow kCylaLosses[] = {
    {"cyla_0b", "ITRForm:TotalCurYr/ITRForm:TotHPlossCurYr", Conv::kAmountOrNil, {}, kForms2To6},
    {"cyla_0c", "ITRForm:TotalCurYr/ITRForm:TotOthSrcLossNoRaceHorse", Conv::kAmountOrNil, {}, kForm2},
    {"cyla_0c", "ITRForm:TotalCurYr/ITRForm:TotBusLoss", Conv::kAmountOrNil, {}, kForms3To6},
    {"cyla_0d", "ITRForm:TotalCurYr/ITRForm:TotOthSrcLossNoRaceHorse", Conv::kAmountOrNil, {}, kForms3To6},
};
// clang-format on
static_assert(!HasOverlappingKeys(kCylaLosses));

constexpr GridLine kCylaHeads[] = {
    {"1", "ITRForm:Salary", kForms2To4},
    {"1", "ITRForm:HP", kForms5And6},
    {"2", "ITRForm:HP", kForms2To4},
    {"2", "ITRForm:BusProfInclSpecProf", kForms5And6},
    {"3", "ITRForm:STCG", kForm2},
    {"3", "ITRForm:BusProfInclSpecProf", kForms3And4},
    {"3", "ITRForm:STCG", kForms5And6},
    {"4", "ITRForm:LTCG", kForm2},
    {"4", "ITRForm:STCG", kForms3And4},
    {"4", "ITRForm:LTCG", kForms5And6},
    {"5", "ITRForm:OthSrcInclRaceHorse", kForm2},
    {"5", "ITRForm:LTCG", kForms3And4},
    {"5", "ITRForm:OthSrcInclRaceHorse", kForms5And6},
    {"6", "ITRForm:OthSrcInclRaceHorse", kForms3And4},
};

constexpr GridLine kCylaColumns[] = {
    {"a", "ITRForm:IncOfCurYrUnderThatHead", kForms2To6},
    {"b", "ITRForm:HPlossCurYrSetoff", kForms2To6},
    {"c", "ITRForm:OthSrcLossNoRaceHorseSetoff", kForm2},
    {"c", "ITRForm:BusLossSetoff", kForms3To6},
    {"d", "ITRForm:IncOfCurYrAfterSetOff", kForm2},
    {"d", "ITRForm:OthSrcLossNoRaceHorseSetoff", kForms3To6},
    {"e", "ITRForm:IncOfCurYrAfterSetOff", kForms3To6},
};

// A loss of a head is not set off against the same head, nor a business loss
// against salary.
constexpr KeyRow kCylaNotApplicable[] = {
    {"cyla_2b", "", Conv::kAmountOrNil, {}, kForms2To4},
    {"cyla_1b", "", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_1c", "", Conv::kAmountOrNil, {}, kForms3And4},
};
static_assert(!HasOverlappingKeys(kCylaNotApplicable));

constexpr Grid kCyla{"cyla_", "ITRForm:IncCYLA", kCylaHeads, kCylaColumns, kCylaNotApplicable};

// The rows under the heads: the losses set off and the losses remaining, in
// the order of the rows of the form (ITR-2; ITR-3 and ITR-4; ITR-5 and ITR-6).
// clang-format off
constexpr KeyRow kCylaClosing[] = {
    {"cyla_6a", "", Conv::kAsIs, {}, kForm2},
    {"cyla_7a", "", Conv::kAsIs, {}, kForms3And4},
    {"cyla_6a", "", Conv::kAsIs, {}, kForms5And6},
    {"cyla_6b", "ITRForm:TotalLossSetOff/ITRForm:TotHPlossCurYrSetoff", Conv::kAmountOrNil, {}, kForm2},
    {"cyla_7b", "ITRForm:TotalLossSetOff/ITRForm:TotHPlossCurYrSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_6b", "ITRForm:TotalLossSetOff/ITRForm:TotHPlossCurYrSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_7c", "ITRForm:TotalLossSetOff/ITRForm:TotBusLossSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_6c", "ITRForm:TotalLossSetOff/ITRForm:TotBusLossSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_6c", "ITRForm:TotalLossSetOff/ITRForm:TotOthSrcLossNoRaceHorseSetoff", Conv::kAmountOrNil, {}, kForm2},
    {"cyla_7d", "ITRForm:TotalLossSetOff/ITRForm:TotOthSrcLossNoRaceHorseSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_6d", "ITRForm:TotalLossSetOff/ITRForm:TotOthSrcLossNoRaceHorseSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_6d", "", Conv::kAsIs, {}, kForm2},
    {"cyla_7e", "", Conv::kAsIs, {}, kForms3And4},
    {"cyla_6e", "", Conv::kAsIs, {}, kForms5And6},
    {"cyla_7a", "", Conv::kAsIs, {}, kForm2},
    {"cyla_8a", "", Conv::kAsIs, {}, kForms3And4},
    {"cyla_7a", "", Conv::kAsIs, {}, kForms5And6},
    {"cyla_7b", "ITRForm:LossRemAftSetOff/ITRForm:BalHPlossCurYrAftSetoff", Conv::kAmountOrNil, {}, kForm2},
    {"cyla_8b", "ITRForm:LossRemAftSetOff/ITRForm:BalHPlossCurYrAftSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_7b", "ITRForm:LossRemAftSetOff/ITRForm:BalHPlossCurYrAftSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_8c", "ITRForm:LossRemAftSetOff/ITRForm:BalBusLossAftSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_7c", "ITRForm:LossRemAftSetOff/ITRForm:BalBusLossAftSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_7c", "ITRForm:LossRemAftSetOff/ITRForm:BalOthSrcLossNoRaceHorseAftSetoff", Conv::kAmountOrNil, {}, kForm2},
    {"cyla_8d", "ITRForm:LossRemAftSetOff/ITRForm:BalOthSrcLossNoRaceHorseAftSetoff", Conv::kAmountOrNil, {}, kForms3And4},
    {"cyla_7d", "ITRForm:LossRemAftSetOff/ITRForm:BalOthSrcLossNoRaceHorseAftSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"cyla_7d", "", Conv::kAsIs, {}, kForm2},
    {"cyla_8e", "", Conv::kAsIs, {}, kForms3And4},
    {"cyla_7e", "", Conv::kAsIs, {}, kForms5And6},
};
// clang-format on
static_assert(!HasOverlappingKeys(kCylaClosing));

// Set-off of brought-forward losses. Salary (row 1 of ITR-2 to ITR-4) takes no
// brought-forward loss.
constexpr GridLine kBflaHeads[] = {
    {"1", "", kForms2To4},
    {"1", "ITRForm:HP", kForms5And6},
    {"2", "ITRForm:HP", kForms2To4},
    {"2", "ITRForm:BusProfInclSpecProf", kForms5And6},
    {"3", "ITRForm:STCG", kForm2},
    {"3", "ITRForm:BusProfInclSpecProf", kForms3And4},
    {"3", "ITRForm:STCG", kForms5And6},
    {"4", "ITRForm:LTCG", kForm2},
    {"4", "ITRForm:STCG", kForms3And4},
    {"4", "ITRForm:LTCG", kForms5And6},
    {"5", "ITRForm:OthSrcInclRaceHorse", kForm2},
    {"5", "ITRForm:LTCG", kForms3And4},
    {"5", "ITRForm:OthSrcInclRaceHorse", kForms5And6},
    {"6", "ITRForm:OthSrcInclRaceHorse", kForms3And4},
};

constexpr GridLine kBflaColumns[] = {
    {"a", "ITRForm:IncOfCurYrUndHeadFromCYLA", kForms2To6},
    {"b", "ITRForm:BFlossPrevYrUndSameHeadSetoff", kForms2To6},
    {"c", "ITRForm:IncOfCurYrAfterSetOffBFLosses", Forms({2, 3})},
    {"c", "ITRForm:BFUnabsorbedDeprSetoff", kForms4To6},
    {"d", "ITRForm:BFAllUs35Cl4Setoff", kForms4To6},
    {"e", "ITRForm:IncOfCurYrAfterSetOffBFLosses", kForms4To6},
};

constexpr Grid kBfla{"bfla_", "ITRForm:IncBFLA", kBflaHeads, kBflaColumns, {}};

// The totals under the heads, below ITRForm:ScheduleBFLA, form by form. Some
// totals stand in two rows of the printed form.
// clang-format off
constexpr KeyRow kBflaClosing[] = {
    {"bfla_6a", "", Conv::kAsIs, {}, kForm2},
    {"bfla_6b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, kForm2},
    {"bfla_6c", "", Conv::kAsIs, {}, kForm2},
    {"bfla_7c", "ITRForm:IncomeOfCurrYrAftCYLABFLA", Conv::kAmountOrNil, {}, kForm2},

    {"bfla_7a", "", Conv::kAsIs, {}, Forms({3})},
    {"bfla_7b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, Forms({3})},
    {"bfla_7c", "", Conv::kAsIs, {}, Forms({3})},
    {"bfla_8c", "ITRForm:IncomeOfCurrYrAftCYLABFLA", Conv::kAmountOrNil, {}, Forms({3})},

    {"bfla_7a", "", Conv::kAsIs, {}, Forms({4})},
    {"bfla_8a", "", Conv::kAsIs, {}, Forms({4})},
    {"bfla_7b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, Forms({4})},
    {"bfla_8b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, Forms({4})},
    {"bfla_7c", "ITRForm:TotalBFLossSetOff/ITRForm:TotUnabsorbedDeprSetoff", Conv::kAmountOrNil, {}, Forms({4})},
    {"bfla_8c", "ITRForm:TotalBFLossSetOff/ITRForm:TotUnabsorbedDeprSetoff", Conv::kAmountOrNil, {}, Forms({4})},
    {"bfla_7d", "ITRForm:TotalBFLossSetOff/ITRForm:TotAllUs35cl4Setoff", Conv::kAmountOrNil, {}, Forms({4})},
    {"bfla_8d", "ITRForm:IncomeOfCurrYrAftCYLABFLA", Conv::kAmountOrNil, {}, Forms({4})},

    {"bfla_6a", "", Conv::kAsIs, {}, kForms5And6},
    {"bfla_7a", "", Conv::kAsIs, {}, kForms5And6},
    {"bfla_6b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_7b", "ITRForm:TotalBFLossSetOff/ITRForm:TotBFLossSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_6c", "ITRForm:TotalBFLossSetOff/ITRForm:TotUnabsorbedDeprSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_7c", "ITRForm:TotalBFLossSetOff/ITRForm:TotUnabsorbedDeprSetoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_6d", "ITRForm:TotalBFLossSetOff/ITRForm:TotAllUs35cl4Setoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_7d", "ITRForm:TotalBFLossSetOff/ITRForm:TotAllUs35cl4Setoff", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_6e", "ITRForm:IncomeOfCurrYrAftCYLABFLA", Conv::kAmountOrNil, {}, kForms5And6},
    {"bfla_7e", "ITRForm:IncomeOfCurrYrAftCYLABFLA", Conv::kAmountOrNil, {}, kForms5And6},
};
// clang-format on
static_assert(!HasOverlappingKeys(kBflaClosing));

// A row of the statement of losses carried forward: the eight earlier years
// (with the date the return of that year was filed), then four summary rows.
struct CarriedForwardRow {
    std::string_view label;
    std::string_view element;
    std::string_view detail;
    bool has_filing_date;
};

constexpr CarriedForwardRow kCflRows[] = {
    {"1", "ITRForm:LossCFFromPrev8thYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"2", "ITRForm:LossCFFromPrev7thYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"3", "ITRForm:LossCFFromPrev6thYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"4", "ITRForm:LossCFFromPrev5thYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"5", "ITRForm:LossCFFromPrev4thYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"6", "ITRForm:LossCFFromPrev3rdYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"7", "ITRForm:LossCFFromPrev2ndYearFromAY", "ITRForm:CarryFwdLossDetail", true},
    {"8", "ITRForm:LossCFFromPrevYrToAY", "ITRForm:CarryFwdLossDetail", true},
    {"9", "ITRForm:TotalOfBFLossesEarlierYrs", "ITRForm:LossSummaryDetail", false},
    {"10", "ITRForm:AdjTotBFLossInBFLA", "ITRForm:LossSummaryDetail", false},
    {"11", "ITRForm:CurrentAYloss", "ITRForm:LossSummaryDetail", false},
    {"12", "ITRForm:TotalLossCFSummary", "ITRForm:LossSummaryDetail", false},
};

// Column a of the yearly rows.
constexpr std::string_view kFilingDate = "ITRForm:DateOfFiling";

// The kinds of loss, from column b on.
constexpr GridLine kCflColumns[] = {
    {"b", "ITRForm:HPLossCF", kForms2To6},
    {"c", "ITRForm:STCGLossCF", kForm2},
    {"c", "ITRForm:BusLossOthThanSpecLossCF", kForms3To6},
    {"d", "ITRForm:LTCGLossCF", kForm2},
    {"d", "ITRForm:STCGLossCF", Forms({3})},
    {"d", "ITRForm:LossFrmSpecBusCF", kForms4To6},
    {"e", "ITRForm:OthSrcLossRaceHorseCF", kForm2},
    {"e", "ITRForm:LTCGLossCF", Forms({3})},
    {"e", "ITRForm:STCGLossCF", kForms4To6},
    {"f", "", Forms({3})},
    {"f", "ITRForm:LTCGLossCF", kForms4To6},
    {"g", "ITRForm:OthSrcLossRaceHorseCF", Forms({3})},
    {"g", "", Forms({4, 5})},
    {"g", "", kForm6Before2011},
    {"g", "ITRForm:OthSrcLossRaceHorseCF", kForm6From2011},
    {"h", "ITRForm:OthSrcLossRaceHorseCF", Forms({4, 5})},
    {"h", "ITRForm:OthSrcLossRaceHorseCF", kForm6Before2011},
    {"h", "ITRForm:LossFrmSpecifiedBusCF", kForm6From2011},
};

// An amount cell: "Nil" when the line is not applicable or the amount absent.
void WriteAmountCell(TIniControl& ini, const std::string& key, XmlNode cells,
                     std::string_view element) {
    const std::string amount = element.empty() ? std::string() : GetNodeValue(cells, element);
    ini.WriteValue(kSection, key, AmountOrNil(amount));
}

bool IsNotApplicable(const Grid& grid, const ReturnContext& context, std::string_view key) {
    for (const KeyRow& cell : grid.not_applicable) {
        if (cell.key == key && cell.when.Holds(context)) return true;
    }
    return false;
}

void WriteGrid(TIniControl& ini, const ReturnContext& context, XmlNode base, const Grid& grid) {
    for (const GridLine& row : grid.rows) {
        if (!row.when.Holds(context)) continue;
        const XmlNode head = row.element.empty() ? XmlNode{} : FindChild(base, row.element);
        const XmlNode cells = FindChild(head, grid.cell_group);
        for (const GridLine& column : grid.columns) {
            if (!column.when.Holds(context)) continue;
            const std::string key =
                std::string(grid.prefix) + std::string(row.label) + std::string(column.label);
            const bool applicable = !row.element.empty() && !IsNotApplicable(grid, context, key);
            WriteAmountCell(ini, key, cells, applicable ? column.element : std::string_view{});
        }
    }
}

// cfl_01 to cfl_08 name the eight earlier assessment years, cfl_09 this one.
void WriteYearLabels(TIniControl& ini, const ReturnContext& context) {
    for (int k = 1; k <= 9; ++k) {
        const int back = 9 - k;
        ini.WriteValue(kSection, "cfl_0" + std::to_string(k),
                       std::to_string(context.AssessmentYear - back) + "-" +
                           std::to_string(context.AssessmentYearEnd - back));
    }
}

}  // namespace

void FillScheduleCYLA(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleCYLA");
    if (!schedule) return;
    WriteRows(ini, context, kSection, schedule, kCylaLosses);
    WriteGrid(ini, context, schedule, kCyla);
    WriteRows(ini, context, kSection, schedule, kCylaClosing);
}

void FillScheduleBFLA(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleBFLA");
    if (!schedule) return;
    WriteGrid(ini, context, schedule, kBfla);
    WriteRows(ini, context, kSection, schedule, kBflaClosing);
}

void FillScheduleCFL(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleCFL");
    if (!schedule) return;
    WriteYearLabels(ini, context);
    if (!kForms2To6.Holds(context)) return;
    for (const CarriedForwardRow& row : kCflRows) {
        const XmlNode cells = FindChild(FindChild(schedule, row.element), row.detail);
        const std::string prefix = "cfl_" + std::string(row.label);
        if (row.has_filing_date) {
            ini.WriteValue(kSection, prefix + "a", ReformatDate(GetNodeValue(cells, kFilingDate)));
        }
        for (const GridLine& column : kCflColumns) {
            if (column.when.Holds(context)) {
                WriteAmountCell(ini, prefix + std::string(column.label), cells, column.element);
            }
        }
    }
}

}  // namespace orvane
