#include <gtest/gtest.h>

#include <set>

#include "reports/engine/Code39.h"

namespace orvane {
namespace {

std::vector<std::pair<int, int>> Bars(std::string_view text) {
    std::vector<std::pair<int, int>> bars;
    for (const Code39Bar& bar : Code39Bars(text)) bars.emplace_back(bar.x, bar.width);
    return bars;
}

TEST(Code39, EncodesStartAndStopAroundTheText) {
    // "*" is narrow bar, wide space, narrow bar, narrow space, wide bar,
    // narrow space, wide bar, narrow space, narrow bar; one narrow gap follows.
    const std::vector<std::pair<int, int>> star = {{0, 1}, {3, 1}, {5, 2}, {8, 2}, {11, 1}};
    std::vector<std::pair<int, int>> empty = star;
    for (const auto& [x, w] : star) empty.emplace_back(x + 13, w);
    EXPECT_EQ(Bars(""), empty);
    EXPECT_EQ(Code39Width(""), 25);

    const auto a = Bars("A");
    ASSERT_EQ(a.size(), 15u);
    const std::vector<std::pair<int, int>> letter_a = {{13, 2}, {16, 1}, {18, 1}, {21, 1}, {23, 2}};
    EXPECT_EQ(std::vector(a.begin() + 5, a.begin() + 10), letter_a);
    EXPECT_EQ(Code39Width("A"), 38);
    EXPECT_EQ(Code39Width("ABCDE1234F"), 12 * 12 + 11);
}

TEST(Code39, KeepsOnlyWhatItCanEncode) {
    EXPECT_EQ(Code39Text("ab-c*\xE9 1.$/+%"), "AB-C 1.$/+%");
    EXPECT_EQ(Code39Text("A B C D E 1 2 3 4 F"), "A B C D E 1 2 3 4 F");
}

TEST(Code39, EveryCharacterHasItsOwnPattern) {
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    std::set<std::vector<std::pair<int, int>>> patterns;
    for (const char c : alphabet) {
        const auto bars = Bars(std::string(1, c));
        patterns.insert(std::vector(bars.begin() + 5, bars.begin() + 10));
        EXPECT_EQ(bars.back().first + bars.back().second, Code39Width(std::string(1, c))) << c;
    }
    EXPECT_EQ(patterns.size(), alphabet.size());
}

}  // namespace
}  // namespace orvane
