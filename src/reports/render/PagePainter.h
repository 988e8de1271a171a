#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <array>
#include <cstddef>
#include <vector>

#include "reports/engine/PreparedDocument.h"
#include "reports/engine/TextMeasurer.h"

namespace orvane {

// Draws the prepared sheets of one document on any QPainter: the preview,
// the printer, PDF, images and SVG all go through here. Fonts and pictures
// are made once per document. The painter's coordinates must be units of
// 1/96 inch from the sheet's top left corner (see UseUnits).
//
// Texts of one line and frames are gathered by font and colour, and by pen,
// and drawn in a few calls: what they draw does not cover anything, so only
// fills, pictures and bar codes, which do, make the gathered ones be drawn
// first. This keeps a sheet of two thousand objects quick to write as PDF.
class PagePainter {
  public:
    // Without glyph runs every text is drawn as text on its own, as outputs
    // that keep texts as such (SVG) need; glyph runs would become outlines.
    enum class Texts { kGlyphRuns, kOneByOne };

    explicit PagePainter(const PreparedDocument& document, Texts texts = Texts::kGlyphRuns);

    void Paint(std::size_t page_index, QPainter& painter);

  private:
    // The glyph and advance of each Windows-1252 character in one font.
    struct FontGlyphs {
        QRawFont raw;
        std::array<quint32, 256> glyph{};
        std::array<qreal, 256> advance{};
        qreal ascent = 0, descent = 0;
        bool underline = false;
    };
    struct TextBatch {
        std::uint16_t font;
        Colour colour;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    struct StrokeBatch {
        Colour colour;
        float width;
        QList<QRectF> rects;
        QList<QLineF> lines;
    };

    void DrawText(const PreparedPage& page, const PreparedObject& object, QPainter& painter);
    void DrawUprightText(std::string_view text, const PreparedObject& object, QPainter& painter);
    void DrawTurnedText(std::string_view text, const PreparedObject& object, QPainter& painter);
    void DrawTextSlowly(const QString& text, const PreparedObject& object, bool clip,
                        QPainter& painter);
    void AddGlyphs(const PreparedObject& object, std::string_view text, qreal x, qreal baseline,
                   QPainter& painter);
    void AddCells(const PreparedObject& object, std::string_view text, QPainter& painter);
    void DrawBox(const PreparedObject& object, QPainter& painter);
    void DrawCheckBox(const PreparedObject& object, QPainter& painter);
    void DrawBarcode(const PreparedPage& page, const PreparedObject& object, QPainter& painter);
    void DrawPicture(const PreparedObject& object, QPainter& painter);
    StrokeBatch& Strokes(Colour colour, float width);
    qreal Advance(const FontGlyphs& font, std::string_view text) const;
    void Flush(QPainter& painter);

    const PreparedDocument& document_;
    Texts texts_mode_;
    std::vector<QFont> fonts_;
    std::vector<FontGlyphs> glyphs_;
    std::vector<QImage> pictures_;
    std::vector<TextBatch> texts_;
    std::vector<StrokeBatch> strokes_;
    bool turned_ = false;  // drawing a turned text: glyphs go straight to the painter
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
