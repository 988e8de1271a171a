#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The state's name as the forms print it (spellings included) for a two-digit
// state code "01" to "35"; the empty text for any other code.
std::string StateName(std::string_view code);

}  // namespace orvane
