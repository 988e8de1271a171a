#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One bar of a Code 39 symbol: its left edge and width, in narrow-module
// units from the symbol's left edge.
struct Code39Bar {
    int x;
    int width;
};

// The characters Code 39 encodes: digits, capital letters, blank and - . $ / + %.
// Small letters are encoded as capitals; other characters are left out.
std::string Code39Text(std::string_view text);

// The bars of the symbol for `text` (after Code39Text), between the start and
// stop characters "*", with a wide element twice as wide as a narrow one and
// one narrow gap between characters.
std::vector<Code39Bar> Code39Bars(std::string_view text);

// The width of the whole symbol in narrow modules.
int Code39Width(std::string_view text);

}  // namespace orvane
