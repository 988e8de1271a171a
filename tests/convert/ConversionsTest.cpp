#include <gtest/gtest.h>

#include <limits>

#include "Error.h"
#include "convert/Conversions.h"

namespace orvane {
namespace {

TEST(AddIntText, AddsDecimalIntegers) {
    struct Case {
        std::int32_t total;
        const char* text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {5, "", 5},
        {5, "-3", 2},
        {5, "+3", 8},
        {0, "  42", 42},
        {0, "2147483647", std::numeric_limits<std::int32_t>::max()},
        {0, "-2147483648", std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<std::int32_t>::max(), "1", std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(AddIntText(c.total, c.text), c.expected) << c.text;
}

TEST(AddIntText, RefusesWhatIsNotAnInteger) {
    for (const char* text : {"1,000", "12.50", "12 ", "2147483648", "-2147483649", "-", "abc", " ",
                             "99999999999999999999"}) {
        try {
            AddIntText(0, text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(FloatOrNil, GeneralFormat) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "Nil"},         {2.5, "2.5"},
        {100.0, "100"},       {-3.25, "-3.25"},
        {0.00001, "0.00001"}, {0.000001, "1E-6"},
        {1e15, "1E15"},       {123456789012345.0, "123456789012345"},
        {0.1 + 0.2, "0.3"},   {1234567.125, "1234567.125"},
        {-1.5e-7, "-1.5E-7"},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(FloatOrNil(x), expected) << x;
}

TEST(AmountOrNil, NilForBlankOrZero) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Nil"},    {"   ", "Nil"},   {" 0 ", "Nil"}, {"0", "Nil"},
        {" 12", " 12"}, {"0.00", "0.00"}, {"00", "00"},   {"-1500", "-1500"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(AmountOrNil(text), expected) << "'" << text << "'";
}

TEST(Dates, RearrangedByPosition) {
    struct Case {
        const char* text;
        const char* reformat;
        const char* by_position;
    };
    const Case cases[] = {
        {"2011-03-31", "31-03-2011", "31-03-2011"},
        {"2010-07-31", "31-07-2010", "31-07-2010"},
        {"", "", "--"},
        {"-", "", "---"},
        {"--", "", "----"},
        {" ", "-- ", "-- "},
        {"2009", "--2009", "--2009"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReformatDate(c.text), c.reformat) << "'" << c.text << "'";
        EXPECT_EQ(DateByPosition(c.text), c.by_position) << "'" << c.text << "'";
    }
}

TEST(SpaceLetters, EveryCharacterFollowedByABlank) {
    EXPECT_EQ(SpaceLetters("AB"), "A B ");
    EXPECT_EQ(SpaceLetters(""), "");
    EXPECT_EQ(SpaceLetters("ABCDE1234F").size(), 20u);
}

TEST(IfElseStr, ChoosesByTheCondition) {
    EXPECT_EQ(IfElseStr(true, "a", "b"), "a");
    EXPECT_EQ(IfElseStr(false, "a", "b"), "b");
}

}  // namespace
}  // namespace orvane
