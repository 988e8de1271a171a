// The box-layout forms of 2011-12, ITR-1 (SAHAJ) and ITR-4S (SUGAM), printed
// from the fixture returns with the templates compiled into the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <regex>
#include <set>

#include "reports/catalogue/ReportBuilder.h"
#include "reports/engine/Code39.h"
#include "reports/engine/TemplateLoader.h"
#include "reports/engine/TextExport.h"
#include "support/RunOrvane.h"
#include "support/Shell.h"
#include "support/StagingFiles.h"

namespace orvane {
namespace {

using test::Shell;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Stages a fixture return and lays out its printed form.
PreparedDocument PrintedForm(const std::string& fixture, const test::TempDir& dir) {
    ReturnContext context = RecogniseReturn(test::Fixture(fixture));
    struct Recorder : ReportPresenter {
        void Present(const StagedReport& staged) override { report = staged; }
        StagedReport report;
    } recorder;
    RunForm(context, {dir.Path(), &recorder});
    const ApproximateTextMeasurer measurer;
    return BuildReport(recorder.report, measurer);
}

struct Form {
    const char* fixture;
    const char* staging_file;
    const char* template_file;
    const char* pan;
};
const Form kForms[] = {
    {"itr1-2011.xml", "ITR1.WIN", "itr1-2011-12.xml", "AJXPD5521R"},
    {"itr4s-2011.xml", "ITR4s.WIN", "itr4s-2011-12.xml", "AHWPA6655N"},
};

// Every key the mapping writes for the fixture is printed: the box keys of
// PART-A-GEN, and the line number and the four columns of the overflow rows.
TEST(OnePageForms, EveryKeyOfTheStagingFileIsPrinted) {
    for (const Form& form : kForms) {
        SCOPED_TRACE(form.fixture);
        const test::TempDir dir;
        PrintedForm(form.fixture, dir);
        const Template printed = LoadTemplateFile(EmbeddedResources(), form.template_file);
        std::map<std::string, std::set<std::string>> fields;  // dataset -> fields, lower case
        for (const TemplatePage& page : printed.pages) {
            for (const Band& band : page.bands) {
                for (const TemplateObject& object : band.objects) {
                    for (const TextPart& part : object.text) {
                        if (part.kind != TextPart::Kind::kField) continue;
                        fields[printed.datasets[static_cast<std::size_t>(part.dataset)]].insert(
                            Lower(part.text));
                    }
                }
            }
        }
        const std::map<std::string, std::string> datasets = {
            {"part-a-gen", "dsPartA_Gen"},        {"schedule-it", "dsSchedule_IT"},
            {"schedule-tds1", "dsSchedule_TDS1"}, {"schedule-tds2", "dsSchedule_TDS2"},
            {"schedule-tcs", "dsSchedule_TCS"},
        };
        int keys = 0;
        std::string section;
        for (const std::string& line :
             test::SplitLines(test::ReadFile(dir / form.staging_file), "\r\n")) {
            if (line.starts_with("[")) {
                section = Lower(line.substr(1, line.size() - 2));
                if (section.starts_with("schedule-")) section.erase(section.rfind('-'));
                continue;
            }
            const std::string key = Lower(line.substr(0, line.find('=')));
            if (key == "srno") continue;  // a row's number; the line number shows instead
            // The form has room for three businesses.
            if (std::regex_match(key, std::regex("nob([4-9]|\\d\\d+)[abc]"))) continue;
            ASSERT_TRUE(datasets.contains(section)) << section;
            EXPECT_TRUE(fields[datasets.at(section)].contains(key)) << section << " " << key;
            ++keys;
        }
        EXPECT_GT(keys, 100);
        // Read although nothing writes them for these forms: they print blank.
        for (const char* blank : {"last1", "last2", "user", "softwareby"})
            EXPECT_TRUE(fields["dsPartA_Gen"].contains(blank)) << blank;
    }
}

// Code 39 as the standard tables it: per character five bars and four spaces,
// B/S wide and b/s narrow.
const std::map<char, std::string_view> kCode39Table = {
    {'*', "bSbsBsBsb"}, {'A', "BsbsbSbsB"}, {'D', "bsbsBSbsB"}, {'H', "BsbsbSBsb"},
    {'J', "bsbsBSBsb"}, {'N', "bsbsBsbSB"}, {'P', "bsBsBsbSb"}, {'R', "BsbsbsBSb"},
    {'W', "BSBsbsbsb"}, {'X', "bSbsBsbsB"}, {'1', "BsbSbsbsB"}, {'2', "bsBSbsbsB"},
    {'5', "BsbSBsbsb"}, {'6', "bsBSBsbsb"},
};

// The symbol of a text as modules, '1' inked and '0' blank, with a narrow gap
// between characters and wide elements twice as wide as narrow ones.
std::string TableModules(std::string_view text) {
    std::string modules;
    for (const char c : "*" + std::string(text) + "*") {
        if (!modules.empty()) modules += '0';
        for (const char element : kCode39Table.at(c)) {
            const std::size_t width = std::isupper(static_cast<unsigned char>(element)) ? 2 : 1;
            modules.append(width, element == 'b' || element == 'B' ? '1' : '0');
        }
    }
    return modules;
}

std::string DrawnModules(std::string_view text) {
    std::string modules(static_cast<std::size_t>(Code39Width(text)), '0');
    for (const Code39Bar& bar : Code39Bars(text)) {
        modules.replace(static_cast<std::size_t>(bar.x), static_cast<std::size_t>(bar.width),
                        static_cast<std::size_t>(bar.width), '1');
    }
    return modules;
}

// The PAN box key is letter-spaced; the bar code of every sheet encodes the PAN
// without the blanks, one module per unit of its 155-unit width.
TEST(OnePageForms, EverySheetCarriesThePanAsABarCodeWithoutBlanks) {
    for (const Form& form : kForms) {
        SCOPED_TRACE(form.fixture);
        const test::TempDir dir;
        const PreparedDocument doc = PrintedForm(form.fixture, dir);
        ASSERT_GE(doc.pages.size(), 4u);
        for (const PreparedPage& page : doc.pages) {
            std::vector<const PreparedObject*> barcodes;
            for (const PreparedObject& object : page.objects) {
                if (object.kind == PreparedKind::kBarcode) barcodes.push_back(&object);
            }
            ASSERT_EQ(barcodes.size(), 1u);
            const PreparedObject& barcode = *barcodes.front();
            EXPECT_EQ(page.Text(barcode), form.pan);
            EXPECT_FLOAT_EQ(barcode.w, 155);
            EXPECT_FLOAT_EQ(barcode.h, 40.5);
            EXPECT_EQ(Code39Width(page.Text(barcode)), 155);
            EXPECT_EQ(DrawnModules(page.Text(barcode)), TableModules(form.pan));
        }
    }
}

// The flag keys tick their boxes: the refund test, the residential status.
TEST(OnePageForms, FlagKeysTickTheirBoxes) {
    const test::TempDir dir;
    const std::string text = DocumentText(PrintedForm("itr1-2011.xml", dir));
    for (const char* expected :
         {R"(\[X\] MALE\s+\[ \] FEMALE)", R"(\[ \] Government\s+\[X\] PSU\s+\[ \] Others)",
          R"(\[X\] Tax Refundable\s+\[ \] Tax Payable\s+\[ \] Nil Tax Balance)",
          R"(\[ \] Resident\s+\[ \] Non Resident\s+\[X\] Resident but not ordinarily)",
          R"(\[X\] Savings\s+\[ \] Current)", R"(\[ \] cheque, or\s+\[X\] deposited directly)"}) {
        EXPECT_TRUE(std::regex_search(text, std::regex(expected))) << expected;
    }
}

// Prints a return to PDF with the program and reads back each sheet's text.
struct PrintedPdf {
    std::string info;
    std::vector<std::string> sheets;
};

PrintedPdf PrintToPdf(const std::string& fixture, const test::TempDir& dir) {
    const std::string pdf = (dir / "form.pdf").string();
    const auto run =
        test::RunOrvane({"form", "--staging-dir", dir.Path().string(), "-o", pdf, fixture});
    EXPECT_EQ(run.status, 0) << run.err;
    PrintedPdf printed;
    printed.info = Shell("pdfinfo -f 1 -l 99 " + test::ShellQuoted(pdf) + " 2>&1");
    std::smatch pages;
    if (!std::regex_search(printed.info, pages, std::regex(R"(Pages:\s+(\d+))"))) return printed;
    for (int page = 1; page <= std::stoi(pages[1]); ++page) {
        printed.sheets.push_back(Shell("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                       std::to_string(page) + " " + test::ShellQuoted(pdf) +
                                       " - 2>&1"));
    }
    return printed;
}

struct Expected {
    std::size_t sheet;  // from 1
    std::string pattern;
};

void ExpectSheets(const PrintedPdf& printed, std::size_t sheets,
                  const std::vector<Expected>& expected) {
    ASSERT_EQ(printed.sheets.size(), sheets) << printed.info;
    for (const Expected& e : expected) {
        EXPECT_TRUE(std::regex_search(printed.sheets.at(e.sheet - 1), std::regex(e.pattern)))
            << "sheet " << e.sheet << ": " << e.pattern << "\n"
            << printed.sheets.at(e.sheet - 1);
    }
}

// Four salary rows (one beyond the boxes), six tax payments (one beyond), a
// loss from house property and a refund: two form pages, then the
// supplementary pages of Sch IT and Sch TDS1; nothing for Sch TDS2.
TEST(OnePageForms, ItrOnePrintsToPdfWithItsOverflowRows) {
    const test::TempDir dir;
    const PrintedPdf printed = PrintToPdf(test::Fixture("itr1-2011.xml"), dir);
    ExpectSheets(
        printed, 4,
        {
            {1, R"(A1 FIRST NAME[^\n]*\n\s*A N I L\n)"},
            {1, R"(D S O U Z A\s+A J X P D 5 5 2 1 R\n)"},
            {1, R"(0 9 0 4 1 9 7 5 DDMMYYYY\s+WARD 25\(2\)\(1\) MUMBAI)"},
            {1, R"(\nB1\s+B1\s+3 0 0 0 0 0\n)"},
            {1, R"(\nB2 +Income from One House Property\s+B2\s+\( - \)\s+1 5 0 0\n)"},
            {1, R"(\nC15 +Taxable Total Income \(B4-C14\)\s+C15\s+\(\s+\)\s+2 2 9 2 0 0\n)"},
            {2, R"(D13\s+0\s+D14\s+2 5 0 0\n)"},
            {2, R"(D15 +Enter your bank account number[^\n]*1 1 2 2 3 3 4 4\n)"},
            {2, R"(R5\s+0 5 1 0 0 0 5\s+2 0 0 7 2 0 1 1\s+0 0 0 1 5\s+5 0 0\n)"},
            {2, R"(S3\s+M U M T 0 3 3 3 3 C\s+GAMMA SYSTEMS\s+6 0 0 0 0\s+1 0 0 0\n)"},
            {2, R"(T1\s+M U M U 0 7 7 7 7 E\s+UNION CO-OP BANK\s+7 0\s+7 0\n)"},
            {2, R"(I,\s+ANIL DSOUZA\s+son/ daughter of\s+PETER DSOUZA)"},
            {2, R"(Date\s+0 2 0 8 2 0 1 1)"},
            {3, R"(SCH IT DETAILS OF ADVANCE TAX[^\n]*\(continued\))"},
            {3, R"(S6\s+0 5 1 0 0 0 6\s+2 5 0 7 2 0 1 1\s+0 0 0 1 6\s+2 5 0\n)"},
            {4, R"(SCH TDS1 DETAILS OF TAX DEDUCTED AT SOURCE FROM SALARY)"},
            {4, R"(S4\s+M U M T 0 4 4 4 4 D\s+DELTA BANK\s+3 0 0 0 0\s+5 0 0\n)"},
        });
    EXPECT_TRUE(std::regex_search(printed.info, std::regex(R"(Page +4 size:\s+595[.\d]* x 84)")));
}

// Five deductions on other income: the fifth prints on the supplementary page
// of Sch TDS2, which is of Letter size.
TEST(OnePageForms, ItrOneTdsTwoRowsBeyondTheBoxesPrintOnLetterPaper) {
    const test::TempDir dir;
    std::string fixture = test::ReadFile(test::Fixture("itr1-2011.xml"));
    const std::string open = "<ITRForm:TDSonOthThanSal>";
    const std::string close = "</ITRForm:TDSonOthThanSal>";
    const auto start = fixture.find(open);
    const auto end = fixture.find(close) + close.size();
    const std::string row = fixture.substr(start, end - start);
    std::string fifth = row;
    fifth.replace(fifth.find("UNION CO-OP BANK"), 16, "EPSILON FINANCE");
    fixture.replace(start, end - start, row + row + row + row + fifth);
    test::WriteFile(dir / "five-deductors.xml", fixture);
    const PrintedPdf printed = PrintToPdf((dir / "five-deductors.xml").string(), dir);
    ExpectSheets(printed, 5,
                 {
                     {2, R"(T4\s+M U M U 0 7 7 7 7 E\s+UNION CO-OP BANK\s+7 0\s+7 0\n)"},
                     {5, R"(SCH TDS2 DETAILS OF TAX DEDUCTED AT SOURCE ON INCOME OTHER THAN)"},
                     {5, R"(S5\s+M U M U 0 7 7 7 7 E\s+EPSILON FINANCE\s+7 0\s+7 0\n)"},
                 });
    EXPECT_TRUE(std::regex_search(printed.info, std::regex(R"(Page +4 size:\s+595[.\d]* x 84)")));
    EXPECT_TRUE(std::regex_search(printed.info, std::regex(R"(Page +5 size:\s+612 x 792)")))
        << printed.info;
}

// Seven tax payments, four collections and five businesses: three form
// pages, then the supplementary pages of Sch IT and Sch TCS. The form shows
// the first three businesses.
TEST(OnePageForms, ItrFourSPrintsToPdfWithItsOverflowRows) {
    const test::TempDir dir;
    const PrintedPdf printed = PrintToPdf(test::Fixture("itr4s-2011.xml"), dir);
    ExpectSheets(
        printed, 5,
        {
            {1, R"(G O P A L\s+L A L\n)"},
            {1, R"(R A J E S T H A N\s+3 0 2 0 0 3\s+Individual\s+HUF)"},
            {1, R"(\nB3 +Income from One House Property\s+B3\s+\( - \)\s+9 0 0 0 0\n)"},
            {1, R"(\nB5 +Gross Total Income \(B1\+B2\+B3\+B4\)\s+B5\s+\( - \)\s+1 2 0 0\n)"},
            {2, R"(D13\s+1 9 4 0 0\s+D14\s+0\s+D15\s+1 9 4 0 0\n)"},
            {2, R"(\(i\)\s+0 1 0 1\s+RETAIL TRADE - GROCERY\s+RETAIL TRADE - GROCERY\n)"},
            {2, R"(\(iii\)\s+0 5 0 1\s+TRANSPORT\s+TRANSPORT\n)"},
            {2, R"(E1 +Gross Turnover or Gross Receipts\s+E1\s+1 0 5 0 0 0 0\n)"},
            {3, R"(E10 +Amount of the cash balance\s+E10\s+2 2 0 0 0\n)"},
            {3, R"(R5\s+0 2 3 0 0 0 5\s+1 0 0 7 2 0 1 1\s+1 0 5\s+9 0 0\n)"},
            {3, R"(U3\s+J P R T 0 0 0 0 3 C\s+AMBER TIMBER\s+3 0 0\s+3 0 0\n)"},
            {3, R"(I,\s+GOPAL LAL AGARWAL\s+son/ daughter of\s+MOHAN LAL AGARWAL)"},
            {4, R"(S6\s+0 2 3 0 0 0 6\s+1 1 0 7 2 0 1 1\s+1 0 6\s+8 0 0\n)"},
            {4, R"(S7\s+0 2 3 0 0 0 7\s+1 2 0 7 2 0 1 1\s+1 0 7\s+7 0 0\n)"},
            {5, R"(SCH TCS DETAILS OF TAX COLLECTED AT SOURCE[^\n]*\(continued\))"},
            {5, R"(S4\s+J P R T 0 0 0 0 4 D\s+PINK CITY LIQUORS\s+4 0 0\s+4 0 0\n)"},
        });
    for (const std::string& sheet : printed.sheets) {
        EXPECT_EQ(sheet.find("REPAIRS"), std::string::npos);  // the fourth business
    }
}

}  // namespace
}  // namespace orvane
