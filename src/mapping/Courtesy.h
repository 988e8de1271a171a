#pragma once

#include <string_view>

namespace orvane {

// The one-line credit of the software's publisher that the staging files carry
// (keys User and SoftwareBy) and the page footers print.
inline constexpr std::string_view kCourtesyLine = "Printed with Orvane Printing Release v.3.0";

}  // namespace orvane
