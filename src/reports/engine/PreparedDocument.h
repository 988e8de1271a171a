#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reports/engine/TemplateModel.h"

namespace orvane {

// The result of a layout: sheets of positioned objects with their texts
// resolved, independent of any output device. Positions are in units of
// 1/96 inch from the sheet's top left corner, margins included.

enum class PreparedKind : std::uint8_t { kText, kBox, kLine, kCheckBox, kBarcode, kPicture };

enum PreparedFlag : std::uint8_t {
    kWrap = 1,     // texts: break lines to fit the width
    kClip = 2,     // texts: cut at the box
    kChecked = 4,  // check boxes: ticked
    kFramed = 8,   // check boxes: the four sides drawn
    // Texts: turned 90 degrees counter-clockwise. The text is laid out as in a
    // box h wide and w high (alignment, padding and wrapping along its own
    // lines), then turned so that its lines read from the bottom of the box to
    // the top and its first line lies along the box's left edge.
    kRotated = 16,
};

// One object of a sheet, kept small: texts live in the sheet's text pool and
// fonts and pictures are indices into the document's tables.
struct PreparedObject {
    float x = 0, y = 0, w = 0, h = 0;  // lines run from (x, y) to (x + w, y + h)
    std::uint32_t text_offset = 0;
    std::uint32_t text_length = 0;
    Colour colour = kBlack;  // text, line or frame colour
    Colour fill = kNoColour;
    float pen = 0.5f;
    float indent = 0;
    float cell = 0;  // > 0: one character centred in each cell of this width
    float padding_x = 2, padding_y = 1;
    std::uint16_t font = 0;
    std::uint16_t picture = 0;
    PreparedKind kind = PreparedKind::kText;
    HAlign halign = HAlign::kLeft;
    VAlign valign = VAlign::kTop;
    std::uint8_t flags = 0;

    bool Has(PreparedFlag flag) const { return (flags & flag) != 0; }
};

struct PreparedPage {
    double width = 0, height = 0;  // paper size
    std::vector<PreparedObject> objects;
    std::string text;  // Windows-1252 texts of all objects, one after the other

    // The text of a text, check box or bar code object.
    std::string_view Text(const PreparedObject& object) const {
        return std::string_view(text).substr(object.text_offset, object.text_length);
    }
};

struct PreparedDocument {
    std::string name;  // the template's name, for titles
    std::vector<FontSpec> fonts;
    std::vector<Picture> pictures;
    std::vector<PreparedPage> pages;
    PreviewZoom preview_zoom = PreviewZoom::kPageWidth;
};

}  // namespace orvane
