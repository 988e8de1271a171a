#include "mapping/fill/NumberedRows.h"

#include <string>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

std::string RowSection(std::string_view prefix, int n) {
    return std::string(prefix) + "-" + std::to_string(n);
}

}  // namespace

void WriteNumberedTable(TIniControl& ini, XmlNode parent, const NumberedTable& table,
                        std::int32_t* total) {
    int last = 0;
    for (const XmlNode row : ChildrenNamed(parent, table.row_element)) {
        const int n = last + 1;
        const std::string section = RowSection(table.section, n);
        ini.WriteValue(section, "SrNo", std::to_string(n));
        for (const KeyRow& column : table.columns) {
            if (total != nullptr && column.key == table.total_column) {
                *total = AddIntText(*total, GetPathValue(row, column.path));
            }
            WriteRow(ini, section, row, column);
        }
        last = n;
        const std::string continuation = GetPathValue(row, table.continuation_path);
        if (!TrimBlanks(continuation).empty()) {
            const std::string next = RowSection(table.section, ++last);
            ini.WriteValue(next, "SrNo", ".");
            ini.WriteValue(next, table.continuation_key, continuation);
        }
    }
    if (last == 0) ini.WriteValue(RowSection(table.section, 1), "SrNo", ".");
}

}  // namespace orvane
