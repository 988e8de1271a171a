#include "mapping/fill/NumberedLists.h"

#include <cstdint>
#include <string>

#include "convert/Conversions.h"
#include "xml/Lookups.h"

namespace orvane {

void WriteNumberedList(TIniControl& ini, XmlNode form_element, const NumberedList& list,
                       ScheduleTotals& totals) {
    const XmlNode schedule = FindChild(form_element, list.schedule);
    if (!schedule) return;
    int n = 0;
    for (const XmlNode row : ChildrenNamed(schedule, list.row_element)) {
        const std::string section = std::string(list.section) + "-" + std::to_string(++n);
        ini.WriteValue(section, "SrNo", std::to_string(n));
        for (const ListColumn& column : list.columns) {
            WriteRow(ini, section, row, column.row);
            if (column.slot != 0) {
                std::int32_t& total = totals[column.slot];
                total = AddIntText(total, GetPathValue(row, column.row.path));
            }
        }
    }
    if (n == 0 && list.placeholder) ini.WriteValue(std::string(list.section) + "-1", "SrNo", ".");
}

}  // namespace orvane
