#pragma once

#include <span>
#include <string_view>

#include "mapping/fill/KeyTable.h"

namespace orvane {

// One box of a row of the one-page forms (ITR-1 and ITR-4S of 2011-12): where
// its value lies below the row element and how it is shaped.
struct BoxColumn {
    std::string_view path;
    Conv conv;
};

// The boxes of one row of each tax-payment table of the one-page forms. The
// overflow rows that do not fit the boxes carry the same values (Col1 to Col4).
// S rows: TDS on salary.
// clang-format off
inline constexpr BoxColumn kSalaryTdsBoxes[] = {
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:TAN", Conv::kSpaceLetters},
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:EmployerOrDeductorOrCollecterName", Conv::kAsIs},
    {"ITRForm:IncChrgSal", Conv::kSpaceLetters},
    {"ITRForm:TotalTDSSal", Conv::kSpaceLetters},
};
// clang-format on

// T rows: TDS other than salary.
// clang-format off
inline constexpr BoxColumn kOtherTdsBoxes[] = {
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:TAN", Conv::kSpaceLetters},
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:EmployerOrDeductorOrCollecterName", Conv::kAsIs},
    {"ITRForm:TotTDSOnAmtPaid", Conv::kSpaceLetters},
    {"ITRForm:ClaimOutOfTotTDSOnAmtPaid", Conv::kSpaceLetters},
};
// clang-format on

// R rows: advance tax and self-assessment tax.
inline constexpr BoxColumn kTaxPaymentBoxes[] = {
    {"ITRForm:BSRCode", Conv::kSpaceLetters},
    {"ITRForm:DateDep", Conv::kCompactDate},
    {"ITRForm:SrlNoOfChaln", Conv::kSpaceLetters},
    {"ITRForm:Amt", Conv::kSpaceLetters},
};

// U rows: tax collected at source.
// clang-format off
inline constexpr BoxColumn kCollectionBoxes[] = {
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:TAN", Conv::kSpaceLetters},
    {"ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:EmployerOrDeductorOrCollecterName", Conv::kAsIs},
    {"ITRForm:TotalTCS", Conv::kSpaceLetters},
    {"ITRForm:AmtTCSClaimedThisYear", Conv::kSpaceLetters},
};
// clang-format on

// A group of box rows: the row elements of one container, each written as
// keys <letter><n><a, b, c...>, up to a maximum number of rows.
struct BoxRowGroup {
    std::string_view letters;    // "S", "NOB"
    std::string_view container;  // looked up below the form element
    std::string_view row_element;
    int max_rows;  // 0: no limit
    std::span<const BoxColumn> columns;
};

// Writes the rows of a group into `section`; an absent container writes nothing.
void WriteBoxRowGroup(TIniControl& ini, std::string_view section, XmlNode form_element,
                      const BoxRowGroup& group);

}  // namespace orvane
