#include <gtest/gtest.h>

#include "reports/engine/TextExport.h"

namespace orvane {
namespace {

PreparedObject TextAt(PreparedPage& page, float x, float y, std::string_view text,
                      HAlign align = HAlign::kLeft) {
    PreparedObject object;
    object.kind = PreparedKind::kText;
    object.x = x;
    object.y = y;
    object.w = 120;
    object.h = 15;
    object.halign = align;
    object.text_offset = static_cast<std::uint32_t>(page.text.size());
    object.text_length = static_cast<std::uint32_t>(text.size());
    page.text += text;
    page.objects.push_back(object);
    return object;
}

PreparedDocument Sample() {
    PreparedDocument doc;
    doc.fonts.push_back(FontSpec{"Book Antiqua", 12});
    PreparedPage first;
    TextAt(first, 298, 100, "Name");
    TextAt(first, 58, 101, "1");  // same line, further left
    TextAt(first, 418, 100, "Caf\xE9; \"Bar\"");
    TextAt(first, 58, 120, "Two\nlines");
    PreparedObject check;
    check.kind = PreparedKind::kCheckBox;
    check.x = 500;
    check.y = 150;
    check.w = check.h = 12;
    check.flags = kChecked;
    first.objects.push_back(check);
    TextAt(first, 58, 150, "Resident");
    doc.pages.push_back(first);
    PreparedPage second;
    TextAt(second, 0, 0, "Page 2");
    doc.pages.push_back(second);
    return doc;
}

TEST(TextExport, PlacesTextsOnLinesByPosition) {
    const std::string text = DocumentText(Sample());
    const std::string expected =
        std::string(10, ' ') + "1" + std::string(39, ' ') + "Name" + std::string(16, ' ') +
        "Caf\xC3\xA9; \"Bar\"\n" + std::string(10, ' ') + "Two\n" + std::string(10, ' ') +
        "lines\n" + std::string(10, ' ') + "Resident" + std::string(65, ' ') + "[X]\n\fPage 2\n";
    EXPECT_EQ(text, expected);
}

TEST(TextExport, CsvHasOneRecordPerLineAndQuotesWhereNeeded) {
    EXPECT_EQ(DocumentCsv(Sample()),
              "1;Name;\"Caf\xC3\xA9; \"\"Bar\"\"\"\r\nTwo\r\nlines\r\nResident;[X]\r\nPage 2\r\n");
}

TEST(TextExport, TurnedTextsReadAtTheMiddleOfTheirBoxLineBesideLine) {
    PreparedDocument doc;
    doc.fonts.push_back(FontSpec{"Book Antiqua", 10});
    PreparedPage page;
    // A one-line text at y 93.25 has its middle at 100, as has the turned
    // box from 20 to 180.
    TextAt(page, 0, 93.25f, "1");
    TextAt(page, 10, 20, "COMPUTATION OF\nINCOME");
    page.objects.back().w = 30;
    page.objects.back().h = 160;
    page.objects.back().flags = kRotated;
    TextAt(page, 60, 93.25f, "Gross Total Income");
    doc.pages.push_back(page);
    ASSERT_EQ(DocumentCsv(doc), "1;COMPUTATION OF;INCOME;Gross Total Income\r\n");
}

}  // namespace
}  // namespace orvane
