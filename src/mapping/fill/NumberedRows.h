#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "mapping/fill/KeyTable.h"
#include "staging/TIniControl.h"
#include "xml/ReturnDocument.h"

namespace orvane {

// A printed table with one numbered section per repeating element (prefix,
// "-", n): SrNo holds n, then the columns. A row whose continuation text is
// not blank takes the next number for a continuation row (SrNo "."), which
// carries that text in one column: a city under a partner, a bank branch
// under a tax payment.
struct NumberedTable {
    std::string_view section;            // "PART-A-PARTNERS"
    std::string_view row_element;        // "ITRForm:PartnerOrMemberInfo"
    std::span<const KeyRow> columns;     // read below the row element
    std::string_view continuation_path;  // below the row element
    std::string_view continuation_key;   // the column that carries it
    std::string_view total_column = {};  // the column added into a total, if any
};

// The columns of a tax payment (challan) row, below ITRForm:TaxPayment; its
// branch goes into a continuation row under the Bank column.
inline constexpr KeyRow kChallanColumns[] = {
    {"Bank", "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBank"},
    {"BsrCode", "ITRForm:BSRCode"},
    {"Date", "ITRForm:DateDep", Conv::kDateByPosition},
    {"ChallanNo", "ITRForm:SrlNoOfChaln"},
    {"Amount", "ITRForm:Amt", Conv::kAmountOrNil},
};
inline constexpr std::string_view kChallanBranch =
    "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBranch";

// Writes the rows of every `table.row_element` child of `parent`, in document
// order (other children take no number). The raw text of the total column is
// added into `total` with AddIntText before the column is written. When no
// row is written, row 1 gets SrNo "." alone, so the table prints one line.
void WriteNumberedTable(TIniControl& ini, XmlNode parent, const NumberedTable& table,
                        std::int32_t* total = nullptr);

}  // namespace orvane
