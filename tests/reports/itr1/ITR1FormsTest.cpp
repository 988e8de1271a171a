// The printed ITR-1 forms of 2008-09 to 2010-11, from return files to PDF.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "mapping/Courtesy.h"
#include "reports/catalogue/ReportBuilder.h"
#include "reports/catalogue/ReportCatalogue.h"
#include "reports/engine/TemplateLoader.h"
#include "reports/engine/TextExport.h"
#include "reports/render/DocumentExport.h"
#include "reports/render/PagePainter.h"
#include "staging/ReportDispatch.h"
#include "support/RunOrvane.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::Shell;

// The sheets of a PDF as pdftotext lays them out, one string per sheet.
std::vector<std::string> PdfSheets(const std::filesystem::path& pdf) {
    const std::string text = Shell("pdftotext -layout " + test::ShellQuoted(pdf.string()) + " -");
    std::vector<std::string> sheets;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
        sheets.push_back(text.substr(start, end - start));
    return sheets;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string Joined(const std::vector<std::string>& sheets) {
    std::string all;
    for (const std::string& sheet : sheets) all += sheet;
    return all;
}

// Runs the form command on a test return and reads the PDF it writes.
std::vector<std::string> PrintForm(const test::TempDir& dir, const std::string& fixture) {
    const auto pdf = dir / "itr1.pdf";
    const test::RunResult run = test::RunOrvane(
        {"form", "--staging-dir", dir.Path().string(), "-o", pdf.string(), test::Fixture(fixture)});
    EXPECT_EQ(run.status, 0) << run.err;
    return PdfSheets(pdf);
}

// Writes the staging file of a test return with the stage command.
std::filesystem::path Stage(const test::TempDir& dir, const std::string& fixture) {
    const test::RunResult run =
        test::RunOrvane({"stage", "--staging-dir", dir.Path().string(), test::Fixture(fixture)});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string path = run.out;
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
    return path;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

struct PrintedReturn {
    std::string fixture;
    std::size_t sheets;
    std::string footer;  // with %d for the sheet number
    std::vector<std::string> texts;
};

std::string Footer(const std::string& format, std::size_t sheet) {
    char text[64];
    std::snprintf(text, sizeof text, format.c_str(), static_cast<int>(sheet));
    return text;
}

TEST(ITR1Forms, EachYearPrintsItsReturnOnItsForm) {
    const std::vector<PrintedReturn> returns = {
        {"itr1-2008.xml",
         3,
         "%d of 3",
         {"INDIAN INCOME TAX RETURN", "2008-2009", "MEENAKSHI", "GANGA APARTMENTS", "TAMILNADU",
          "WARD 5(3) CHENNAI", "96000", "184500", "280500", "205500", "2627", "2680", "30112233445",
          // TDS on interest: a deductor, its address on the row below, and the totals
          "CHEI01122B", "7700112", "INDIAN BANK", "31-03-2008", "LUZ BRANCH CHENNAI", "CHEP04455K",
          "1845", "835", "INDIAN OVERSEAS BANK", "21-07-2008", "00118", "4200", "AJKPI4521M",
          "2008-2009.", "Nil"}},
        {"itr1-2009.xml",
         3,
         "%d of 3",
         {"2009-2010", "RAVI", "LAKSHMI NIVAS", "ERNAKULAM SOUTH", "190231009, --",
          "ravi.nair@example.in", "12400", "15900", "14900", "012345678901",
          // TDS on salary with the first employer's address, tax payment and branch
          "CHNK01234E", "KERALA STATE TEXTILE", "MARINE DRIVE KOCHI", "0001234",
          "COCHIN PORT TRUST", "-300", "STATE BANK OF TRAVANCORE", "0070046", "14-03-2009",
          "BROADWAY", "500", "GOPALAN NAIR", "Nil"}},
        {"itr1-2010.xml",
         3,
         "Page: %d",
         {"SARAL-II", "(ITR-1)", "2010-2011", "FARIDA", "BANO", "SHAIKH", "MADHYA PRADESH",
          "-30000", "214000", "184000", "20000", "15000", "35000", "149000", "BCDPS2468K",
          "2010-2011.", "31-07-2010", "Nil"}},
    };
    for (const PrintedReturn& printed : returns) {
        SCOPED_TRACE(printed.fixture);
        const test::TempDir dir;
        const std::vector<std::string> sheets = PrintForm(dir, printed.fixture);
        ASSERT_EQ(sheets.size(), printed.sheets);
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            EXPECT_EQ(Count(sheets[i], Footer(printed.footer, i + 1)), 1u) << sheets[i];
            EXPECT_NE(sheets[i].find(kCourtesyLine), std::string::npos) << i + 1;
        }
        const std::string all = Joined(sheets);
        for (const std::string& text : printed.texts)
            EXPECT_NE(all.find(text), std::string::npos) << text;
        EXPECT_EQ(Count(all, "Sign here"), 1u);
        // words stay searchable: no ligature glyphs such as "fi" in the PDF's text
        EXPECT_NE(all.find("Seal and Signature of receiving official"), std::string::npos);
        EXPECT_EQ(all.find("\xEF\xAC"), std::string::npos);
        // the first sheet holds the general part and the income, nothing of the tables
        EXPECT_NE(sheets[0].find("Gross Total Income"), std::string::npos);
        EXPECT_EQ(sheets[0].find("Details of"), std::string::npos);
    }
}

// The captions whose check box is ticked, and those whose box is clear, as the
// text export shows them: a check box cell right before its caption.
std::map<std::string, bool> CheckBoxes(const PreparedDocument& document) {
    std::map<std::string, bool> boxes;
    for (const PreparedPage& page : document.pages) {
        for (const SheetTextLine& line : SheetTextLines(page, document)) {
            for (std::size_t i = 0; i + 1 < line.cells.size(); ++i) {
                const std::string& cell = line.cells[i].text;
                if (cell == "[X]" || cell == "[ ]") boxes[line.cells[i + 1].text] = cell == "[X]";
            }
        }
    }
    return boxes;
}

PreparedDocument BuildStaged(const std::filesystem::path& staging_file, int year) {
    const QtTextMeasurer measurer;
    return BuildReport(StagedReport{"ITR1", year, staging_file, SelectReport("ITR1", year)},
                       measurer);
}

TEST(ITR1Forms, FlagsTickTheirBoxes) {
    struct Case {
        std::string fixture;
        int year;
        std::vector<std::string> ticked, clear;
    };
    const std::vector<Case> cases = {
        {"itr1-2008.xml",
         2008,
         {"PSU", "Female", "Individual", "Original", "Resident but Not Ordinarily Resident",
          "Savings"},
         {"Govt", "Male", "HUF", "Revised", "Resident", "Non-Resident", "Current", "cheque, or"}},
        {"itr1-2009.xml",
         2009,
         {"Govt", "Male", "Revised", "Resident", "Current", "cheque, or"},
         {"PSU", "Others", "Female", "Original", "Non-Resident", "Savings"}},
        {"itr1-2010.xml",
         2010,
         {"Original", "Non-Resident", "Individual"},
         {"Govt", "Male", "Female", "Revised", "Resident", "Savings", "Current", "cheque, or"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const test::TempDir dir;
        const std::map<std::string, bool> boxes =
            CheckBoxes(BuildStaged(Stage(dir, c.fixture), c.year));
        for (const std::string& caption : c.ticked) {
            ASSERT_TRUE(boxes.contains(caption)) << caption;
            EXPECT_TRUE(boxes.at(caption)) << caption;
        }
        for (const std::string& caption : c.clear) {
            ASSERT_TRUE(boxes.contains(caption)) << caption;
            EXPECT_FALSE(boxes.at(caption)) << caption;
        }
    }
}

TEST(ITR1Forms, TheVerificationOf2010PrintsInPlaceOrOnASheetOfItsOwn) {
    const test::TempDir dir;
    const std::filesystem::path staging = Stage(dir, "itr1-2010.xml");
    const std::string staged = test::ReadFile(staging);
    const std::string flag = "IsVerification=0";
    ASSERT_NE(staged.find(flag), std::string::npos);
    for (const char* choice : {"0", "1"}) {
        SCOPED_TRACE(std::string("IsVerification ") + choice);
        std::string edited = staged;
        edited.replace(edited.find(flag), flag.size(), std::string("IsVerification=") + choice);
        test::WriteFile(staging, edited);
        const auto pdf = dir / "itr1.pdf";
        ExportDocument(BuildStaged(staging, 2010), pdf);
        const std::vector<std::string> sheets = PdfSheets(pdf);
        ASSERT_EQ(sheets.size(), 3u);
        EXPECT_EQ(Count(Joined(sheets), "Sign here"), 1u);
        EXPECT_EQ(Count(Joined(sheets), "Counter Signature of TRP"), 1u);
        const std::string& last = sheets.back();
        EXPECT_NE(last.find("Sign here"), std::string::npos);
        EXPECT_NE(last.find("Page: 3"), std::string::npos);
        EXPECT_NE(last.find(kCourtesyLine), std::string::npos);
        // the sheet of its own names the return it belongs to
        const bool separate = std::string(choice) == "1";
        EXPECT_EQ(last.find("SARAL-II (ITR-1)") != std::string::npos, separate) << last;
        EXPECT_NE(sheets[1].find("Tax-exempt interest income"), std::string::npos);
    }
}

// Every key that the mapping writes for a return is read by some object of
// its template, except the audit flags (never on ITR-1) and, on the form of
// 2008-09 and 2009-10, the courtesy key SoftwareBy and IsVerification.
TEST(ITR1Forms, EveryKeyTheMappingWritesHasItsPlaceOnTheForm) {
    struct Case {
        std::string fixture;
        int year;
        std::set<std::string> unprinted;
    };
    const std::set<std::string> audit = {"ai_44aa1", "ai_44aa2", "ai_44ab1", "ai_44ab2"};
    std::set<std::string> older = audit;
    older.insert({"softwareby", "isverification"});
    const std::vector<Case> cases = {
        {"itr1-2008.xml", 2008, older},
        {"itr1-2009.xml", 2009, older},
        {"itr1-2010.xml", 2010, audit},
    };
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const ReportChoice choice = *SelectReport("ITR1", c.year);
        const ReportFormClass& form_class = *FindReportFormClass(choice.report_class);
        const TemplateSpec& template_file = *FindTemplate(form_class, choice.component);
        const Template report = LoadTemplateFile(EmbeddedResources(), template_file.file);
        EXPECT_EQ(report.pages.size(), static_cast<std::size_t>(template_file.pages));

        // dataset name and lower-cased field of every value the template reads
        std::set<std::pair<std::string, std::string>> read;
        const auto note = [&](const TextParts& parts) {
            for (const TextPart& part : parts) {
                if (part.kind != TextPart::Kind::kField) continue;
                read.insert(
                    {report.datasets.at(static_cast<std::size_t>(part.dataset)), lower(part.text)});
            }
        };
        for (const TemplatePage& page : report.pages) {
            for (const Band& band : page.bands) {
                for (const TemplateObject& object : band.objects) note(object.text);
            }
        }
        if (report.verification) note(report.verification->value);

        const test::TempDir dir;
        const std::string staged = test::ReadFile(Stage(dir, c.fixture));
        std::string dataset;
        int keys = 0;
        for (const std::string& line : Lines(staged)) {
            if (line.starts_with("[")) {
                const std::string section = line.substr(1, line.size() - 2);
                dataset.clear();
                for (const DatasetSpec& d : form_class.datasets) {
                    const bool numbered =
                        d.kind == DatasetKind::kNumbered && section.starts_with(d.section);
                    if (numbered || (d.kind == DatasetKind::kSingle && section == d.section))
                        dataset = std::string(d.name);
                }
                EXPECT_FALSE(dataset.empty()) << "no dataset reads " << section;
                continue;
            }
            if (line.empty()) continue;
            const std::string key = lower(line.substr(0, line.find('=')));
            if (c.unprinted.contains(key)) continue;
            ++keys;
            EXPECT_TRUE(read.contains({dataset, key})) << dataset << " " << key;
        }
        EXPECT_GT(keys, 80);
    }
}

}  // namespace
}  // namespace orvane
