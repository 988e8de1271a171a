#pragma once

#include <string_view>

#include "reports/engine/ResourceStore.h"
#include "reports/engine/TemplateModel.h"

namespace orvane {

// Reads a template from its XML text and expands its layout helpers into
// plain objects. `file` names the template in messages; pictures are read
// from `resources`. Throws Error "<file>, line <n>: <what>" for anything that
// cannot be read, so that a faulty template stops the run with its place.
Template LoadTemplate(std::string_view xml, std::string_view file, const ResourceStore& resources);

// Reads the template file `file` from `resources`; throws Error when the
// store has no such file.
Template LoadTemplateFile(const ResourceStore& resources, std::string_view file);

// The paper sizes the templates name, in units: A4 and Letter, portrait.
struct PaperSize {
    double width;
    double height;
};
inline constexpr PaperSize kA4{210.0 * kUnitsPerMillimetre, 297.0 * kUnitsPerMillimetre};
inline constexpr PaperSize kLetter{215.9 * kUnitsPerMillimetre, 279.4 * kUnitsPerMillimetre};

}  // namespace orvane
