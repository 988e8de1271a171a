#pragma once

#include <span>
#include <string_view>

namespace orvane {

// One file of the templates folder as compiled into the program.
struct EmbeddedResource {
    std::string_view name;  // relative to the templates folder, with "/"
    std::string_view bytes;
};

// Every embedded file. The definition is generated at build time from the
// contents of the templates folder (templates/CMakeLists.txt).
std::span<const EmbeddedResource> EmbeddedResourceTable();

}  // namespace orvane
