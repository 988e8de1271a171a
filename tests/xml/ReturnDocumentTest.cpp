#include <gtest/gtest.h>

#include "Error.h"
#include "support/TempDir.h"
#include "xml/Lookups.h"
#include "xml/ReturnDocument.h"

namespace orvane {
namespace {

std::string ParseError(std::string_view xml) {
    try {
        ReturnDocument::Parse(xml, "RETURN.XML");
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(ReturnDocument, KeepsDeclarationCommentsAndInstructionsAsTopLevelNodes) {
    const auto document = ReturnDocument::Parse(
        "<?xml version=\"1.0\"?>\n<!-- a comment -->\n<?app data?>\n<ITRETURN:ITR/>");
    EXPECT_EQ(document->TopLevelNodeCount(), 4u);
    EXPECT_EQ(NodeName(document->Document().first_child()), "xml");
    document->RemoveFirstTopLevelNode();
    EXPECT_EQ(NodeName(document->Document().first_child()), "#comment");
}

TEST(ReturnDocument, DropsWhitespaceOnlyText) {
    const auto document = ReturnDocument::Parse("<a>\n  <b>1</b>\n  <c> x </c>\n</a>");
    const XmlNode a = document->Document().first_child();
    EXPECT_EQ(std::distance(a.begin(), a.end()), 2);
    EXPECT_EQ(GetNodeValue(a, "c"), " x ");
}

TEST(ReturnDocument, ErrorNamesTheProblemAndItsLine) {
    struct Case {
        const char* xml;
        const char* expected;
    };
    const Case cases[] = {
        {"<a>\n<b>\n</a>", "RETURN.XML is not well-formed XML: Start-end tags mismatch at line 3"},
        {"", "RETURN.XML is not well-formed XML: No document element found at line 1"},
        {"<a>\n\n<b x=1/></a>", "at line 3"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(ParseError(c.xml).find(c.expected), std::string::npos)
            << c.xml << " gave " << ParseError(c.xml);
    }
}

TEST(ReturnDocument, ReadsTheEncodingsReturnsAreWrittenIn) {
    struct Case {
        const char* name;
        std::string xml;
    };
    const Case cases[] = {
        {"utf-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><n>Jos\xC3\xA9</n>"},
        {"latin-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><n>Jos\xE9</n>"},
        {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><n>Jos\xE9</n>"},
        {"utf-8 bom", "\xEF\xBB\xBF<n>Jos\xC3\xA9</n>"},
        {"utf-16le bom", std::string("\xFF\xFE<\0n\0>\0J\0o\0s\0\xE9\0<\0/\0n\0>\0", 24)},
    };
    for (const Case& c : cases) {
        const auto document = ReturnDocument::Parse(c.xml);
        EXPECT_EQ(GetNodeValue(document->Document().child("n"), "n"), "Jos\xE9") << c.name;
    }
}

TEST(ReturnDocument, LoadReportsAMissingFile) {
    const test::TempDir dir;
    EXPECT_THROW(ReturnDocument::Load(dir / "absent.xml"), Error);
    test::WriteFile(dir / "r.xml", "<r><x>1</x></r>");
    EXPECT_EQ(GetPathValue(ReturnDocument::Load(dir / "r.xml")->Document(), "r/x"), "1");
}

}  // namespace
}  // namespace orvane
