#include "mapping/fill/BoxRowGroups.h"

#include <string>

#include "xml/Lookups.h"

namespace orvane {

void WriteBoxRowGroup(TIniControl& ini, std::string_view section, XmlNode form_element,
                      const BoxRowGroup& group) {
    const XmlNode container = FindChild(form_element, group.container);
    int n = 0;
    for (const XmlNode row : ChildrenNamed(container, group.row_element)) {
        if (group.max_rows > 0 && n == group.max_rows) break;
        const std::string prefix = std::string(group.letters) + std::to_string(++n);
        char column_letter = 'a';
        for (const BoxColumn& column : group.columns) {
            const std::string key = prefix + column_letter++;
            WriteRow(ini, section, row, KeyRow{key, column.path, column.conv});
        }
    }
}

}  // namespace orvane
