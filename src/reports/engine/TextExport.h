#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/engine/PreparedDocument.h"

namespace orvane {

// One line of a sheet as a reader sees it: the texts whose lines sit at the
// same height, left to right.
struct SheetTextLine {
    double y = 0;  // middle of the line
    struct Cell {
        double x = 0;      // where the text starts
        std::string text;  // Windows-1252
    };
    std::vector<Cell> cells;
};

// The texts of a sheet (check boxes as "[X]" and "[ ]"), grouped into lines
// from top to bottom. Texts of several lines contribute one cell per line.
std::vector<SheetTextLine> SheetTextLines(const PreparedPage& page,
                                          const PreparedDocument& document);

// The document as plain text in UTF-8: every text at the column its position
// gives, one text line per line, sheets separated by form feeds.
std::string DocumentText(const PreparedDocument& document);

// The document as CSV in UTF-8: one record per text line, one field per text,
// fields separated by ";" and quoted where they must be.
std::string DocumentCsv(const PreparedDocument& document);

}  // namespace orvane
