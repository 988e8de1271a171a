#include "reports/engine/TextExport.h"

#include <algorithm>
#include <cmath>

#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

constexpr double kColumnWidth = 6.0;  // units per character column of the text export

struct Item {
    double y;
    double x;
    double size;
    std::string text;
};

void AddTextItems(const PreparedPage& page, const PreparedObject& object, double size,
                  std::vector<Item>& items) {
    const std::string_view text = page.Text(object);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const double line_height = size * 1.15;
    if (object.Has(kRotated)) {
        // A turned text reads upwards: each of its lines stands beside the one
        // before, so a reader meets them left to right at the box's middle.
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find_first_not_of(' ') == std::string_view::npos) continue;
            const double x = object.x + object.padding_y + line_height * static_cast<double>(i);
            items.push_back({object.y + object.h / 2, x, size, std::string(lines[i])});
        }
        return;
    }
    const double block = line_height * static_cast<double>(lines.size());
    double top = object.y + object.padding_y;
    if (object.valign == VAlign::kCenter) top = object.y + (object.h - block) / 2;
    if (object.valign == VAlign::kBottom) top = object.y + object.h - object.padding_y - block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(' ') == std::string_view::npos) continue;
        const double width = static_cast<double>(lines[i].size()) * size * 0.5;
        double x = object.x + object.padding_x + object.indent;
        if (object.halign == HAlign::kRight) x = object.x + object.w - object.padding_x - width;
        if (object.halign == HAlign::kCenter) x = object.x + (object.w - width) / 2;
        items.push_back(
            {top + line_height * (static_cast<double>(i) + 0.5), x, size, std::string(lines[i])});
    }
}

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(";\"\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') field += '"';
    }
    return field + "\"";
}

}  // namespace

std::vector<SheetTextLine> SheetTextLines(const PreparedPage& page,
                                          const PreparedDocument& document) {
    std::vector<Item> items;
    for (const PreparedObject& object : page.objects) {
        if (object.kind == PreparedKind::kText) {
            AddTextItems(page, object, document.fonts[object.font].size, items);
        } else if (object.kind == PreparedKind::kCheckBox) {
            items.push_back({object.y + object.h / 2, object.x, object.h,
                             object.Has(kChecked) ? "[X]" : "[ ]"});
        }
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.y < b.y; });

    std::vector<SheetTextLine> lines;
    for (Item& item : items) {
        if (lines.empty() || item.y - lines.back().y > std::max(3.0, item.size * 0.45)) {
            lines.push_back({item.y, {}});
        }
        lines.back().cells.push_back({item.x, std::move(item.text)});
    }
    for (SheetTextLine& line : lines) {
        std::stable_sort(line.cells.begin(), line.cells.end(),
                         [](const auto& a, const auto& b) { return a.x < b.x; });
    }
    return lines;
}

std::string DocumentText(const PreparedDocument& document) {
    std::string text;
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        if (p > 0) text += '\f';
        for (const SheetTextLine& line : SheetTextLines(document.pages[p], document)) {
            std::string row;
            for (const SheetTextLine::Cell& cell : line.cells) {
                const auto column =
                    static_cast<std::size_t>(std::max(0.0, std::round(cell.x / kColumnWidth)));
                if (!row.empty()) row += ' ';
                if (row.size() < column) row.resize(column, ' ');
                row += cell.text;
            }
            text += AnsiToUtf8(row);
            text += '\n';
        }
    }
    return text;
}

std::string DocumentCsv(const PreparedDocument& document) {
    std::string csv;
    for (const PreparedPage& page : document.pages) {
        for (const SheetTextLine& line : SheetTextLines(page, document)) {
            std::string record;
            for (std::size_t i = 0; i < line.cells.size(); ++i) {
                if (i > 0) record += ';';
                record += CsvField(line.cells[i].text);
            }
            csv += AnsiToUtf8(record);
            csv += "\r\n";
        }
    }
    return csv;
}

}  // namespace orvane
