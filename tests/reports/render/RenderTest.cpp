#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <regex>

#include "Error.h"
#include "reports/catalogue/ReportBuilder.h"
#include "reports/engine/Code39.h"
#include "reports/engine/ReportEngine.h"
#include "reports/engine/TemplateLoader.h"
#include "reports/render/DocumentExport.h"
#include "reports/render/ExportPresenter.h"
#include "reports/render/PagePainter.h"
#include "reports/render/ReportFonts.h"
#include "support/FakeDataset.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::Shell;

using test::CrLf;

const DirectoryResources kTemplates(ORVANE_TEST_TEMPLATES_DIR);

// An ITR-1 of 2009-10 whose 120 tax payments run over three sheets.
PreparedDocument SampleReturn(const test::TempDir& dir) {
    std::vector<std::string> lines = {
        "[PART-A-GEN]",  "AssessmentYear=2009-10",         "pi_Name=ASHA RAO", "pi_PAN=ABCDE1234F",
        "fs_Resident=1", "SoftwareBy=Printed with Orvane", "[PART-B]",         "ti_1=250000"};
    for (int i = 1; i <= 120; ++i) {
        lines.push_back("[SCHEDULE-IT-" + std::to_string(i) + "]");
        lines.push_back("SrNo=" + std::to_string(i));
        lines.push_back("BsrCode=05100" + std::to_string(10 + i));
        lines.push_back("Amount=" + std::to_string(1000 * i));
    }
    std::string staging;
    for (const std::string& line : lines) staging += line + "\r\n";
    test::WriteFile(dir / "ITR1.WIN", staging);
    const QtTextMeasurer measurer;
    return BuildReport(StagedReport{"ITR1", 2009, dir / "ITR1.WIN", SelectReport("ITR1", 2009)},
                       measurer, kTemplates);
}

TEST(ReportFonts, TemplateFamiliesPrintWithMetricCompatibleFonts) {
    const std::pair<std::string, std::string> cases[] = {
        {"Book Antiqua", "P052"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
    };
    for (const auto& [family, printed] : cases) {
        EXPECT_EQ(PrintedFamily(family).toStdString(), printed);
        const QFont font = ReportFont(FontSpec{family, 13, true, false, false});
        // fontconfig may add the foundry: "P052 [UKWN]".
        EXPECT_TRUE(QFontInfo(font).family().startsWith(QString::fromStdString(printed)))
            << family << " printed with " << QFontInfo(font).family().toStdString();
        EXPECT_EQ(font.pixelSize(), 13);
    }
    // Courier New bold 12 pixels: every character as wide as the next.
    const QFontMetricsF mono(ReportFont(FontSpec{"Courier New", 12, true, false, false}));
    EXPECT_NEAR(mono.horizontalAdvance("W"), 7.2, 0.02);
    EXPECT_EQ(mono.horizontalAdvance("i"), mono.horizontalAdvance("W"));
}

TEST(DocumentExport, PdfReadsBackWithItsPagesTextsAndEmbeddedFonts) {
    const test::TempDir dir;
    const PreparedDocument doc = SampleReturn(dir);
    ASSERT_EQ(doc.pages.size(), 3u);
    const auto pdf = dir / "itr1.pdf";
    EXPECT_EQ(ExportDocument(doc, pdf), std::vector<std::filesystem::path>{pdf});

    const std::string info = Shell("pdfinfo '" + pdf.string() + "' 2>&1");
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages:\s+3\n)"))) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Author:\s+Orvane Printing\n)"))) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Subject:\s+Indian income-tax return\n)")))
        << info;
    EXPECT_TRUE(std::regex_search(
        info, std::regex(R"(Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts \(A4\))")))
        << info;
    EXPECT_EQ(info.find("Syntax Error"), std::string::npos) << info;

    const std::string text = Shell("pdftotext -layout '" + pdf.string() + "' - 2>&1");
    for (const char* expected : {"INDIAN INCOME TAX RETURN", "Assessment Year 2009-10", "ASHA RAO",
                                 "Gross total income [as per Form No.16]", "1 of 3", "3 of 3",
                                 "0510070", "60000", "Printed with Orvane"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }

    const std::string fonts = Shell("pdffonts '" + pdf.string() + "' 2>&1");
    EXPECT_NE(fonts.find("P052"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("LiberationSerif-Bold"), std::string::npos) << fonts;
    std::istringstream lines(fonts);
    std::string line;
    int listed = 0;
    while (std::getline(lines, line)) {
        if (line.starts_with("name") || line.starts_with("---")) continue;
        ++listed;
        EXPECT_TRUE(std::regex_search(line, std::regex(R"(\s+yes\s+(yes|no)\s+(yes|no)\s+\d+)")))
            << line;
    }
    EXPECT_GE(listed, 2);
}

TEST(DocumentExport, PdfPlacesTextsWhereTheLayoutPutThem) {
    const test::TempDir dir;
    const PreparedDocument doc = SampleReturn(dir);
    const auto pdf = dir / "itr1.pdf";
    ExportDocument(doc, pdf);
    // The title is centred on the printable width, its top 10 mm down.
    const std::string boxes = Shell("pdftotext -f 1 -l 1 -bbox '" + pdf.string() + "' - 2>&1");
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">INDIAN</word>)re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(boxes, match, word)) << boxes.substr(0, 2000);
    const double points_per_unit = 0.75;
    const double title_top = (10 * kUnitsPerMillimetre + 1) * points_per_unit;
    EXPECT_NEAR(std::stod(match[2]), title_top, 3.0);
    const std::regex last_word(R"re(xMax="([\d.]+)" yMax="[\d.]+">RETURN</word>)re");
    std::smatch last;
    ASSERT_TRUE(std::regex_search(boxes, last, last_word));
    const double centre = (std::stod(match[1]) + std::stod(last[1])) / 2;
    EXPECT_NEAR(centre, 595.28 / 2, 2.0);
}

TEST(DocumentExport, ImagesAreOneFilePerPageAtTheirSize) {
    const test::TempDir dir;
    const PreparedDocument doc = SampleReturn(dir);
    for (const std::string extension : {".png", ".jpg", ".bmp", ".tif"}) {
        const auto out = dir / ("itr1" + extension);
        const auto files = ExportDocument(doc, out);
        ASSERT_EQ(files.size(), 3u) << extension;
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i], dir / ("itr1-" + std::to_string(i + 1) + extension));
            const QImage image(QString::fromStdString(files[i].string()));
            EXPECT_EQ(image.size(), QSize(1240, 1754)) << files[i];  // A4 at 150 dots per inch
        }
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(DocumentExport, SvgHtmlTextAndCsvCarryTheTexts) {
    const test::TempDir dir;
    const PreparedDocument doc = SampleReturn(dir);
    EXPECT_EQ(ExportDocument(doc, dir / "itr1.svg").size(), 3u);
    EXPECT_NE(test::ReadFile(dir / "itr1-1.svg").find("ASHA RAO"), std::string::npos);
    for (const char* name : {"itr1.html", "itr1.txt", "itr1.csv"}) {
        EXPECT_EQ(ExportDocument(doc, dir / name).size(), 1u);
        const std::string text = test::ReadFile(dir / name);
        EXPECT_NE(text.find("ASHA RAO"), std::string::npos) << name;
        EXPECT_NE(text.find("0510070"), std::string::npos) << name;
    }
    EXPECT_NE(test::ReadFile(dir / "itr1.csv").find("60;0510070;60000"), std::string::npos);
    try {
        ExportDocument(doc, dir / "itr1.xls");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(),
                     "Cannot write itr1.xls: name it .pdf, .png, .jpg, .bmp, .tif, .svg, .html, "
                     ".txt or .csv");
    }
    EXPECT_THROW(ExportDocument(doc, dir / "missing" / "itr1.pdf"), Error);
}

TEST(DocumentExport, StoppingAnExportLeavesNoFiles) {
    const test::TempDir dir;
    const PreparedDocument doc = SampleReturn(dir);
    int calls = 0;
    const auto stop_after_two = [&](int done, int total) {
        ++calls;
        EXPECT_EQ(total, 3);
        return done < 2;
    };
    EXPECT_TRUE(ExportDocument(doc, dir / "a.png", ExportFormat::kPng, stop_after_two).empty());
    EXPECT_TRUE(ExportDocument(doc, dir / "a.pdf", ExportFormat::kPdf, stop_after_two).empty());
    EXPECT_EQ(calls, 4);
    EXPECT_FALSE(std::filesystem::exists(dir / "a-1.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.pdf"));
}

// Paints one sheet at one pixel per unit and reads pixels back.
class PaintedSheet {
  public:
    explicit PaintedSheet(const std::string& band) {
        const std::string xml =
            R"(<report datasets="dsPartA_Gen"><page name="P" margin="0"><band kind="data" dataset="dsPartA_Gen" height="400">)" +
            band + "</band></page></report>";
        report_ = LoadTemplate(xml, "paint.xml", kTemplates);
        const NamedDataset datasets[] = {{"dsPartA_Gen", &gen_}};
        doc_ = PrepareReportFor(datasets);
        image_ = QImage(static_cast<int>(doc_.pages.at(0).width),
                        static_cast<int>(doc_.pages.at(0).height), QImage::Format_RGB32);
        image_.fill(Qt::white);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        PaintPage(doc_, 0, painter);
    }

    // Dark pixels in a rectangle.
    int Dark(int x, int y, int w, int h) const {
        int count = 0;
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) count += qGray(image_.pixel(i, j)) < 128 ? 1 : 0;
        }
        return count;
    }

    const QImage& Image() const { return image_; }

  private:
    PreparedDocument PrepareReportFor(std::span<const NamedDataset> datasets) {
        const QtTextMeasurer measurer;
        return PrepareReport(report_, datasets, measurer);
    }

    test::FakeDataset gen_ =
        test::FakeDataset::Single({{"yes", "1"}, {"no", "0"}, {"pan", "ABCDE1234F"}});
    Template report_;
    PreparedDocument doc_;
    QImage image_;
};

TEST(PagePainter, DrawsTextsBoxesTicksAndBarCodesInPlace) {
    const PaintedSheet sheet(R"(
        <text x="100" y="100" w="200" h="20" align="right" size="16">Right</text>
        <box x="10" y="10" w="50" h="30" pen="1"/>
        <checkbox x="10" y="200" w="20" value='[dsPartA_Gen."yes"]'/>
        <checkbox x="50" y="200" w="20" value='[dsPartA_Gen."no"]'/>
        <barcode x="10" y="300" w="155" h="40.5" value='[dsPartA_Gen."pan"]'/>)");
    // Right-aligned: ink at the right end of its box, none at the left.
    EXPECT_GT(sheet.Dark(250, 100, 50, 20), 20);
    EXPECT_EQ(sheet.Dark(100, 100, 100, 20), 0);
    // A frame: ink on the edge, none inside.
    EXPECT_GT(sheet.Dark(10, 10, 50, 2), 40);
    EXPECT_EQ(sheet.Dark(15, 15, 40, 20), 0);
    // A tick inside the first check box only.
    EXPECT_GT(sheet.Dark(13, 203, 14, 14), 10);
    EXPECT_EQ(sheet.Dark(53, 203, 14, 14), 0);
    // The bar code: bars as wide as the symbol says, across its height.
    const std::vector<Code39Bar> bars = Code39Bars("ABCDE1234F");
    const double module = 155.0 / Code39Width("ABCDE1234F");
    int ink = 0;
    for (const Code39Bar& bar : bars) ink += bar.width;
    EXPECT_NEAR(sheet.Dark(10, 320, 155, 1), ink * module, bars.size() * 1.0);
    EXPECT_GT(sheet.Dark(10, 301, 3, 1), 0);    // the start character's first bar
    EXPECT_EQ(sheet.Dark(10, 345, 155, 1), 0);  // no text line under the bars
}

TEST(PagePainter, TurnedTextsReadUpwardsFromTheBottomOfTheirBox) {
    const PaintedSheet sheet(R"(
        <text x="300" y="50" w="40" h="300" rotate="90" size="16">TURNED</text>
        <text x="400" y="100" w="200" h="20" size="16">After</text>)");
    // Left-aligned along its lines: it starts at the bottom of the box and
    // runs up; its top lies along the box's left edge.
    EXPECT_GT(sheet.Dark(300, 250, 20, 100), 40);
    EXPECT_EQ(sheet.Dark(300, 50, 40, 180), 0);
    EXPECT_EQ(sheet.Dark(322, 50, 18, 300), 0);
    EXPECT_EQ(sheet.Dark(0, 350, 793, 50), 0);
    // The painter is upright again for the next text.
    EXPECT_GT(sheet.Dark(400, 100, 60, 20), 20);
    EXPECT_EQ(sheet.Dark(400, 120, 60, 60), 0);
}

TEST(ExportPresenter, WritesTheFormatTheExtensionNames) {
    const test::TempDir dir;
    test::WriteFile(dir / "ITR1.WIN", CrLf({"[PART-A-GEN]", "pi_Name=ASHA RAO"}));
    ExportPresenter presenter(dir / "out.png", kTemplates);
    presenter.Present(StagedReport{"ITR1", 2009, dir / "ITR1.WIN", SelectReport("ITR1", 2009)});
    EXPECT_EQ(presenter.Written(), dir / "out-1.png");
    EXPECT_TRUE(std::filesystem::exists(dir / "out-1.png"));

    try {
        presenter.Present(
            StagedReport{"ITR4S", 2009, dir / "ITR4s.WIN", SelectReport("ITR4S", 2009)});
        FAIL();
    } catch (const NoPrintedFormError& error) {
        EXPECT_STREQ(error.what(), "No printed form of ITR-4S for this assessment year");
    }
    EXPECT_THROW(ExportPresenter(dir / "out.doc"), Error);
    EXPECT_EQ(DefaultOutputPath("/r/ret.xml", false), std::filesystem::path("/r/ret.pdf"));
    EXPECT_EQ(DefaultOutputPath("/r/ret.xml", true), std::filesystem::path("/r/ret-ack.pdf"));
}

}  // namespace
}  // namespace orvane
