#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "app/Commands.h"
#include "mapping/Recognition.h"
#include "reports/catalogue/ReportBuilder.h"
#include "reports/render/PagePainter.h"
#include "support/RunOrvane.h"
#include "support/Shell.h"

namespace orvane {
namespace {

using test::Shell;

// The text of a PDF as one line: every run of blanks and line breaks one blank.
std::string PdfText(const std::filesystem::path& pdf) {
    const std::string text = Shell("pdftotext -layout " + test::ShellQuoted(pdf.string()) + " -");
    std::string flat;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank) {
            flat += c;
        } else if (!flat.empty() && flat.back() != ' ') {
            flat += ' ';
        }
    }
    return flat;
}

TEST(AcknowledgementPrint, EachYearPrintsToPdfWithItsSentenceLabelsAndValues) {
    struct Case {
        std::string fixture;
        std::vector<std::string> found;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"itr1-2009.xml",
         {"Receive with thanks from RAVI NAIR a return of income and/or return of fringe "
          "benefits in Form No. ITR-1 for assessment year 2009-10, having the following "
          "particulars.",
          "Government of India", "INCOME-TAX DEPARTMENT ACKNOWLEDGEMENT",
          "Road/Street/Post office Area/Locality", "1 Gross Total Income 1 15900",
          "(a) Advance Tax 7a 1200", "9 Refund ( 7e-6 ) 9 1500",
          "10 Value of Fringe Benefits 10 Nil", "16 Refund ( 14c-13 ) 16 Nil",
          "Receipt No.:________________________", "Seal and Signature of Receiving Official",
          "Printed with Orvane Printing Release v.3.0"},
         {}},
        {"itr8-2009-ack.xml",
         {"Receive with thanks from VIJAY ENGINEERING WORKS LTD a return of income and/or "
          "return of fringe benefits in Form No. ITR-8 for assessment year 2009-10",
          "11 Total Fringe Benefit Tax Liability 11 67980", "(a) Advance Tax 14a 60000",
          "(c) Total Taxes Paid ( 14a+14b ) 14c 67980"},
         {}},
        {"itr1-2010.xml",
         {"Receive with thanks from FARIDA BANO SHAIKH a return of income in Form No. ITR-1 for "
          "assessment year 2010-11, having the following particulars.",
          "MADHYA PRADESH 01", "1 Gross Total Income 1 184000",
          "9 Refund ( 7e-6 ) 9 Nil Seal and Signature of Receiving Official"},
         {"fringe", "Fringe", "FBT", "14a", "Refund ( 14c-13 )"}},
        {"itr2-2011-ack.xml",
         {"Received with thanks from SURESH MENON a return of income in ITR No. ITR-1 ITR-2 ITR-3 "
          "ITR-4S ITR-4 ITR-5 ITR-6 for assessment year 2011-12, having the following "
          "particulars.",
          "A4 PERMANENT ACCOUNT NUMBER MENON A E M P M 1 1 2 2 L",
          "B1 Gross Total Income B1 4 1 2 0 0 0", "B4 Current Loss (if any) B4 - 2 5 0 0",
          "B14 Refund (B12-B7, If B12 > B7) B14 0",
          "SEAL, DATE AND SIGNATURE OF RECEIVING OFFICIAL Printed with Orvane Printing Release "
          "v.3.0"},
         {"Nil"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const test::TempDir dir;
        const auto pdf = dir / "ack.pdf";
        const test::RunResult run = test::RunOrvane({"ack", "--staging-dir", dir.Path().string(),
                                                     "-o", pdf.string(), test::Fixture(c.fixture)});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(Shell("pdfinfo " + test::ShellQuoted(pdf.string())).find("Pages:           1\n"),
                  std::string::npos);
        const std::string text = PdfText(pdf);
        for (const std::string& found : c.found) {
            EXPECT_NE(text.find(found), std::string::npos) << found << "\nin: " << text;
        }
        for (const std::string& absent : c.absent) {
            EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\nin: " << text;
        }
    }
}

// Code 39 as the standard gives it, written out here apart from the
// program's own table: the nine elements of each character, bar first,
// "w" wide and "n" narrow.
const std::map<std::string, char> kCode39 = {
    {"nnnwwnwnn", '0'}, {"wnnwnnnnw", '1'}, {"nnwwnnnnw", '2'}, {"wnwwnnnnn", '3'},
    {"nnnwwnnnw", '4'}, {"wnnwwnnnn", '5'}, {"nnwwwnnnn", '6'}, {"nnnwnnwnw", '7'},
    {"wnnwnnwnn", '8'}, {"nnwwnnwnn", '9'}, {"wnnnnwnnw", 'A'}, {"nnwnnwnnw", 'B'},
    {"wnwnnwnnn", 'C'}, {"nnnnwwnnw", 'D'}, {"wnnnwwnnn", 'E'}, {"nnwnwwnnn", 'F'},
    {"nnnnnwwnw", 'G'}, {"wnnnnwwnn", 'H'}, {"nnwnnwwnn", 'I'}, {"nnnnwwwnn", 'J'},
    {"wnnnnnnww", 'K'}, {"nnwnnnnww", 'L'}, {"wnwnnnnwn", 'M'}, {"nnnnwnnww", 'N'},
    {"wnnnwnnwn", 'O'}, {"nnwnwnnwn", 'P'}, {"nnnnnnwww", 'Q'}, {"wnnnnnwwn", 'R'},
    {"nnwnnnwwn", 'S'}, {"nnnnwnwwn", 'T'}, {"wwnnnnnnw", 'U'}, {"nwwnnnnnw", 'V'},
    {"wwwnnnnnn", 'W'}, {"nwnnwnnnw", 'X'}, {"wwnnwnnnn", 'Y'}, {"nwwnwnnnn", 'Z'},
    {"nwnnwnwnn", '*'},
};

// Reads a Code 39 symbol from one row of pixels: the runs of dark and light,
// each narrow or wide, nine to a character with a narrow gap between.
std::string DecodeCode39(const QImage& image, int y, int from, int to) {
    std::vector<std::pair<bool, int>> runs;  // dark?, length
    for (int x = from; x < to; ++x) {
        const bool dark = qGray(image.pixel(x, y)) < 128;
        if (runs.empty() || runs.back().first != dark) runs.emplace_back(dark, 0);
        ++runs.back().second;
    }
    while (!runs.empty() && !runs.front().first) runs.erase(runs.begin());
    while (!runs.empty() && !runs.back().first) runs.pop_back();
    if (runs.empty()) return "(no bars)";
    const auto [shortest, longest] = std::minmax_element(
        runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    const double threshold = (shortest->second + longest->second) / 2.0;
    std::string decoded;
    for (std::size_t i = 0; i + 9 <= runs.size(); i += 10) {
        std::string pattern;
        for (std::size_t k = i; k < i + 9; ++k) pattern += runs[k].second > threshold ? 'w' : 'n';
        const auto found = kCode39.find(pattern);
        decoded += found == kCode39.end() ? '?' : found->second;
    }
    return decoded;
}

TEST(AcknowledgementPrint, TheBarCodeOf2011ReadsBackAsThePan) {
    ReturnContext context =
        RecogniseReturn(std::filesystem::path(ORVANE_FIXTURES_DIR) / "itr2-2011-ack.xml");
    struct Printer : ReportPresenter {
        void Present(const StagedReport& report) override {
            document = BuildReport(report, QtTextMeasurer());
        }
        PreparedDocument document;
    } printer;
    const test::TempDir dir;
    RunAcknowledgement(context, {dir.Path(), &printer});
    const PreparedDocument& doc = printer.document;
    ASSERT_EQ(doc.pages.size(), 1u);

    // Painted at four pixels per unit, as a printer would.
    constexpr int kScale = 4;
    QImage image(static_cast<int>(doc.pages[0].width * kScale),
                 static_cast<int>(doc.pages[0].height * kScale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        UseUnits(painter, 96.0 * kScale);
        PaintPage(doc, 0, painter);
    }
    const auto barcode =
        std::find_if(doc.pages[0].objects.begin(), doc.pages[0].objects.end(),
                     [](const PreparedObject& o) { return o.kind == PreparedKind::kBarcode; });
    ASSERT_NE(barcode, doc.pages[0].objects.end());
    const int left = static_cast<int>((barcode->x - 4) * kScale);
    const int right = static_cast<int>((barcode->x + barcode->w + 4) * kScale);
    for (const double across : {0.2, 0.5, 0.8}) {
        const int y = static_cast<int>((barcode->y + barcode->h * across) * kScale);
        EXPECT_EQ(DecodeCode39(image, y, left, right), "*AEMPM1122L*") << across;
    }
}

}  // namespace
}  // namespace orvane
