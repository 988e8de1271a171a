#include "mapping/fill/NumberedTable.h"

#include <string>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

std::string RowSection(std::string_view section, int n) {
    return std::string(section) + "-" + std::to_string(n);
}

void AddIntoSlot(ScheduleTotals* totals, const TableColumn& column, XmlNode row) {
    if (column.slot == 0 || totals == nullptr) return;
    std::int32_t& total = (*totals)[column.slot];
    total = AddIntText(total, GetPathValue(row, column.row.path));
}

// The continuation text of a row; empty when it has none.
std::string ContinuationText(const Continuation& continuation, XmlNode row) {
    if (continuation.path.empty()) return {};
    const std::string first = GetPathValue(row, continuation.path);
    if (continuation.second_path.empty()) return TrimBlanks(first).empty() ? "" : first;
    const std::string second = GetPathValue(row, continuation.second_path);
    return TrimBlanks(first + second).empty() ? "" : first + " " + second;
}

}  // namespace

int WriteNumberedTable(TIniControl& ini, XmlNode parent, const NumberedTable& table,
                       ScheduleTotals* totals) {
    int n = 0;
    for (const XmlNode row : ChildrenNamed(parent, table.row_element)) {
        const std::string section = RowSection(table.section, ++n);
        ini.WriteValue(section, "SrNo", std::to_string(n));
        for (const TableColumn& column : table.columns) {
            if (table.slot_order == SlotOrder::kAddThenWrite) AddIntoSlot(totals, column, row);
            WriteRow(ini, section, row, column.row);
            if (table.slot_order == SlotOrder::kWriteThenAdd) AddIntoSlot(totals, column, row);
        }
        const std::string continuation = ContinuationText(table.continuation, row);
        if (continuation.empty()) continue;
        const std::string next = RowSection(table.section, ++n);
        ini.WriteValue(next, "SrNo", ".");
        ini.WriteValue(next, table.continuation.key, continuation);
    }
    return n;
}

void WritePlaceholderRow(TIniControl& ini, std::string_view section) {
    ini.WriteValue(RowSection(section, 1), "SrNo", ".");
}

}  // namespace orvane
