#include "reports/render/PagePainter.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "reports/engine/Code39.h"
#include "reports/render/ReportFonts.h"

namespace orvane {
namespace {

QColor ToQColor(Colour colour) {
    return QColor::fromRgba(colour);
}

QRectF Box(const PreparedObject& object) {
    return QRectF(object.x, object.y, object.w, object.h);
}

bool Visible(Colour colour) {
    return (colour >> 24) != 0;
}

Qt::Alignment Alignment(const PreparedObject& object) {
    Qt::Alignment alignment = Qt::AlignLeft;
    if (object.halign == HAlign::kCenter) alignment = Qt::AlignHCenter;
    if (object.halign == HAlign::kRight) alignment = Qt::AlignRight;
    if (object.valign == VAlign::kTop) alignment |= Qt::AlignTop;
    if (object.valign == VAlign::kCenter) alignment |= Qt::AlignVCenter;
    if (object.valign == VAlign::kBottom) alignment |= Qt::AlignBottom;
    return alignment;
}

// The baseline of one line of text in a box, by vertical alignment.
qreal Baseline(const QRectF& box, qreal ascent, qreal descent, VAlign valign) {
    if (valign == VAlign::kTop) return box.top() + ascent;
    if (valign == VAlign::kBottom) return box.bottom() - descent;
    return box.center().y() + (ascent - descent) / 2;
}

}  // namespace

PagePainter::PagePainter(const PreparedDocument& document, Texts texts)
    : document_(document), texts_mode_(texts) {
    for (const FontSpec& font : document.fonts) {
        fonts_.push_back(ReportFont(font));
        FontGlyphs glyphs;
        glyphs.raw = QRawFont::fromFont(fonts_.back());
        glyphs.ascent = glyphs.raw.ascent();
        glyphs.descent = glyphs.raw.descent();
        glyphs.underline = font.underline;
        for (int byte = 0; byte < 256; ++byte) {
            const char ansi = static_cast<char>(byte);
            const QString character = FromAnsi(std::string_view(&ansi, 1));
            quint32 glyph = 0;
            int count = 1;
            if (!glyphs.raw.glyphIndexesForChars(character.constData(), 1, &glyph, &count))
                glyph = 0;
            QPointF advance;
            glyphs.raw.advancesForGlyphIndexes(&glyph, &advance, 1, QRawFont::UseDesignMetrics);
            glyphs.glyph[static_cast<std::size_t>(byte)] = glyph;
            glyphs.advance[static_cast<std::size_t>(byte)] = advance.x();
        }
        glyphs_.push_back(std::move(glyphs));
    }
    for (const Picture& picture : document.pictures) {
        QImage image;
        image.loadFromData(reinterpret_cast<const uchar*>(picture.bytes->data()),
                           static_cast<int>(picture.bytes->size()));
        pictures_.push_back(std::move(image));
    }
}

void PagePainter::Paint(std::size_t page_index, QPainter& painter) {
    const PreparedPage& page = document_.pages.at(page_index);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setBrush(Qt::NoBrush);
    for (const PreparedObject& object : page.objects) {
        switch (object.kind) {
            case PreparedKind::kText:
                DrawText(page, object, painter);
                break;
            case PreparedKind::kBox:
                DrawBox(object, painter);
                break;
            case PreparedKind::kLine:
                if (object.pen > 0 && Visible(object.colour)) {
                    Strokes(object.colour, object.pen)
                        .lines.append(
                            QLineF(object.x, object.y, object.x + object.w, object.y + object.h));
                }
                break;
            case PreparedKind::kCheckBox:
                DrawCheckBox(object, painter);
                break;
            case PreparedKind::kBarcode:
                DrawBarcode(page, object, painter);
                break;
            case PreparedKind::kPicture:
                DrawPicture(object, painter);
                break;
        }
    }
    Flush(painter);
    painter.restore();
}

qreal PagePainter::Advance(const FontGlyphs& font, std::string_view text) const {
    qreal advance = 0;
    for (const char c : text) advance += font.advance[static_cast<unsigned char>(c)];
    return advance;
}

void PagePainter::DrawText(const PreparedPage& page, const PreparedObject& object,
                           QPainter& painter) {
    const std::string_view text = page.Text(object);
    if (text.empty()) return;
    if (object.Has(kRotated)) {
        DrawTurnedText(text, object, painter);
        return;
    }
    DrawUprightText(text, object, painter);
}

// A turned text is laid out upright in a box as wide as its own box is high,
// then turned a quarter to the left about the box's bottom left corner. Its
// glyphs are drawn at once, under the turn, rather than gathered with the
// upright ones.
void PagePainter::DrawTurnedText(std::string_view text, const PreparedObject& object,
                                 QPainter& painter) {
    PreparedObject upright = object;
    upright.x = 0;
    upright.y = 0;
    upright.w = object.h;
    upright.h = object.w;
    painter.save();
    painter.translate(object.x, object.y + object.h);
    painter.rotate(-90);
    turned_ = true;
    DrawUprightText(text, upright, painter);
    turned_ = false;
    painter.restore();
}

void PagePainter::DrawUprightText(std::string_view text, const PreparedObject& object,
                                  QPainter& painter) {
    if (object.cell > 0) {
        AddCells(object, text, painter);
        return;
    }
    const FontGlyphs& font = glyphs_[object.font];
    const QRectF box(object.x + object.padding_x + object.indent, object.y + object.padding_y,
                     object.w - 2 * object.padding_x - object.indent,
                     object.h - 2 * object.padding_y);
    const bool one_line = text.find('\n') == std::string_view::npos;
    const qreal advance = one_line ? Advance(font, text) : 0;
    // A line taller than its box is not cut: the glyphs stay whole, as on the
    // paper form; only a text wider than its box is.
    const bool overflows = advance > box.width() + 0.01;
    if (!one_line || (overflows && object.Has(kWrap))) {
        DrawTextSlowly(FromAnsi(text), object, object.Has(kClip), painter);
        return;
    }
    qreal x = box.left();
    if (object.halign == HAlign::kRight) x = box.right() - advance;
    if (object.halign == HAlign::kCenter) x = box.center().x() - advance / 2;
    const qreal baseline = Baseline(box, font.ascent, font.descent, object.valign);
    if ((overflows && object.Has(kClip)) || font.underline) {
        painter.save();
        if (overflows && object.Has(kClip)) painter.setClipRect(Box(object), Qt::IntersectClip);
        painter.setPen(ToQColor(object.colour));
        painter.setFont(fonts_[object.font]);
        painter.drawText(QPointF(x, baseline), FromAnsi(text));
        painter.restore();
        return;
    }
    AddGlyphs(object, text, x, baseline, painter);
}

void PagePainter::DrawTextSlowly(const QString& text, const PreparedObject& object, bool clip,
                                 QPainter& painter) {
    const QRectF box(object.x + object.padding_x + object.indent, object.y + object.padding_y,
                     object.w - 2 * object.padding_x - object.indent,
                     object.h - 2 * object.padding_y);
    int flags = static_cast<int>(Alignment(object));
    if (object.Has(kWrap)) flags |= Qt::TextWordWrap;
    if (!clip) flags |= Qt::TextDontClip;
    painter.save();
    painter.setPen(ToQColor(object.colour));
    painter.setFont(fonts_[object.font]);
    painter.drawText(box, flags, text);
    painter.restore();
}

void PagePainter::AddGlyphs(const PreparedObject& object, std::string_view text, qreal x,
                            qreal baseline, QPainter& painter) {
    if (texts_mode_ == Texts::kOneByOne || turned_) {
        painter.save();
        painter.setPen(ToQColor(object.colour));
        painter.setFont(fonts_[object.font]);
        painter.drawText(QPointF(x, baseline), FromAnsi(text));
        painter.restore();
        return;
    }
    auto batch = std::find_if(texts_.begin(), texts_.end(), [&](const TextBatch& b) {
        return b.font == object.font && b.colour == object.colour;
    });
    if (batch == texts_.end()) {
        texts_.push_back(TextBatch{object.font, object.colour, {}, {}});
        batch = texts_.end() - 1;
    }
    const FontGlyphs& font = glyphs_[object.font];
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Blanks and control characters leave room but draw nothing, nor
        // does a character the font lacks.
        if (byte > ' ' && font.glyph[byte] != 0) {
            batch->glyphs.append(font.glyph[byte]);
            batch->positions.append(QPointF(x, baseline));
        }
        x += font.advance[byte];
    }
}

// One character centred in each cell: the letter boxes of the paper form.
void PagePainter::AddCells(const PreparedObject& object, std::string_view text, QPainter& painter) {
    const FontGlyphs& font = glyphs_[object.font];
    const QRectF box(object.x, object.y + object.padding_y, object.w,
                     object.h - 2 * object.padding_y);
    const qreal baseline = Baseline(box, font.ascent, font.descent, object.valign);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const qreal cell_left = object.x + static_cast<qreal>(i) * object.cell;
        const qreal advance = font.advance[static_cast<unsigned char>(text[i])];
        AddGlyphs(object, text.substr(i, 1), cell_left + (object.cell - advance) / 2, baseline,
                  painter);
    }
}

PagePainter::StrokeBatch& PagePainter::Strokes(Colour colour, float width) {
    for (StrokeBatch& batch : strokes_) {
        if (batch.colour == colour && batch.width == width) return batch;
    }
    strokes_.push_back(StrokeBatch{colour, width, {}, {}});
    return strokes_.back();
}

void PagePainter::DrawBox(const PreparedObject& object, QPainter& painter) {
    if (Visible(object.fill)) {
        Flush(painter);
        painter.fillRect(Box(object), ToQColor(object.fill));
    }
    if (object.pen > 0 && Visible(object.colour))
        Strokes(object.colour, object.pen).rects.append(Box(object));
}

void PagePainter::DrawCheckBox(const PreparedObject& object, QPainter& painter) {
    if (object.Has(kFramed)) Strokes(object.colour, object.pen).rects.append(Box(object));
    if (!object.Has(kChecked)) return;
    const qreal w = object.w, h = object.h;
    QPainterPath tick;
    tick.moveTo(object.x + 0.2 * w, object.y + 0.52 * h);
    tick.lineTo(object.x + 0.42 * w, object.y + 0.75 * h);
    tick.lineTo(object.x + 0.8 * w, object.y + 0.25 * h);
    painter.save();
    painter.setPen(QPen(ToQColor(object.colour), std::max<qreal>(1.0, std::min(w, h) / 7),
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.restore();
}

void PagePainter::DrawBarcode(const PreparedPage& page, const PreparedObject& object,
                              QPainter& painter) {
    Flush(painter);
    const std::string_view text = page.Text(object);
    const qreal module = object.w / Code39Width(text);
    const QColor colour = ToQColor(object.colour);
    for (const Code39Bar& bar : Code39Bars(text)) {
        painter.fillRect(QRectF(object.x + bar.x * module, object.y, bar.width * module, object.h),
                         colour);
    }
}

void PagePainter::DrawPicture(const PreparedObject& object, QPainter& painter) {
    Flush(painter);
    const QImage& image = pictures_.at(object.picture);
    if (!image.isNull()) painter.drawImage(Box(object), image);
}

// Draws what was gathered: frames and lines by pen, then texts by font and
// colour.
void PagePainter::Flush(QPainter& painter) {
    for (const StrokeBatch& batch : strokes_) {
        painter.setPen(
            QPen(ToQColor(batch.colour), batch.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        if (!batch.rects.isEmpty())
            painter.drawRects(batch.rects.constData(), static_cast<int>(batch.rects.size()));
        if (!batch.lines.isEmpty())
            painter.drawLines(batch.lines.constData(), static_cast<int>(batch.lines.size()));
    }
    strokes_.clear();
    for (const TextBatch& batch : texts_) {
        if (batch.glyphs.isEmpty()) continue;
        QGlyphRun run;
        run.setRawFont(glyphs_[batch.font].raw);
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        painter.setPen(ToQColor(batch.colour));
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    texts_.clear();
}

void PaintPage(const PreparedDocument& document, std::size_t page_index, QPainter& painter) {
    PagePainter(document).Paint(page_index, painter);
}

void UseUnits(QPainter& painter, double dots_per_inch) {
    painter.scale(dots_per_inch / 96.0, dots_per_inch / 96.0);
}

double QtTextMeasurer::TextWidth(std::string_view text, const FontSpec& font) const {
    return QFontMetricsF(ReportFont(font)).horizontalAdvance(FromAnsi(text));
}

}  // namespace orvane
