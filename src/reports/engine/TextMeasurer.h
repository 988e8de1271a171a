#pragma once

#include <string_view>

#include "reports/engine/TemplateModel.h"

namespace orvane {

// Measures texts for the objects that grow to the width of their text. The
// painting side supplies the real one; the engine itself has no fonts.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;

    // The advance width, in units, of a one-line Windows-1252 text.
    virtual double TextWidth(std::string_view text, const FontSpec& font) const = 0;
};

// A measurer without fonts: every character is half the font size wide.
// Good enough for tests and for documents without growing texts.
class ApproximateTextMeasurer : public TextMeasurer {
  public:
    double TextWidth(std::string_view text, const FontSpec& font) const override {
        return static_cast<double>(text.size()) * font.size * 0.5;
    }
};

}  // namespace orvane
