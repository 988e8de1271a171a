#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "mapping/ReturnContext.h"
#include "mapping/fill/KeyTable.h"
#include "staging/TIniControl.h"
#include "xml/ReturnDocument.h"

namespace orvane {

// A column of a numbered table; one with a slot adds its raw text into that
// ScheduleTotals slot (AddIntText), the total printed under the table.
struct TableColumn {
    KeyRow row;
    int slot = 0;
};

// The continuation row under a data row: a text (an address, a city, a bank
// branch) carried in one column of a row whose SrNo is ".". With a second
// path the two texts are joined by a blank ("address city"). No path: no
// continuation rows.
struct Continuation {
    std::string_view path;
    std::string_view second_path;
    std::string_view key;
};

// Whether a column's amount is added into its slot before or after the
// column is written: it decides what the staging file holds when an amount
// that is not a whole number stops the run.
enum class SlotOrder : std::uint8_t { kAddThenWrite, kWriteThenAdd };

// A printed table with one numbered section per repeating element: section
// "<section>-n" holds SrNo = n and then the columns, read below the row.
struct NumberedTable {
    std::string_view section;      // "SCHEDULE-IT"
    std::string_view row_element;  // "ITRForm:TaxPayment"
    std::span<const TableColumn> columns;
    Continuation continuation = {};
    SlotOrder slot_order = SlotOrder::kAddThenWrite;
};

// Writes a row for every `row_element` child of `parent`, in document order
// (other children take no number), and a continuation row after each row
// that has one. Returns the last number used: 0 when no row was written.
// `totals` receives the slots; it may be null for a table without slots.
// Throws Error when an amount added into a slot is not a whole number.
int WriteNumberedTable(TIniControl& ini, XmlNode parent, const NumberedTable& table,
                       ScheduleTotals* totals);

// Writes section "<section>-1" with SrNo "." alone: an empty table still prints
// one empty line.
void WritePlaceholderRow(TIniControl& ini, std::string_view section);

// The columns of a tax payment (challan), below ITRForm:TaxPayment, with the
// amount added into `slot`.
constexpr std::array<TableColumn, 5> ChallanColumns(int slot) {
    return {{
        {{"Bank", "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBank"}},
        {{"BsrCode", "ITRForm:BSRCode"}},
        {{"Date", "ITRForm:DateDep", Conv::kDateByPosition}},
        {{"ChallanNo", "ITRForm:SrlNoOfChaln"}},
        {{"Amount", "ITRForm:Amt", Conv::kAmountOrNil}, slot},
    }};
}

// The bank branch of a challan, printed under the bank's name.
inline constexpr Continuation kChallanBranch{
    "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBranch", {}, "Bank"};

}  // namespace orvane
