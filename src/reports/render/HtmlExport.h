#pragma once

#include <string>

#include "reports/engine/PreparedDocument.h"

namespace orvane {

// The document as one HTML page of fixed layout in UTF-8: every sheet a box
// of its paper size (CSS pixels are the units of the sheets), texts placed
// where they print, frames, lines, check boxes and bar codes drawn in SVG,
// pictures embedded.
std::string DocumentHtml(const PreparedDocument& document);

}  // namespace orvane
