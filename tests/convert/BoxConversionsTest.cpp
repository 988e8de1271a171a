#include <gtest/gtest.h>

#include "Error.h"
#include "convert/BoxConversions.h"

namespace orvane {
namespace {

TEST(BoxConversions, Flags) {
    EXPECT_EQ(Flag("M", "M"), "1");
    EXPECT_EQ(Flag("m", "M"), "0");
    EXPECT_EQ(Flag("", "M"), "0");
    EXPECT_EQ(FlagOnFirstThree("Resident", "RES"), "1");
    EXPECT_EQ(FlagOnFirstThree("nri", "NRI"), "1");
    EXPECT_EQ(FlagOnFirstThree("NO", "NOR"), "0");
}

TEST(BoxConversions, CompactDate) {
    EXPECT_EQ(CompactDate("1975-04-09"), "0 9 0 4 1 9 7 5 ");
    EXPECT_EQ(CompactDate(""), "");
}

TEST(BoxConversions, SignSplit) {
    struct Case {
        const char* text;
        std::optional<std::string> sign;
        const char* letters;
    };
    const Case cases[] = {
        {"-1500", "-", "1 5 0 0 "},
        {"1500", std::nullopt, "1 5 0 0 "},
        {"", std::nullopt, ""},
        {"-15-00", "-", "1 5 0 0 "},
    };
    for (const Case& c : cases) {
        const SignSplit split = SplitSign(c.text);
        EXPECT_EQ(split.sign, c.sign) << c.text;
        EXPECT_EQ(split.letters, c.letters) << c.text;
    }
}

TEST(BoxConversions, RefundAndNilTests) {
    EXPECT_EQ(RefundTest("2500"), "1");
    EXPECT_EQ(RefundTest("0"), "0");
    EXPECT_EQ(RefundTest(""), "0");
    EXPECT_EQ(NilTest("2500", "0"), "0");
    EXPECT_EQ(NilTest("", ""), "1");
    EXPECT_EQ(NilTest("0", "0"), "1");
    EXPECT_THROW(NilTest("2500.50", "0"), Error);
}

}  // namespace
}  // namespace orvane
