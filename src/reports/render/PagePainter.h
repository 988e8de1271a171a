#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <vector>

#include "reports/engine/PreparedDocument.h"
#include "reports/engine/TextMeasurer.h"

namespace orvane {

// Draws the prepared sheets of one document on any QPainter: the preview,
// the printer, PDF, images and SVG all go through here. Fonts and pictures
// are made once per document. The painter's coordinates must be units of
// 1/96 inch from the sheet's top left corner (see UnitsTransform).
class PagePainter {
  public:
    explicit PagePainter(const PreparedDocument& document);

    void Paint(std::size_t page_index, QPainter& painter);

  private:
    void DrawText(const PreparedPage& page, const PreparedObject& object, QPainter& painter);
    void DrawCells(const QString& text, const PreparedObject& object, QPainter& painter);
    void DrawBox(const PreparedObject& object, QPainter& painter);
    void DrawLine(const PreparedObject& object, QPainter& painter);
    void DrawCheckBox(const PreparedObject& object, QPainter& painter);
    void DrawBarcode(const PreparedPage& page, const PreparedObject& object, QPainter& painter);
    void DrawPicture(const PreparedObject& object, QPainter& painter);
    void UsePen(QPainter& painter, Colour colour, float width);
    void UseFont(QPainter& painter, std::uint16_t font);

    const PreparedDocument& document_;
    std::vector<QFont> fonts_;
    std::vector<QFontMetricsF> metrics_;
    std::vector<QImage> pictures_;
    // What the painter currently holds, to avoid switching for every object.
    int font_ = -1;
    Colour pen_colour_ = 0;
    float pen_width_ = -1;
};

// Draws one sheet of a document (see PagePainter).
void PaintPage(const PreparedDocument& document, std::size_t page_index, QPainter& painter);

// Scales a painter of a device with `dots_per_inch` to units of 1/96 inch.
void UseUnits(QPainter& painter, double dots_per_inch);

// Measures texts with the fonts the painter uses.
class QtTextMeasurer : public TextMeasurer {
  public:
    double TextWidth(std::string_view text, const FontSpec& font) const override;
};

}  // namespace orvane
