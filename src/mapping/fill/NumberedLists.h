#pragma once

#include <span>
#include <string_view>

#include "mapping/ReturnContext.h"
#include "mapping/fill/KeyTable.h"
#include "staging/TIniControl.h"

namespace orvane {

// A column of a numbered list. A column with a slot adds its raw text into
// that ScheduleTotals slot right after its value is written.
struct ListColumn {
    KeyRow row;
    int slot = 0;
};

// A schedule printed as a table with one line per entry: the rows are the
// schedule's children named `row_element`, each written into the numbered
// section `section`-n with SrNo = n and then the columns in order.
struct NumberedList {
    std::string_view section;   // "SCHEDULE-SI"
    std::string_view schedule;  // below the form element
    std::string_view row_element;
    std::span<const ListColumn> columns;
    bool placeholder;  // a present schedule without rows prints one empty line
};

// Writes the list of the return; an absent schedule writes nothing. With the
// placeholder, a schedule without rows gets section-1 with SrNo "." alone.
// Throws Error when an amount added into a slot is not a whole number.
void WriteNumberedList(TIniControl& ini, XmlNode form_element, const NumberedList& list,
                       ScheduleTotals& totals);

}  // namespace orvane
