#include <gtest/gtest.h>

#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

struct Case {
    const char* name;
    std::string utf8;
    std::string ansi;
};

TEST(AnsiCodePage, ConvertsBothWays) {
    const Case cases[] = {
        {"ascii", "PAN ABCDE1234F", "PAN ABCDE1234F"},
        {"latin1", "Jos\xC3\xA9", "Jos\xE9"},
        {"euro sign in the high controls", "\xE2\x82\xAC 5", "\x80 5"},
        {"right single quote", "\xE2\x80\x99", "\x92"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << c.name;
        EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8) << c.name;
    }
}

TEST(AnsiCodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("\xE0\xA4\x95\xE0\xA4\xB0"), "??");  // Devanagari
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xB9 100"), "? 100");       // rupee sign
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?");           // outside the BMP
}

TEST(AnsiCodePage, MalformedUtf8NeverCrashes) {
    EXPECT_EQ(Utf8ToAnsi("A\xFF"
                         "B"),
              "A?B");
    EXPECT_EQ(Utf8ToAnsi("A\xC3"), "A?");  // cut sequence at the end
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82"
                         "A"),
              "??A");
}

}  // namespace
}  // namespace orvane
