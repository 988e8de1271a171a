#include <gtest/gtest.h>

#include "Error.h"
#include "reports/engine/ReportEngine.h"
#include "reports/engine/TemplateLoader.h"
#include "support/FakeDataset.h"

namespace orvane {
namespace {

using test::FakeDataset;
using Row = FakeDataset::Row;

constexpr double kTop = 10 * kUnitsPerMillimetre;  // the default margin
constexpr double kBottom = 297 * kUnitsPerMillimetre - kTop;

// Datasets under the names of the staging sections they stand for.
class ReportEngineTest : public ::testing::Test {
  protected:
    PreparedDocument Prepare(const std::string& pages) {
        const std::string xml =
            R"(<report name="Test" datasets="dsPartA_Gen dsSchedule_IT dsSchedule_TDS1 dsDetail">)" +
            pages + "</report>";
        report_ = LoadTemplate(xml, "test.xml", DirectoryResources("/nonexistent"));
        const NamedDataset datasets[] = {
            {"dsPartA_Gen", &gen_},
            {"dsSchedule_IT", &it_},
            {"dsSchedule_TDS1", &tds1_},
            {"dsDetail", &detail_},
        };
        return PrepareReport(report_, datasets, measurer_);
    }

    FakeDataset gen_ = FakeDataset::Single(
        {{"pi_Name", "ASHA RAO"}, {"IsVerification", "0"}, {"AssessmentYear", "2009-10"}});
    FakeDataset it_ =
        FakeDataset::Numbered({{{"SrNo", "1"}, {"Bank", "SBI"}}, {{"SrNo", "2"}, {"Bank", "PNB"}}});
    FakeDataset tds1_ = FakeDataset::Numbered({});
    FakeDataset detail_ = FakeDataset::Numbered({});
    ApproximateTextMeasurer measurer_;
    Template report_;
};

// The texts of a sheet in the order they were placed.
std::vector<std::string> Texts(const PreparedPage& page) {
    std::vector<std::string> texts;
    for (const PreparedObject& object : page.objects) {
        if (object.kind == PreparedKind::kText) texts.emplace_back(page.Text(object));
    }
    return texts;
}

const PreparedObject& TextObject(const PreparedPage& page, std::string_view text) {
    for (const PreparedObject& object : page.objects) {
        if (object.kind == PreparedKind::kText && page.Text(object) == text) return object;
    }
    throw std::runtime_error("no text " + std::string(text));
}

std::string Text(std::string_view content, double y = 0, std::string_view extra = "") {
    return "<text x=\"0\" y=\"" + std::to_string(y) + "\" w=\"100\" h=\"10\" " +
           std::string(extra) + "><![CDATA[" + std::string(content) + "]]></text>";
}

const std::string kItRows = R"(
    <band kind="header" height="20">)" +
                            Text("Heading") + R"(</band>
    <band kind="data" name="ItRows" dataset="dsSchedule_IT" height="10">)" +
                            Text(R"([dsSchedule_IT."Bank"])") + R"(</band>
    <band kind="footer" height="20">)" +
                            Text("Total") + "</band>";

TEST_F(ReportEngineTest, SingleBandsPrintOnceAndNumberedBandsOncePerRow) {
    const PreparedDocument doc =
        Prepare(R"(<page name="Page1">
        <band kind="data" dataset="dsPartA_Gen" rows="1" height="30">)" +
                Text(R"([dsPartA_Gen."pi_Name"])") + R"(</band>
        <band kind="data" dataset="dsPartA_Gen" height="30">)" +
                Text(R"([dsPartA_Gen."AssessmentYear"])") + "</band>" + kItRows + "</page>");
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(Texts(doc.pages[0]),
              (std::vector<std::string>{"ASHA RAO", "2009-10", "Heading", "SBI", "PNB", "Total"}));
    const PreparedPage& page = doc.pages[0];
    EXPECT_NEAR(TextObject(page, "ASHA RAO").y, kTop, 0.01);
    EXPECT_NEAR(TextObject(page, "Heading").y, kTop + 60, 0.01);
    EXPECT_NEAR(TextObject(page, "SBI").y, kTop + 80, 0.01);
    EXPECT_NEAR(TextObject(page, "PNB").y, kTop + 90, 0.01);
    EXPECT_NEAR(TextObject(page, "Total").y, kTop + 100, 0.01);
    EXPECT_NEAR(TextObject(page, "SBI").x, kTop, 0.01);  // left margin
}

TEST_F(ReportEngineTest, RowsEndAtTheFirstEmptyRowAndRespectTheRowLimit) {
    struct Case {
        std::vector<Row> rows;
        int limit;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {{}, 0, {}},  // no rows: neither header nor footer
        {{{{"SrNo", "1"}, {"Bank", "A"}}}, 0, {"Heading", "A", "Total"}},
        {{{{"SrNo", "1"}, {"Bank", "A"}},
          {{"SrNo", "2"}, {"Bank", "B"}},
          {{"SrNo", "3"}, {"Bank", "C"}}},
         2,
         {"Heading", "A", "B", "Total"}},
    };
    for (const Case& c : cases) {
        it_ = FakeDataset::Numbered(c.rows);
        const std::string rows = c.limit > 0 ? " rows=\"" + std::to_string(c.limit) + "\"" : "";
        const PreparedDocument doc =
            Prepare(R"(<page name="Page1">
            <band kind="header" height="20">)" +
                    Text("Heading") + R"(</band>
            <band kind="data" dataset="dsSchedule_IT" height="10")" +
                    rows + ">" + Text(R"([dsSchedule_IT."Bank"])") + R"(</band>
            <band kind="footer" height="20">)" +
                    Text("Total") + "</band></page>");
        EXPECT_EQ(Texts(doc.pages.at(0)), c.texts) << c.rows.size() << " rows";
    }
}

TEST_F(ReportEngineTest, ValuesOutsideDataBandsReadTheCurrentRow) {
    const PreparedDocument doc = Prepare(
        R"(<page name="Page1">
        <band kind="title" height="20">)" +
        Text(R"([dsSchedule_IT."Bank"])", 0) + Text(R"([dsPartA_Gen."pi_Name"])", 10) + R"(</band>
        <band kind="header" height="10">)" +
        Text(R"(H[dsSchedule_IT."Bank"])", 0, "expr=\"true\"") +
        R"(</band>
        <band kind="data" dataset="dsSchedule_IT" height="10">)" +
        Text(R"([dsSchedule_IT."Bank"])") + R"(</band>
        <band kind="footer" height="10">)" +
        Text(R"(F[dsSchedule_IT."Bank"])", 0, "expr=\"true\"") +
        R"(</band>
        <band kind="data" dataset="dsSchedule_IT" height="10">)" +
        Text(R"(again [dsSchedule_IT."Bank"])", 0, "expr=\"true\"") + "</band></page>");
    // The title runs before any row (nothing), the header sees row 1, the
    // footer the row after the last; a second band starts again at row 1.
    EXPECT_EQ(Texts(doc.pages.at(0)),
              (std::vector<std::string>{"", "ASHA RAO", "HSBI", "SBI", "PNB", "F", "again SBI",
                                        "again PNB"}));
}

TEST_F(ReportEngineTest, SubreportsPrintTheirPageInPlaceOnlyWhenTheHolderPrints) {
    const std::string pages = R"(
        <page name="Page1">
          <band kind="data" dataset="dsPartA_Gen" rows="1" height="30">)" +
                              Text("Part A") + R"(</band>
          <band kind="data" name="Holder" dataset="dsSchedule_IT" height="40">)" +
                              Text("Holder") + R"(<subreport x="5" y="20" page="Page2"/></band>
          <band kind="data" name="StaticHolder" rows="1" height="40">
            <subreport x="0" y="0" page="Page3"/></band>
          <band kind="data" dataset="dsPartA_Gen" rows="1" height="10">)" +
                              Text("After") + R"(</band>
        </page>
        <page name="Page2" continue="true">)" +
                              kItRows + R"(</page>
        <page name="Page3" continue="true">
          <band kind="header" height="20">)" +
                              Text("TDS heading") + R"(</band>
          <band kind="data" dataset="dsSchedule_TDS1" height="10">)" +
                              Text(R"([dsSchedule_TDS1."Name"])") + R"(</band>
        </page>)";

    const PreparedDocument with_rows = Prepare(pages);
    ASSERT_EQ(with_rows.pages.size(), 1u);  // the subreport pages are not printed again
    const PreparedPage& page = with_rows.pages[0];
    EXPECT_EQ(Texts(page), (std::vector<std::string>{"Part A", "Holder", "Heading", "SBI", "PNB",
                                                     "Total", "After"}));
    const double holder_top = kTop + 30;
    EXPECT_NEAR(TextObject(page, "Heading").y, holder_top + 20, 0.01);
    EXPECT_NEAR(TextObject(page, "Heading").x, kTop + 5, 0.01);
    EXPECT_NEAR(TextObject(page, "Total").y, holder_top + 20 + 40, 0.01);
    // The static holder prints its blank height although its table has no rows.
    EXPECT_NEAR(TextObject(page, "After").y, holder_top + 80 + 40, 0.01);

    it_ = FakeDataset::Numbered({});
    const PreparedDocument without_rows = Prepare(pages);
    EXPECT_EQ(Texts(without_rows.pages.at(0)), (std::vector<std::string>{"Part A", "After"}));
    EXPECT_NEAR(TextObject(without_rows.pages[0], "After").y, kTop + 30 + 40, 0.01);
}

TEST_F(ReportEngineTest, GroupHeadersPrintWhenTheGroupValueChanges) {
    detail_ = FakeDataset::Numbered({{{"SrNo", "1"}, {"GroupName", "Sales"}, {"Desc", "a"}},
                                     {{"SrNo", "2"}, {"GroupName", "Sales"}, {"Desc", "b"}},
                                     {{"SrNo", "3"}, {"GroupName", "Costs"}, {"Desc", "c"}}});
    const PreparedDocument doc = Prepare(R"(<page name="Page1">
        <band kind="header" height="10">)" +
                                         Text("Heading") + R"(</band>
        <band kind="groupheader" height="10" group-by='[dsDetail."GroupName"]'>)" +
                                         Text(R"([dsDetail."GroupName"])") + R"(</band>
        <band kind="data" dataset="dsDetail" height="10">)" +
                                         Text(R"([dsDetail."Desc"])") + R"(</band>
        <band kind="groupfooter" height="10">)" +
                                         Text("end of group") + R"(</band>
        <band kind="footer" height="10">)" +
                                         Text("Total") + "</band></page>");
    EXPECT_EQ(Texts(doc.pages.at(0)),
              (std::vector<std::string>{"Heading", "Sales", "a", "b", "end of group", "Costs", "c",
                                        "end of group", "Total"}));
}

TEST_F(ReportEngineTest, PagesContinueOnTheSheetBeforeOrOpenANewOne) {
    const PreparedDocument doc = Prepare(R"(
        <page name="Page1"><band kind="data" rows="1" height="100">)" +
                                         Text("one") + R"(</band></page>
        <page name="Page2" continue="true" margin-left="20">
          <band kind="data" rows="1" height="50">)" +
                                         Text("two") + R"(</band></page>
        <page name="Page3" paper="Letter"><band kind="data" rows="1" height="10">)" +
                                         Text("three") + "</band></page>");
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(Texts(doc.pages[0]), (std::vector<std::string>{"one", "two"}));
    EXPECT_NEAR(TextObject(doc.pages[0], "two").y, kTop + 100, 0.01);
    EXPECT_NEAR(TextObject(doc.pages[0], "two").x, 20 * kUnitsPerMillimetre, 0.01);
    EXPECT_EQ(Texts(doc.pages[1]), std::vector<std::string>{"three"});
    EXPECT_NEAR(doc.pages[1].width, 816, 0.01);  // Letter
    EXPECT_NEAR(doc.pages[0].width, 793.7, 0.01);
}

TEST_F(ReportEngineTest, BandsThatDoNotFitStartANewSheetWithFootersAndPageNumbersOnEach) {
    std::vector<Row> rows;
    for (int i = 1; i <= 25; ++i)
        rows.push_back({{"SrNo", std::to_string(i)}, {"Bank", "Bank " + std::to_string(i)}});
    it_ = FakeDataset::Numbered(rows);
    const PreparedDocument doc =
        Prepare(R"(
        <page name="Page1">
          <band kind="header" height="30" repeat="true">)" +
                Text("Heading") + R"(</band>
          <band kind="data" dataset="dsSchedule_IT" height="96">)" +
                Text(R"([dsSchedule_IT."Bank"])") + R"(</band>
          <band kind="pagefooter" height="20">)" +
                Text("Page [PAGE#] of [TOTALPAGES#]", 5, "expr=\"true\" grow=\"true\"") +
                R"(</band>
        </page>
        <page name="Page2" continue="true"><band kind="data" rows="1" height="10">)" +
                Text("Verification") + "</band></page>");
    // 1026.9 units of room per sheet above the footer: a heading and ten rows.
    ASSERT_EQ(doc.pages.size(), 3u);
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const PreparedPage& page = doc.pages[p];
        const std::string footer = "Page " + std::to_string(p + 1) + " of 3";
        const PreparedObject& footer_text = TextObject(page, footer);
        EXPECT_NEAR(footer_text.y, kBottom - 20 + 5, 0.01);
        EXPECT_NEAR(footer_text.w, footer.size() * 13 * 0.5 + 4, 0.01);  // grown to its text
        EXPECT_EQ(Texts(page).front(), "Heading");                       // repeated on every sheet
        for (const PreparedObject& object : page.objects) {
            if (object.y < footer_text.y - 5) {
                EXPECT_LE(object.y + 10, kBottom - 20 + 0.01);
            }
        }
    }
    EXPECT_EQ(Texts(doc.pages[0])[1], "Bank 1");
    EXPECT_EQ(Texts(doc.pages[1])[1], "Bank 11");
    EXPECT_EQ(Texts(doc.pages[2])[1], "Bank 21");
    EXPECT_EQ(Texts(doc.pages[2])[5], "Bank 25");
    EXPECT_EQ(Texts(doc.pages[2])[6], "Verification");  // continues on the last sheet
}

TEST_F(ReportEngineTest, NewPageHeadersAndOversizedBands) {
    const PreparedDocument doc = Prepare(R"(<page name="Page1">
        <band kind="data" rows="1" height="10">)" +
                                         Text("first") + R"(</band>
        <band kind="header" height="10" newpage="true">)" +
                                         Text("Heading") + R"(</band>
        <band kind="data" dataset="dsSchedule_IT" height="10">)" +
                                         Text(R"([dsSchedule_IT."Bank"])") +
                                         R"(</band>
        <band kind="data" rows="1" height="5000">)" +
                                         Text("huge") + R"(</band>
        <band kind="data" rows="1" height="10">)" +
                                         Text("last") + "</band></page>");
    ASSERT_EQ(doc.pages.size(), 4u);
    EXPECT_EQ(Texts(doc.pages[0]), std::vector<std::string>{"first"});
    EXPECT_EQ(Texts(doc.pages[1]), (std::vector<std::string>{"Heading", "SBI", "PNB"}));
    EXPECT_EQ(Texts(doc.pages[2]), std::vector<std::string>{"huge"});
    EXPECT_EQ(Texts(doc.pages[3]), std::vector<std::string>{"last"});
}

TEST_F(ReportEngineTest, VerificationScriptKeepsOneOfTheTwoCopies) {
    const std::string pages = R"(
        <verification after-page="Page1" value='[dsPartA_Gen."IsVerification"]'
                      in-place="InPlace" separate="Separate" hide-footers="SeparateFooter"/>
        <page name="Page1"><band kind="data" rows="1" height="10">)" +
                              Text("Part A") + R"(</band></page>
        <page name="Page2">
          <band kind="data" name="InPlace" dataset="dsPartA_Gen" rows="1" height="10">)" +
                              Text("Verification in place") + R"(</band>
          <band kind="data" rows="1" height="1020">)" +
                              Text("filler") + R"(</band>
          <band kind="pagefooter" height="10">)" +
                              Text("footer 2") + R"(</band></page>
        <page name="Page3" continue="true">
          <band kind="header" height="10">)" +
                              Text("Separate heading") + R"(</band>
          <band kind="data" name="Separate" dataset="dsPartA_Gen" rows="1" height="20">)" +
                              Text("Verification apart") + R"(</band>
          <band kind="data" rows="1" height="100">)" +
                              Text("note") + R"(</band>
          <band kind="pagefooter" name="SeparateFooter" height="10">)" +
                              Text("footer 3") + "</band></page>";
    struct Case {
        std::string value;
        std::vector<std::vector<std::string>> sheets;
    };
    const std::vector<Case> cases = {
        {"0", {{"Part A"}, {"Verification in place", "filler", "footer 2"}, {"note"}}},
        {"", {{"Part A"}, {"Verification in place", "filler", "footer 2"}, {"note"}}},
        {"1",
         {{"Part A"},
          {"filler", "footer 2"},
          {"Separate heading", "Verification apart", "note", "footer 3"}}},
    };
    for (const Case& c : cases) {
        gen_.Rows()[0]["IsVerification"] = c.value;
        const PreparedDocument doc = Prepare(pages);
        std::vector<std::vector<std::string>> sheets;
        for (const PreparedPage& page : doc.pages) sheets.push_back(Texts(page));
        EXPECT_EQ(sheets, c.sheets) << "IsVerification=" << c.value;
    }
}

TEST_F(ReportEngineTest, DetailRowsAreStyledByTheirLineCode) {
    detail_ = FakeDataset::Numbered({
        {{"SrNo", "1"}, {"LineID", "GH"}, {"Desc", "gh"}},
        {{"SrNo", "2"}, {"LineID", "SGF"}, {"Desc", "sgf"}, {"Amount", "10"}},
        {{"SrNo", "3"}, {"LineID", "GF"}, {"Desc", "gf"}, {"Amount", "20"}},
        {{"SrNo", "4"}, {"LineID", "SSGH"}, {"Desc", "ssgh"}},
        {{"SrNo", "5"}, {"LineID", "X"}, {"Desc", "x"}, {"Amount", "30"}},
    });
    const PreparedDocument doc = Prepare(R"(
        <rowstyle band="Details" code='[dsDetail."LineID"]' description="Desc" amounts="Amount"/>
        <page name="Page1"><band kind="data" name="Details" dataset="dsDetail" height="10">
          <text name="Desc" x="7" y="0" w="100" h="10" color="red">[dsDetail."Desc"]</text>
          <text name="Amount" x="200" y="0" w="100" h="10" color="red">[dsDetail."Amount"]</text>
        </band></page>)");
    const PreparedPage& page = doc.pages.at(0);
    struct Expect {
        std::string text;
        bool bold, italic, underline;
        Colour colour;
        double x;
    };
    const std::vector<Expect> descriptions = {
        {"gh", true, false, true, 0xFF0000FF, 2},   {"sgf", true, false, false, 0xFF008000, 2},
        {"gf", true, false, false, 0xFF008000, 2},  // keeps the colour it had
        {"ssgh", true, true, true, 0xFF800000, 20}, {"x", false, false, false, kBlack, 20},
    };
    for (const Expect& e : descriptions) {
        const PreparedObject& object = TextObject(page, e.text);
        const FontSpec& font = doc.fonts.at(object.font);
        EXPECT_EQ(font.bold, e.bold) << e.text;
        EXPECT_EQ(font.italic, e.italic) << e.text;
        EXPECT_EQ(font.underline, e.underline) << e.text;
        EXPECT_EQ(object.colour, e.colour) << e.text;
        EXPECT_NEAR(object.x, kTop + e.x, 0.01) << e.text;
    }
    EXPECT_EQ(TextObject(page, "10").colour, 0xFF008000u);  // SGF amounts turn green
    EXPECT_EQ(TextObject(page, "20").colour, 0xFF008000u);  // GF keeps their colour
    EXPECT_EQ(TextObject(page, "30").colour, kBlack);
}

TEST_F(ReportEngineTest, CheckBoxesLetterBoxesAndBarcodes) {
    gen_ = FakeDataset::Single({{"yes", "1"},
                                {"no", "0"},
                                {"other", "Y"},
                                {"spaced", "A B C 1 2"},
                                {"plain", "ABC12"},
                                {"pan", "ABCDE1234F"},
                                {"blank", "A B   C"}});
    const PreparedDocument doc = Prepare(R"(<page name="Page1">
        <band kind="data" dataset="dsPartA_Gen" rows="1" height="100">
          <checkbox x="0" y="0" value='[dsPartA_Gen."yes"]'/>
          <checkbox x="20" y="0" value='[dsPartA_Gen."no"]' frame="false"/>
          <checkbox x="40" y="0" value='[dsPartA_Gen."other"]'/>
          <checkbox x="60" y="0" value='[dsPartA_Gen."absent"]'/>
          <letterboxes x="0" y="20" count="5" value='[dsPartA_Gen."spaced"]'/>
          <letterboxes x="0" y="40" count="5" value='[dsPartA_Gen."plain"]' boxes="false"/>
          <letterboxes x="0" y="50" count="5" value='[dsPartA_Gen."blank"]' boxes="false"/>
          <barcode x="0" y="60" w="155" h="40.5" value='[dsPartA_Gen."pan"]'/>
        </band></page>)");
    const PreparedPage& page = doc.pages.at(0);
    std::vector<std::uint8_t> checks;
    for (const PreparedObject& object : page.objects) {
        if (object.kind == PreparedKind::kCheckBox) checks.push_back(object.flags);
    }
    EXPECT_EQ(checks, (std::vector<std::uint8_t>{kChecked | kFramed, 0, kFramed, kFramed}));
    // Letter-spaced or not, one character per box; a blank of the value stays.
    EXPECT_EQ(Texts(page), (std::vector<std::string>{"ABC12", "ABC12", "AB C"}));
    EXPECT_FLOAT_EQ(TextObject(page, "ABC12").cell, 15);
    const auto barcode =
        std::find_if(page.objects.begin(), page.objects.end(),
                     [](const PreparedObject& o) { return o.kind == PreparedKind::kBarcode; });
    ASSERT_NE(barcode, page.objects.end());
    EXPECT_EQ(page.Text(*barcode), "ABCDE1234F");
    EXPECT_FLOAT_EQ(barcode->w, 155);
}

TEST_F(ReportEngineTest, SpacedBarcodesEncodeTheValueWithoutItsInsertedBlanks) {
    struct Case {
        std::string value;
        std::string_view spaced;
        std::string encoded;
    };
    const std::vector<Case> cases = {
        {"A B C D E 1 2 3 4 F", "true", "ABCDE1234F"},  // the PAN as the box keys hold it
        {"ABCDE1234F", "true", "ABCDE1234F"},           // not letter-spaced: as it is
        {"AB 12", "true", "AB 12"},
        {"A B C D E 1 2 3 4 F", "false", "A B C D E 1 2 3 4 F"},
    };
    for (const Case& c : cases) {
        gen_ = FakeDataset::Single({{"A4", c.value}});
        const PreparedDocument doc = Prepare(R"(<page name="Page1">
            <band kind="data" dataset="dsPartA_Gen" rows="1" height="50">
              <barcode x="0" y="0" w="155" h="40.5" value='[dsPartA_Gen."A4"]' spaced=")" +
                                             std::string(c.spaced) + R"("/>
            </band></page>)");
        const PreparedPage& page = doc.pages.at(0);
        ASSERT_EQ(page.objects.size(), 1u);
        EXPECT_EQ(page.Text(page.objects[0]), c.encoded) << c.value;
    }
}

TEST_F(ReportEngineTest, GrowingTextsKeepTheirAnchor) {
    const PreparedDocument doc = Prepare(R"(<page name="Page1" margin="0">
        <band kind="data" dataset="dsPartA_Gen" rows="1" height="100">
          <text x="100" y="0" w="300" h="10" grow="true">[dsPartA_Gen."pi_Name"]</text>
          <text x="100" y="20" w="300" h="10" grow="true" align="right">[dsPartA_Gen."pi_Name"]</text>
          <text x="100" y="40" w="300" h="10" grow="true" align="center">[dsPartA_Gen."pi_Name"]</text>
        </band></page>)");
    const double width = 8 * 13 * 0.5 + 4;  // "ASHA RAO" at half the font size per character
    std::vector<std::pair<float, float>> boxes;
    for (const PreparedObject& object : doc.pages.at(0).objects)
        boxes.emplace_back(object.x, object.w);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NEAR(boxes[0].first, 100, 0.01);
    EXPECT_NEAR(boxes[1].first, 400 - width, 0.01);
    EXPECT_NEAR(boxes[2].first, 250 - width / 2, 0.01);
    for (const auto& box : boxes) EXPECT_NEAR(box.second, width, 0.01);
}

TEST_F(ReportEngineTest, TurnedTextsKeepTheirBoxAndAreMarkedForThePainter) {
    const PreparedDocument doc = Prepare(R"(<page name="Page1" margin="0">
        <band kind="data" dataset="dsPartA_Gen" rows="1" height="300">
          <text x="5" y="10" w="30" h="200" rotate="90" align="center">PERSONAL INFORMATION</text>
          <text x="40" y="10" w="100" h="20">[dsPartA_Gen."pi_Name"]</text>
        </band></page>)");
    const PreparedPage& page = doc.pages.at(0);
    const PreparedObject& turned = TextObject(page, "PERSONAL INFORMATION");
    EXPECT_TRUE(turned.Has(kRotated));
    EXPECT_TRUE(turned.Has(kWrap));
    EXPECT_FLOAT_EQ(turned.w, 30);  // the box stays as drawn on the sheet
    EXPECT_FLOAT_EQ(turned.h, 200);
    EXPECT_FALSE(TextObject(page, "ASHA RAO").Has(kRotated));
}

TEST_F(ReportEngineTest, ATemplateReadingADatasetTheFormLacksIsRefused) {
    report_ = LoadTemplate(R"(<report datasets="dsPartA_Gen dsPartB"><page name="P"/></report>)",
                           "itr2-2009-10.xml", DirectoryResources("/nonexistent"));
    const NamedDataset datasets[] = {{"dsPartA_Gen", &gen_}};
    try {
        PrepareReport(report_, datasets, measurer_);
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(
            error.what(),
            "The report template itr2-2009-10.xml reads the dataset dsPartB, which its report "
            "form does not carry");
    }
}

}  // namespace
}  // namespace orvane
