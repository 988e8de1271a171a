#include <gtest/gtest.h>

#include "Error.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// A form element as the returns hold it, with the cases the lookups must tell apart.
constexpr std::string_view kForm = R"(
<ITR1FORM:ITR1 xmlns:ITR1FORM="urn:itr1" xmlns:ITRForm="urn:master" xmlns:Other="urn:master">
  <ITRForm:CreationInfo><ITRForm:FormName></ITRForm:FormName></ITRForm:CreationInfo>
  <ITRForm:Form_ITR1>
    <ITRForm:FormName>ITR-1</ITRForm:FormName>
    <ITRForm:FormName>ignored second</ITRForm:FormName>
    <ITRForm:AssessmentYear>2009</ITRForm:AssessmentYear>
  </ITRForm:Form_ITR1>
  <ITRForm:PersonalInfo>
    <ITRForm:PAN>ABCDE1234F</ITRForm:PAN>
    <Other:Gender>M</Other:Gender>
    <ITRForm:Address>
      <ITRForm:CityOrTownOrDistrict>PUNE</ITRForm:CityOrTownOrDistrict>
      <ITRForm:Phone><ITRForm:STDcode>020</ITRForm:STDcode></ITRForm:Phone>
    </ITRForm:Address>
    <ITRForm:Twice></ITRForm:Twice>
    <ITRForm:Twice>second</ITRForm:Twice>
    <ITRForm:Empty/>
    <ITRForm:Mixed>text<ITRForm:Inner/></ITRForm:Mixed>
    <ITRForm:Cdata><![CDATA[A & B]]></ITRForm:Cdata>
    <ITRForm:Escaped>A &amp; B</ITRForm:Escaped>
  </ITRForm:PersonalInfo>
  <ITRForm:FormName>direct child, never found by FindFormValue</ITRForm:FormName>
</ITR1FORM:ITR1>)";

class LookupsTest : public ::testing::Test {
  protected:
    std::shared_ptr<ReturnDocument> document_ = ReturnDocument::Parse(kForm);
    XmlNode form_ = document_->Document().first_child();
    XmlNode info_ = FindChild(form_, "ITRForm:PersonalInfo");
};

TEST_F(LookupsTest, FindFormValueTakesTheFirstNonEmptyGrandchild) {
    EXPECT_EQ(FindFormValue(form_, "ITRForm:FormName"), "ITR-1");
    EXPECT_EQ(FindFormValue(form_, "ITRForm:AssessmentYear"), "2009");
    EXPECT_EQ(FindFormValue(form_, "ITRForm:PAN"), "ABCDE1234F");
    EXPECT_EQ(FindFormValue(form_, "ITRForm:CityOrTownOrDistrict"), "");  // a great-grandchild
    EXPECT_EQ(FindFormValue(form_, "ITRForm:Absent"), "");
}

TEST_F(LookupsTest, GetNodeValue) {
    struct Case {
        const char* name;
        XmlNode node;
        const char* asked;
        const char* expected;
    };
    const XmlNode pan = FindChild(info_, "ITRForm:PAN");
    const Case cases[] = {
        {"the node itself", pan, "ITRForm:PAN", "ABCDE1234F"},
        {"a direct child", info_, "ITRForm:PAN", "ABCDE1234F"},
        {"the first of two, even when empty", info_, "ITRForm:Twice", ""},
        {"an empty element", info_, "ITRForm:Empty", ""},
        {"another prefix for the same namespace", info_, "ITRForm:Gender", ""},
        {"the prefix as written", info_, "Other:Gender", "M"},
        {"names are case-sensitive", info_, "itrform:pan", ""},
        {"a CDATA section", info_, "ITRForm:Cdata", "A & B"},
        {"entities decoded", info_, "ITRForm:Escaped", "A & B"},
        {"no node", XmlNode{}, "ITRForm:PAN", ""},
        {"not a grandchild", form_, "ITRForm:PAN", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(GetNodeValue(c.node, c.asked), c.expected) << c.name;
}

TEST_F(LookupsTest, FindChildSearchesDirectChildrenOnly) {
    EXPECT_EQ(FindChild(form_, "ITRForm:PersonalInfo"), info_);
    EXPECT_FALSE(FindChild(form_, "ITRForm:PAN"));
    EXPECT_FALSE(FindChild(XmlNode{}, "ITRForm:PAN"));
}

TEST_F(LookupsTest, GetPathValueWalksTheLeadingSteps) {
    const XmlNode root = document_->Document();
    struct Case {
        const char* name;
        std::string value;
        const char* expected;
    };
    const Case cases[] = {
        {"full path",
         GetPathValue(root, "ITR1FORM:ITR1", "ITRForm:PersonalInfo", "ITRForm:Address",
                      "ITRForm:Phone", "", "ITRForm:STDcode"),
         "020"},
        {"empty step1 reads below root", GetPathValue(info_, "", "", "", "", "", "ITRForm:PAN"),
         "ABCDE1234F"},
        {"empty step2 ends the walk, step3 ignored",
         GetPathValue(form_, "ITRForm:PersonalInfo", "", "ITRForm:Address", "", "", "ITRForm:PAN"),
         "ABCDE1234F"},
        {"missing step", GetPathValue(form_, "ITRForm:Absent", "", "", "", "", "ITRForm:PAN"), ""},
        {"slash path",
         GetPathValue(form_, "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:CityOrTownOrDistrict"),
         "PUNE"},
        {"slash path, name only", GetPathValue(info_, "ITRForm:PAN"), "ABCDE1234F"},
        {"slash path below no node", GetPathValue(XmlNode{}, "ITRForm:PersonalInfo/ITRForm:PAN"),
         ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, c.expected) << c.name;
}

TEST_F(LookupsTest, TextOfAContainerRaisesTheXmlLayersError) {
    for (const char* container : {"ITRForm:Address", "ITRForm:Mixed"}) {
        try {
            GetNodeValue(info_, container);
            ADD_FAILURE() << container << " gave no error";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Element does not contain a single text node");
        }
    }
}

TEST_F(LookupsTest, TextComesOutInTheWindowsCodePage) {
    const auto document = ReturnDocument::Parse("<n>Jos\xC3\xA9 \xE2\x82\xB9</n>");
    EXPECT_EQ(GetNodeValue(document->Document().first_child(), "n"), "Jos\xE9 ?");
}

TEST_F(LookupsTest, NodeNames) {
    const auto document = ReturnDocument::Parse("<?xml version=\"1.0\"?><!--c--><?pi x?><ITR:R/>");
    std::vector<std::string> names;
    for (const XmlNode node : document->Document().children()) names.push_back(NodeName(node));
    EXPECT_EQ(names, (std::vector<std::string>{"xml", "#comment", "pi", "ITR:R"}));
}

}  // namespace
}  // namespace orvane
