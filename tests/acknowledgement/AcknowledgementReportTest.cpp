#include <gtest/gtest.h>

#include <algorithm>

#include "app/Commands.h"
#include "mapping/Recognition.h"
#include "reports/catalogue/ReportBuilder.h"
#include "reports/engine/TextExport.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using Cells = std::vector<std::string>;

// The acknowledgement page as a reader sees it: its text lines, top to
// bottom, each the texts (and "[X]" or "[ ]" for tick boxes) left to right.
struct PrintedPage {
    PreparedDocument document;
    std::vector<Cells> lines;

    explicit PrintedPage(PreparedDocument doc) : document(std::move(doc)) {
        if (document.pages.empty()) return;
        for (const SheetTextLine& line : SheetTextLines(document.pages[0], document)) {
            Cells cells;
            for (const SheetTextLine::Cell& cell : line.cells) cells.push_back(cell.text);
            lines.push_back(std::move(cells));
        }
    }

    // The index of the first line holding `cells` one after the other, or -1.
    int Find(const Cells& cells) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (std::search(lines[i].begin(), lines[i].end(), cells.begin(), cells.end()) !=
                lines[i].end()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    bool Has(std::string_view text) const { return Find({std::string(text)}) >= 0; }

    const PreparedObject* Object(PreparedKind kind, std::string_view text) const {
        const PreparedPage& page = document.pages.at(0);
        for (const PreparedObject& object : page.objects) {
            if (object.kind == kind && page.Text(object) == text) return &object;
        }
        return nullptr;
    }
};

std::string Show(const PrintedPage& page) {
    std::string text;
    for (const Cells& line : page.lines) {
        for (const std::string& cell : line) text += "[" + cell + "]";
        text += "\n";
    }
    return text;
}

// A presenter that lays out what the acknowledgement run staged, with the
// templates compiled into the program.
struct Printer : ReportPresenter {
    void Present(const StagedReport& report) override {
        document = BuildReport(report, ApproximateTextMeasurer());
    }
    PreparedDocument document;
};

PrintedPage PrintAcknowledgement(const std::string& fixture) {
    ReturnContext context = RecogniseReturn(std::filesystem::path(ORVANE_FIXTURES_DIR) / fixture);
    Printer printer;
    const test::TempDir dir;
    RunAcknowledgement(context, {dir.Path(), &printer});
    return PrintedPage(std::move(printer.document));
}

// Lays out the 2011-12 acknowledgement for a staging file written by hand.
PrintedPage Print2011(const std::string& staging) {
    const test::TempDir dir;
    test::WriteFile(dir / "ACK.WIN", staging);
    const StagedReport report{"ACK2011", 2011, dir / "ACK.WIN", SelectReport("ACK2011", 2011)};
    return PrintedPage(BuildReport(report, ApproximateTextMeasurer()));
}

// Every fixed text of the table acknowledgements that the 2010-11 page keeps.
const Cells kTableTexts = {
    "Government of India",
    "INCOME-TAX DEPARTMENT",
    "ACKNOWLEDGEMENT",
    "Receive with thanks from",
    "PERSONAL INFORMATION",
    "COMPUTATION OF INCOME AND TAX THEREON",
    "Name",
    "PAN No.",
    "Flat/Door/Block No.",
    "Name of premises building/Village",
    "Road/Street/Post office",
    "Area/Locality",
    "Town/City/District",
    "State",
    "Designation of Assessing Officer (Ward/Circle)",
    "Status",
    "( Fill the code )",
    "Original or Revised",
    "Gross Total Income",
    "Deduction Under Chapter VI-A",
    "Total Income",
    "Current Year Loss ( if any )",
    "Net Tax Payable",
    "Interest Payable",
    "Total Tax and Interest Payable",
    "Taxes Paid",
    "(a) Advance Tax",
    "(b) TDS",
    "(c) TCS",
    "(d) Self Assessment Tax",
    "(e) Total Taxes Paid ( 7a+7b+7c+7d )",
    "Tax Payable ( 6-7d )",
    "Refund ( 7e-6 )",
    "Receipt No.:________________________",
    "Date          :________________________",
    "Seal and Signature of Receiving Official",
};

// The fringe-benefit lines, found only on the acknowledgement of the years
// before 2010-11.
const std::vector<Cells> kFringeBenefitLines = {
    {"10", "Value of Fringe Benefits", "10"},
    {"11", "Total Fringe Benefit Tax Liability", "11"},
    {"12", "Total Interest Payable", "12"},
    {"13", "Total Tax and Interest Payable", "13"},
    {"14", "Taxes Paid"},
    {"(a) Advance Tax", "14a"},
    {"(b) Self Assessment Tax", "14b"},
    {"(c) Total Taxes Paid ( 14a+14b )", "14c"},
    {"15", "Tax Payable ( 13-14c )", "15"},
    {"16", "Refund ( 14c-13 )", "16"},
};

TEST(AcknowledgementReport, TablePagesPrintTheSentenceParticularsAndNumberedLines) {
    struct Case {
        std::string fixture;
        bool fringe_benefits;
        std::vector<Cells> lines;  // each found on one line, in this order
        std::string after_line_9;  // the first text of the line below line 9
    };
    const Case cases[] = {
        {"itr1-2009.xml",
         true,
         {{"Receive with thanks from", "RAVI  NAIR", "a return of income and/or"},
          {"return of fringe benefits in Form No. ITR-1 for assessment year 2009-10, having the "
           "following particulars."},
          {"RAVI  NAIR", "AFGPN7310Q"},
          {"14/2", "LAKSHMI NIVAS"},
          {"M G ROAD", "ERNAKULAM SOUTH"},
          {"KOCHI", "KERELA", "01"},
          {"WARD 1(2) KOCHI", "Revised"},
          {"1", "Gross Total Income", "1", "15900"},
          {"3a", "Current Year Loss ( if any )", "3a", "Nil"},
          {"(a) Advance Tax", "7a", "1200"},
          {"(b) TDS", "7b", "300"},
          {"(e) Total Taxes Paid ( 7a+7b+7c+7d )", "7e", "1500"},
          {"9", "Refund ( 7e-6 )", "9", "1500"},
          {"16", "Refund ( 14c-13 )", "16", "Nil"},
          {"Printed with Orvane Printing Release v.3.0"}},
         "10"},
        {"itr8-2009-ack.xml",
         true,
         {{"Receive with thanks from", "VIJAY ENGINEERING WORKS LTD", "a return of income and/or"},
          {"return of fringe benefits in Form No. ITR-8 for assessment year 2009-10, having the "
           "following particulars."},
          {"1", "Gross Total Income", "1", "Nil"},
          {"10", "Value of Fringe Benefits", "10", "200000"},
          {"11", "Total Fringe Benefit Tax Liability", "11", "67980"},
          {"(a) Advance Tax", "14a", "60000"},
          {"(b) Self Assessment Tax", "14b", "7980"},
          {"(c) Total Taxes Paid ( 14a+14b )", "14c", "67980"}},
         "10"},
        {"itr1-2010.xml",
         false,
         {{"Receive with thanks from", "FARIDA BANO SHAIKH", "a return of income in"},
          {"Form No. ITR-1 for assessment year 2010-11, having the following particulars."},
          {"BHOPAL", "MADHYA PRADESH", "01"},
          {"1", "Gross Total Income", "1", "184000"},
          {"2", "Deduction Under Chapter VI-A", "2", "35000"},
          {"9", "Refund ( 7e-6 )", "9", "Nil"},
          {"Printed with Orvane Printing Release v.3.0"}},
         "Seal and Signature of Receiving Official"},  // the receipt box follows line 9
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const PrintedPage page = PrintAcknowledgement(c.fixture);
        ASSERT_EQ(page.document.pages.size(), 1u);
        for (const std::string& text : kTableTexts) EXPECT_TRUE(page.Has(text)) << text;
        int previous = -1;
        for (const Cells& line : c.lines) {
            const int at = page.Find(line);
            EXPECT_GT(at, previous) << line.front() << "\n" << Show(page);
            previous = std::max(previous, at);
        }
        for (const Cells& line : kFringeBenefitLines) {
            EXPECT_EQ(page.Find(line) >= 0, c.fringe_benefits) << line[1];
        }
        EXPECT_EQ(page.Has("COMPUTATION OF FBT AND TAX THEREON"), c.fringe_benefits);
        const int line_9 = page.Find({"Refund ( 7e-6 )"});
        ASSERT_GE(line_9, 0);
        EXPECT_EQ(page.lines.at(static_cast<std::size_t>(line_9) + 1).front(), c.after_line_9);

        // The side headings stand turned beside the table; the emblem heads the page.
        const PreparedObject* heading = page.Object(PreparedKind::kText, "PERSONAL INFORMATION");
        ASSERT_NE(heading, nullptr);
        EXPECT_TRUE(heading->Has(kRotated));
        EXPECT_GT(heading->h, heading->w);
        ASSERT_EQ(page.document.pictures.size(), 1u);
        EXPECT_EQ(page.document.pictures[0].name, "artwork/ack-emblem.png");
    }
}

TEST(AcknowledgementReport, BoxedFormOf2011PrintsTheParticularsInItsBoxes) {
    const PrintedPage page = PrintAcknowledgement("itr2-2011-ack.xml");
    ASSERT_EQ(page.document.pages.size(), 1u);
    const std::vector<Cells> lines = {
        {"ITR-V", "Assessment Year"},
        {"ACKNOWLEDGEMENT", "2011-12"},
        {"Received with thanks from", "SURESH  MENON"},
        {"a return of income in ITR No.", "[ ]", "ITR-1", "[X]", "ITR-2", "[ ]", "ITR-3", "[ ]",
         "ITR-4S", "[ ]", "ITR-4", "[ ]", "ITR-5", "[ ]", "ITR-6"},
        {"for assessment year 2011-12, having the following particulars."},
        {"A1 FIRST NAME", "A2 MIDDLE NAME"},
        {"SURESH"},
        {"A3 LAST NAME", "A4 PERMANENT ACCOUNT NUMBER"},
        {"MENON", "AEMPM1122L"},  // one letter per box
        {"A5 SEX", "A6 DATE OF BIRTH", "A7 INCOME TAX WARD/CIRCLE"},
        {"[X]", "Male", "[ ]", "Female", "15011960", "DDMMYYYY", "WARD 4(3) CHENNAI"},
        {"A8 FLAT/DOOR/BUILDING", "A9 ROAD/STREET"},
        {"22"},
        {"A10 AREA/LOCALITY", "A11 TOWN/CITY/DISTRICT"},
        {"CHENNAI"},
        {"A12 STATE", "A13 PINCODE"},
        {"TAMILNADU", "600017"},
        {"A14", "Fill only one: filed", "[ ]", "Before due date-139(1)", "[ ]",
         "After due date-139(4)", "[ ]", "Revised return-139(5)"},
        {"OR in response to notice", "[ ]", "142(1)", "[X]", "148", "[ ]", "153A/ 153C"},
        {"Whole-Rupee(Rs.) only"},
        {"B1", "Gross Total Income", "B1", "4 1 2 0 0 0"},
        {"B2", "Deductions under Chapter VI-A", "B2", "1 0 0 0 0 0"},
        {"B3", "Total Income", "B3", "3 1 2 0 0 0"},
        {"B4", "Current Loss (if any)", "B4", "-", "2 5 0 0"},
        {"B5", "Net Tax Payable", "B5", "1 4 4 2 0"},
        {"B6", "Interest payable", "B6", "1 2 0"},
        {"B7", "Total Tax and Interest Payable", "B7", "1 4 5 4 0"},
        {"B8", "Total Advance Tax Paid", "B8", "5 0 0 0"},
        {"B9", "Total Self Assessment Tax Paid", "B9", "5 4 0"},
        {"B10", "Total TDS Deducted", "B10", "9 0 0 0"},
        {"B11", "Total TCS Deducted", "B11"},
        {"B12", "Total Prepaid Taxes (B8+B9+B10+B11)", "B12", "1 4 5 4 0"},
        {"B13", "Tax Payable (B7-B12, If B7 > B12)", "B13", "0"},
        {"B14", "Refund (B12-B7, If B12 > B7)", "B14", "0"},
        {"FOR OFFICIAL USE ONLY"},
        {"STAMP RECEIPT NO. HERE"},
        {"SEAL, DATE AND SIGNATURE OF RECEIVING OFFICIAL"},
        // No agricultural income, receipt lines or software line: the user line alone.
        {"Printed with Orvane Printing Release v.3.0"},
    };
    // Nothing else prints; the turned side headings share lines with the boxes.
    ASSERT_EQ(page.lines.size(), lines.size()) << Show(page);
    int previous = -1;
    for (const Cells& line : lines) {
        const int at = page.Find(line);
        EXPECT_GT(at, previous) << line.front() << "\n" << Show(page);
        previous = std::max(previous, at);
    }
    EXPECT_EQ(page.lines.back(), Cells{"Printed with Orvane Printing Release v.3.0"});
    EXPECT_TRUE(page.Has("PERSONAL INFORMATION"));
    EXPECT_TRUE(page.Has("COMPUTATION OF INCOME AND TAX THEREON"));
    EXPECT_TRUE(page.document.pictures.empty());  // the form is drawn, not pictured

    // The PAN's bar code at the top left corner of the printable area.
    const PreparedObject* barcode = page.Object(PreparedKind::kBarcode, "AEMPM1122L");
    ASSERT_NE(barcode, nullptr);
    EXPECT_NEAR(barcode->x, 13.23 * kUnitsPerMillimetre, 0.01);
    EXPECT_NEAR(barcode->y, 13.23 * kUnitsPerMillimetre, 0.01);
    EXPECT_FLOAT_EQ(barcode->w, 155);
    EXPECT_FLOAT_EQ(barcode->h, 40.5);
}

TEST(AcknowledgementReport, EachTickBoxOf2011StandsBesideItsCaption) {
    struct Case {
        std::string key;
        std::string caption;  // the text right of the one ticked box
    };
    const Case cases[] = {
        {"Form1", "ITR-1"},
        {"Form2", "ITR-2"},
        {"Form3", "ITR-3"},
        {"Form4s", "ITR-4S"},
        {"Form4", "ITR-4"},
        {"Form5", "ITR-5"},
        {"Form6", "ITR-6"},
        {"A5a", "Male"},
        {"A5b", "Female"},
        // return-section codes 11 to 16, each beside the section it stands for
        {"A14a", "Before due date-139(1)"},
        {"A14b", "After due date-139(4)"},
        {"A14c", "142(1)"},
        {"A14d", "148"},
        {"A14e", "153A/ 153C"},
        {"A14f", "Revised return-139(5)"},
    };
    for (const Case& c : cases) {
        const PrintedPage page = Print2011(test::CrLf({"[Personal]", c.key + "=1"}));
        int ticked = 0;
        std::string caption;
        for (const Cells& line : page.lines) {
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (line[i] != "[X]") continue;
                ++ticked;
                if (i + 1 < line.size()) caption = line[i + 1];
            }
        }
        EXPECT_EQ(ticked, 1) << c.key;
        EXPECT_EQ(caption, c.caption) << c.key;
    }
}

}  // namespace
}  // namespace orvane
