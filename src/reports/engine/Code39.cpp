#include "reports/engine/Code39.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr int kWideRatio = 2;
constexpr int kElements = 9;                         // five bars and four spaces, bar first
constexpr int kCharacterWidth = 6 + 3 * kWideRatio;  // six narrow and three wide elements
constexpr int kGap = 1;

struct Pattern {
    char character;
    std::string_view elements;  // '1' = wide
};

constexpr std::array<Pattern, 44> kPatterns = {{
    {'0', "000110100"}, {'1', "100100001"}, {'2', "001100001"}, {'3', "101100000"},
    {'4', "000110001"}, {'5', "100110000"}, {'6', "001110000"}, {'7', "000100101"},
    {'8', "100100100"}, {'9', "001100100"}, {'A', "100001001"}, {'B', "001001001"},
    {'C', "101001000"}, {'D', "000011001"}, {'E', "100011000"}, {'F', "001011000"},
    {'G', "000001101"}, {'H', "100001100"}, {'I', "001001100"}, {'J', "000011100"},
    {'K', "100000011"}, {'L', "001000011"}, {'M', "101000010"}, {'N', "000010011"},
    {'O', "100010010"}, {'P', "001010010"}, {'Q', "000000111"}, {'R', "100000110"},
    {'S', "001000110"}, {'T', "000010110"}, {'U', "110000001"}, {'V', "011000001"},
    {'W', "111000000"}, {'X', "010010001"}, {'Y', "110010000"}, {'Z', "011010000"},
    {'-', "010000101"}, {'.', "110000100"}, {' ', "011000100"}, {'*', "010010100"},
    {'$', "010101000"}, {'/', "010100010"}, {'+', "010001010"}, {'%', "000101010"},
}};

// Every pattern has nine elements, three of them wide.
constexpr bool PatternsAreWellFormed() {
    for (const Pattern& pattern : kPatterns) {
        if (pattern.elements.size() != kElements) return false;
        int wide = 0;
        for (const char element : pattern.elements) wide += element == '1' ? 1 : 0;
        if (wide != 3) return false;
    }
    return true;
}
static_assert(PatternsAreWellFormed());

const Pattern* Find(char character) {
    const auto found = std::find_if(kPatterns.begin(), kPatterns.end(),
                                    [&](const Pattern& p) { return p.character == character; });
    return found == kPatterns.end() ? nullptr : &*found;
}

void AddCharacter(const Pattern& pattern, int& x, std::vector<Code39Bar>& bars) {
    for (int i = 0; i < kElements; ++i) {
        const int width = pattern.elements[i] == '1' ? kWideRatio : 1;
        if (i % 2 == 0) bars.push_back({x, width});
        x += width;
    }
}

}  // namespace

std::string Code39Text(std::string_view text) {
    std::string encodable;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != '*' && Find(c) != nullptr) encodable += c;
    }
    return encodable;
}

std::vector<Code39Bar> Code39Bars(std::string_view text) {
    const std::string symbol = "*" + Code39Text(text) + "*";
    std::vector<Code39Bar> bars;
    bars.reserve(symbol.size() * 5);
    int x = 0;
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        if (i > 0) x += kGap;
        AddCharacter(*Find(symbol[i]), x, bars);
    }
    return bars;
}

int Code39Width(std::string_view text) {
    const auto characters = static_cast<int>(Code39Text(text).size()) + 2;
    return characters * kCharacterWidth + (characters - 1) * kGap;
}

}  // namespace orvane
