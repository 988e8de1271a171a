#include <gtest/gtest.h>

#include "Error.h"
#include "reports/engine/TemplateLoader.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

const DirectoryResources kNoFiles{"/nonexistent"};

Template Load(std::string_view xml, const ResourceStore& resources = kNoFiles) {
    return LoadTemplate(xml, "test.xml", resources);
}

std::string LoadError(std::string_view xml) {
    try {
        Load(xml);
    } catch (const Error& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST(TemplateLoader, ReadsPagesBandsAndObjectsInUnits) {
    const Template t = Load(R"(<?xml version="1.0"?>
<report name="ITR 1" datasets="dsPartA_Gen dsSchedule_IT" preview-zoom="100%">
  <page name="Page1" margin="10" font="Times New Roman" size="11">
    <band kind="data" name="MasterData1" dataset="dsPartA_Gen" rows="1" height="40" bold="true">
      <text name="Memo1" x="1" y="2" w="100" h="15" align="right" valign="center">Name</text>
      <box x="0" y="0" w="718.11" h="40" pen="0.1" fill="white"/>
      <line x="50" y="0" h="40"/>
    </band>
  </page>
  <page name="Page2" paper="Letter" margin-top="5.29" continue="true">
    <band kind="data" name="MasterData2" dataset="dsSchedule_IT" height="18"/>
  </page>
</report>)");
    EXPECT_EQ(t.name, "ITR 1");
    EXPECT_EQ(t.datasets, (std::vector<std::string>{"dsPartA_Gen", "dsSchedule_IT"}));
    EXPECT_EQ(t.preview_zoom, PreviewZoom::kActualSize);
    ASSERT_EQ(t.pages.size(), 2u);

    const TemplatePage& a4 = t.pages[0];
    EXPECT_NEAR(a4.width, 793.7, 0.01);
    EXPECT_NEAR(a4.height, 1122.52, 0.01);
    EXPECT_NEAR(a4.margin_left, 37.795, 0.001);
    EXPECT_NEAR(a4.width - a4.margin_left - a4.margin_right, 718.11, 0.01);
    EXPECT_FALSE(a4.continue_on_previous);
    const Band& band = a4.bands.at(0);
    EXPECT_EQ(band.kind, BandKind::kData);
    EXPECT_EQ(band.dataset, 0);
    EXPECT_EQ(band.row_limit, 1);
    ASSERT_EQ(band.objects.size(), 3u);
    const TemplateObject& text = band.objects[0];
    EXPECT_EQ(text.name, "Memo1");
    EXPECT_EQ(text.halign, HAlign::kRight);
    EXPECT_EQ(text.valign, VAlign::kCenter);
    EXPECT_EQ(t.fonts.at(static_cast<std::size_t>(text.font)),
              (FontSpec{"Times New Roman", 11, true, false, false}));
    EXPECT_EQ(band.objects[1].fill, kWhite);
    EXPECT_DOUBLE_EQ(band.objects[1].pen, 0.1);
    EXPECT_DOUBLE_EQ(band.objects[2].h, 40);

    const TemplatePage& letter = t.pages[1];
    EXPECT_NEAR(letter.width, 816, 0.01);
    EXPECT_NEAR(letter.height, 1056, 0.01);
    EXPECT_NEAR(letter.margin_top, 5.29 * kUnitsPerMillimetre, 0.001);
    EXPECT_TRUE(letter.continue_on_previous);
    EXPECT_EQ(t.fonts.size(), 1u);  // Page2 has no objects of its own
}

TEST(TemplateLoader, TextsPrintLiterallyUnlessBoundOrEvaluated) {
    using Kind = TextPart::Kind;
    struct Case {
        std::string content;
        bool expr;
        TextParts parts;
    };
    const std::vector<Case> cases = {
        {R"([dsPartA_Gen."pi_FirstName"])", false, {{Kind::kField, "pi_FirstName", 0}}},
        {R"(  [dsPartA_Gen."pi_FirstName"]  )", false, {{Kind::kField, "pi_FirstName", 0}}},
        {"[as per Form No.16 issued by employer(s)]",
         false,
         {{Kind::kLiteral, "[as per Form No.16 issued by employer(s)]", -1}}},
        {"[PAGE#] of [TOTALPAGES#]", false, {{Kind::kLiteral, "[PAGE#] of [TOTALPAGES#]", -1}}},
        {"[PAGE#] of [TOTALPAGES#]",
         true,
         {{Kind::kPage, "", -1}, {Kind::kLiteral, " of ", -1}, {Kind::kTotalPages, "", -1}}},
        {R"(Balance Sheet as on [dsPartA_Gen."AsOn"])",
         true,
         {{Kind::kLiteral, "Balance Sheet as on ", -1}, {Kind::kField, "AsOn", 0}}},
        {"Line one\n      Line two  ", false, {{Kind::kLiteral, "Line one\nLine two", -1}}},
        {"Rs. \xE2\x82\xB9 caf\xC3\xA9", false, {{Kind::kLiteral, "Rs. ? caf\xE9", -1}}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        const std::string xml =
            R"(<report datasets="dsPartA_Gen"><page name="P"><band kind="title" height="9">
            <text x="0" y="0" w="9" h="9" expr=")" +
            std::string(c.expr ? "true" : "false") + "\"><![CDATA[" + c.content +
            "]]></text></band></page></report>";
        EXPECT_EQ(Load(xml).pages[0].bands[0].objects[0].text, c.parts) << c.content;
    }
}

TEST(TemplateLoader, HelpersExpandIntoPlainObjects) {
    const Template t = Load(R"(<report datasets="dsPartA_Gen dsSchedule_IT">
  <page name="Page1" margin="10">
    <band kind="data" name="MasterData1" dataset="dsPartA_Gen" rows="1" height="100">
      <captionrow y="0" no="1" caption="Gross total income" value='[dsPartA_Gen."ti_1"]' name="Gti"/>
      <letterboxes x="10" y="20" count="10" box="14" value='[dsPartA_Gen."A4"]'
                   font="Courier New" size="12" bold="true"/>
      <checkcaption x="10" y="50" value='[dsPartA_Gen."fs_Resident"]' caption="Resident"/>
    </band>
    <table name="MasterData2" dataset="dsSchedule_IT" title="Schedule-IT" row-height="16">
      <column w="30" heading="Sl." field="SrNo" align="center"/>
      <column w="200" heading="Name of Bank" field="Name"/>
    </table>
  </page>
</report>)");
    const std::vector<TemplateObject>& objects = t.pages[0].bands[0].objects;
    // caption row: frame, number, caption, value box, value
    ASSERT_EQ(objects.size(), 5u + 11u + 2u);
    EXPECT_EQ(objects[0].kind, ObjectKind::kBox);
    EXPECT_NEAR(objects[0].w, 718.11, 0.01);
    EXPECT_EQ(objects[1].text.at(0).text, "1");
    EXPECT_EQ(objects[2].text.at(0).text, "Gross total income");
    EXPECT_EQ(objects[3].kind, ObjectKind::kBox);
    EXPECT_NEAR(objects[3].x, 718.11 - 110, 0.01);
    EXPECT_EQ(objects[4].name, "Gti");
    EXPECT_EQ(objects[4].halign, HAlign::kRight);
    EXPECT_EQ(objects[4].text.at(0).kind, TextPart::Kind::kField);
    // letter boxes: ten boxes, then one text with a cell per box
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(objects[5 + i].kind, ObjectKind::kBox);
        EXPECT_DOUBLE_EQ(objects[5 + i].x, 10 + 14 * i);
    }
    const TemplateObject& letters = objects[15];
    EXPECT_DOUBLE_EQ(letters.cell, 14);
    EXPECT_DOUBLE_EQ(letters.w, 140);
    EXPECT_EQ(t.fonts.at(static_cast<std::size_t>(letters.font)),
              (FontSpec{"Courier New", 12, true, false, false}));
    // check box and caption
    EXPECT_EQ(objects[16].kind, ObjectKind::kCheckBox);
    EXPECT_EQ(objects[16].text.at(0).text, "fs_Resident");
    EXPECT_EQ(objects[17].text.at(0).text, "Resident");
    EXPECT_DOUBLE_EQ(objects[17].x, 10 + 12 + 4);

    // table: a repeating header band and a data band bound to the dataset
    ASSERT_EQ(t.pages[0].bands.size(), 3u);
    const Band& header = t.pages[0].bands[1];
    const Band& data = t.pages[0].bands[2];
    EXPECT_EQ(header.kind, BandKind::kHeader);
    EXPECT_EQ(header.name, "MasterData2Header");
    EXPECT_TRUE(header.repeat);
    EXPECT_DOUBLE_EQ(header.height, 50);
    EXPECT_EQ(data.kind, BandKind::kData);
    EXPECT_EQ(data.name, "MasterData2");
    EXPECT_EQ(data.dataset, 1);
    EXPECT_DOUBLE_EQ(data.height, 16);
    ASSERT_EQ(data.objects.size(), 4u);
    EXPECT_EQ(data.objects[1].text, (TextParts{{TextPart::Kind::kField, "SrNo", 1}}));
    EXPECT_EQ(data.objects[1].halign, HAlign::kCenter);
    EXPECT_DOUBLE_EQ(data.objects[3].x, 30);
}

TEST(TemplateLoader, TableHeadingsTakeTheirOwnSize) {
    const Template t = Load(R"xml(<report datasets="dsSchedule_TDS1">
  <page name="Page1" size="13">
    <table name="MasterData1" dataset="dsSchedule_TDS1" title="Details of TDS From Salary"
           heading-bold="true" heading-size="11">
      <column w="30" heading="Sl No&#10;(1)" field="SrNo"/>
    </table>
  </page>
</report>)xml");
    const Band& header = t.pages[0].bands.at(0);
    const Band& data = t.pages[0].bands.at(1);
    const auto font_of = [&](const TemplateObject& object) {
        return t.fonts.at(static_cast<std::size_t>(object.font));
    };
    // heading box, heading, title box, title
    ASSERT_EQ(header.objects.size(), 4u);
    EXPECT_EQ(header.objects[1].text.at(0).text, "Sl No\n(1)");
    EXPECT_EQ(font_of(header.objects[1]), (FontSpec{"Book Antiqua", 11, true, false, false}));
    EXPECT_EQ(font_of(header.objects[3]), (FontSpec{"Book Antiqua", 11, true, false, false}));
    EXPECT_EQ(font_of(data.objects.at(1)), (FontSpec{"Book Antiqua", 13, false, false, false}));
    EXPECT_EQ(LoadError(R"(<report datasets="dsSchedule_IT"><page name="P">
      <table name="T" dataset="dsSchedule_IT" heading-size="0"><column w="9"/></table>
      </page></report>)"),
              "test.xml, line 2: a font size must be greater than 0");
}

TEST(TemplateLoader, ResolvesSubreportsScriptsAndPictures) {
    const test::TempDir dir;
    std::filesystem::create_directories(dir / "artwork");
    test::WriteFile(dir / "artwork/emblem.png", "PNG bytes");
    const DirectoryResources resources(dir.Path());
    const Template t = Load(R"(<report datasets="dsPartA_Gen dsDetail">
  <verification after-page="Page1" value='[dsPartA_Gen."IsVerification"]'
                in-place="MasterData1" separate="MasterData3" hide-footers="PageFooter3"/>
  <rowstyle band="MasterData4" code='[dsDetail."LineID"]' description="Desc" amounts="A1 A2"/>
  <page name="Page1">
    <band kind="data" name="MasterData1" height="50">
      <picture x="0" y="0" w="112" h="164" src="artwork/emblem.png"/>
      <subreport x="0" y="10" page="Page3"/>
      <subreport x="0" y="30" page="Page2"/>
    </band>
  </page>
  <page name="Page2"><band kind="data" name="MasterData2" height="5"/></page>
  <page name="Page3" continue="true">
    <band kind="data" name="MasterData3" height="5"/>
    <band kind="data" name="MasterData4" dataset="dsDetail" height="5">
      <text name="Desc" x="0" y="0" w="9" h="5">x</text>
      <text name="A1" x="0" y="0" w="9" h="5">x</text>
      <text name="A2" x="0" y="0" w="9" h="5">x</text>
    </band>
    <band kind="pagefooter" name="PageFooter3" height="5"/>
  </page>
</report>)",
                            resources);
    const std::vector<TemplateObject>& objects = t.pages[0].bands[0].objects;
    EXPECT_EQ(objects[0].picture, 0);
    EXPECT_EQ(*t.pictures.at(0).bytes, "PNG bytes");
    EXPECT_EQ(objects[1].target_page, 2);
    EXPECT_EQ(objects[2].target_page, 1);
    ASSERT_TRUE(t.verification.has_value());
    EXPECT_EQ(t.verification->after_page, 0);
    EXPECT_EQ(t.verification->hidden_footers, std::vector<std::string>{"PageFooter3"});
    ASSERT_EQ(t.row_styles.size(), 1u);
    EXPECT_EQ(t.row_styles[0].amounts, (std::vector<std::string>{"A1", "A2"}));
}

TEST(TemplateLoader, ErrorsNameTheFileAndTheLine) {
    struct Case {
        std::string_view xml;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {"<report>\n<page name=\"P\">\n</report>", "test.xml, line 3: "},
        {"<form/>", "test.xml, line 1: the template must start with <report>"},
        {"<report/>", "test.xml, line 1: the template has no <page>"},
        {"<report>\n<page name=\"P\" colour=\"red\"/></report>",
         "test.xml, line 2: <page> does not take the attribute 'colour'"},
        {"<report><page name=\"P\">\n<band kind=\"data\"/></page></report>",
         "test.xml, line 2: <band> needs the attribute 'height'"},
        {"<report><page name=\"P\">\n<band kind=\"detail\" height=\"1\"/></page></report>",
         "line 2: there is no band kind 'detail'"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n\n<text x=\"1mm\" y=\"0\" "
         "w=\"1\" "
         "h=\"1\"/></band></page></report>",
         "line 3: '1mm' is not a number for x"},
        {"<report><page name=\"P\"><band kind=\"data\" "
         "height=\"1\">\n<memo/></band></page></report>",
         "line 2: <band> cannot hold <memo>"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<text x=\"0\" y=\"0\" "
         "w=\"1\" "
         "h=\"1\">[dsPartB.\"x\"]</text></band></page></report>",
         "line 2: the dataset dsPartB is not among the datasets of <report datasets=...>"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<text x=\"0\" y=\"0\" "
         "w=\"1\" "
         "h=\"1\" expr=\"true\">[Date]</text></band></page></report>",
         "line 2: cannot read [Date]"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<subreport x=\"0\" y=\"0\" "
         "page=\"P9\"/></band></page></report>",
         "line 2: no page named P9"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\"><subreport x=\"0\" y=\"0\" "
         "page=\"Q\"/></band></page>\n<page name=\"Q\"><band kind=\"data\" height=\"1\"><subreport "
         "x=\"0\" y=\"0\" page=\"P\"/></band></page></report>",
         "prints itself through its subreports"},
        {"<report><page name=\"P\">\n<band kind=\"header\" height=\"1\"/>\n<band kind=\"title\" "
         "height=\"1\"/></page></report>",
         "line 3: a header must be followed by its data band"},
        {"<report><page name=\"P\">\n<band kind=\"footer\" height=\"1\"/></page></report>",
         "line 2: a footer must follow a data band"},
        {"<report><page name=\"P\"><band kind=\"data\" name=\"B\" height=\"1\"/>\n<band "
         "kind=\"data\" "
         "name=\"B\" height=\"1\"/></page></report>",
         "line 2: a second band named B"},
        {"<report>\n<verification after-page=\"P\" value=\"1\" in-place=\"Nope\"/><page "
         "name=\"P\"/>"
         "</report>",
         "line 2: no data band named Nope"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<picture x=\"0\" y=\"0\" "
         "w=\"1\" "
         "h=\"1\" src=\"artwork/none.png\"/></band></page></report>",
         "line 2: there is no picture artwork/none.png"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<box x=\"0\" y=\"0\" w=\"1\" "
         "h=\"1\" fill=\"pink\"/></band></page></report>",
         "line 2: 'pink' is not a colour"},
        {"<report><page name=\"P\" paper=\"A3\"/></report>", "paper is A4 or Letter, not 'A3'"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<barcode x=\"0\" y=\"0\" "
         "w=\"1\" h=\"1\" value=\"A\" spaced=\"blanks\"/></band></page></report>",
         "line 2: 'blanks' is not true or false for spaced"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<text x=\"0\" y=\"0\" "
         "w=\"1\" h=\"1\" rotate=\"270\">A</text></band></page></report>",
         "line 2: rotate is 0 or 90 (a quarter turn to the left), not '270'"},
        {"<report><page name=\"P\"><band kind=\"data\" height=\"1\">\n<text x=\"0\" y=\"0\" "
         "w=\"1\" h=\"1\" rotate=\"90\" cell=\"15\">A</text></band></page></report>",
         "line 2: a turned text cannot grow or print in cells"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(LoadError(c.xml).find(c.message), std::string::npos)
            << c.xml << "\n gave: " << LoadError(c.xml);
    }
}

TEST(TemplateLoader, MissingTemplateFileIsAClearError) {
    try {
        LoadTemplateFile(kNoFiles, "itr2-2009-10.xml");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "There is no report template itr2-2009-10.xml");
    }
}

}  // namespace
}  // namespace orvane
