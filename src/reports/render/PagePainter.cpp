#include "reports/render/PagePainter.h"

#include <QPainterPath>
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
double Baseline(const QRectF& box, const QFontMetricsF& metrics, VAlign valign) {
    if (valign == VAlign::kTop) return box.top() + metrics.ascent();
    if (valign == VAlign::kBottom) return box.bottom() - metrics.descent();
    return box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
}

}  // namespace

PagePainter::PagePainter(const PreparedDocument& document) : document_(document) {
    for (const FontSpec& spec : document.fonts) {
        fonts_.push_back(ReportFont(spec));
        metrics_.emplace_back(fonts_.back());
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
    font_ = -1;
    pen_width_ = -1;
    for (const PreparedObject& object : page.objects) {
        switch (object.kind) {
            case PreparedKind::kText:
                DrawText(page, object, painter);
                break;
            case PreparedKind::kBox:
                DrawBox(object, painter);
                break;
            case PreparedKind::kLine:
                DrawLine(object, painter);
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
    painter.restore();
}

void PagePainter::UsePen(QPainter& painter, Colour colour, float width) {
    if (colour == pen_colour_ && width == pen_width_) return;
    pen_colour_ = colour;
    pen_width_ = width;
    if (width <= 0 || (colour >> 24) == 0) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
    }
}

void PagePainter::UseFont(QPainter& painter, std::uint16_t font) {
    if (font_ == font) return;
    font_ = font;
    painter.setFont(fonts_[font]);
}

void PagePainter::DrawText(const PreparedPage& page, const PreparedObject& object,
                           QPainter& painter) {
    const std::string_view ansi = page.Text(object);
    if (ansi.empty()) return;
    const QString text = FromAnsi(ansi);
    UseFont(painter, object.font);
    UsePen(painter, object.colour, 1);
    if (object.cell > 0) {
        DrawCells(text, object, painter);
        return;
    }
    const QFontMetricsF& metrics = metrics_[object.font];
    const QRectF box(object.x + object.padding_x + object.indent, object.y + object.padding_y,
                     object.w - 2 * object.padding_x - object.indent,
                     object.h - 2 * object.padding_y);
    const bool clip = object.Has(kClip);
    const bool one_line = !text.contains(QLatin1Char('\n'));
    const double advance = one_line ? metrics.horizontalAdvance(text) : 0;
    if (one_line && (advance <= box.width() || !object.Has(kWrap))) {
        double x = box.left();
        if (object.halign == HAlign::kRight) x = box.right() - advance;
        if (object.halign == HAlign::kCenter) x = box.center().x() - advance / 2;
        const double baseline = Baseline(box, metrics, object.valign);
        const bool overflows = advance > box.width() || metrics.height() > box.height() + 0.5;
        if (clip && overflows) {
            painter.save();
            painter.setClipRect(Box(object), Qt::IntersectClip);
            painter.drawText(QPointF(x, baseline), text);
            painter.restore();
        } else {
            painter.drawText(QPointF(x, baseline), text);
        }
        return;
    }
    int flags = static_cast<int>(Alignment(object));
    if (object.Has(kWrap)) flags |= Qt::TextWordWrap;
    if (!clip) flags |= Qt::TextDontClip;
    painter.drawText(box, flags, text);
}

// One character centred in each cell: the letter boxes of the paper form.
void PagePainter::DrawCells(const QString& text, const PreparedObject& object, QPainter& painter) {
    const QFontMetricsF& metrics = metrics_[object.font];
    const QRectF box(object.x, object.y + object.padding_y, object.w,
                     object.h - 2 * object.padding_y);
    const double baseline = Baseline(box, metrics, object.valign);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString character(text[i]);
        const double cell_left = object.x + static_cast<double>(i) * object.cell;
        const double x = cell_left + (object.cell - metrics.horizontalAdvance(character)) / 2;
        painter.drawText(QPointF(x, baseline), character);
    }
}

void PagePainter::DrawBox(const PreparedObject& object, QPainter& painter) {
    if ((object.fill >> 24) != 0) painter.fillRect(Box(object), ToQColor(object.fill));
    if (object.pen <= 0) return;
    UsePen(painter, object.colour, object.pen);
    painter.drawRect(Box(object));
}

void PagePainter::DrawLine(const PreparedObject& object, QPainter& painter) {
    UsePen(painter, object.colour, object.pen);
    painter.drawLine(QPointF(object.x, object.y),
                     QPointF(object.x + object.w, object.y + object.h));
}

void PagePainter::DrawCheckBox(const PreparedObject& object, QPainter& painter) {
    if (object.Has(kFramed)) {
        UsePen(painter, object.colour, object.pen);
        painter.drawRect(Box(object));
    }
    if (!object.Has(kChecked)) return;
    const double w = object.w, h = object.h;
    QPainterPath tick;
    tick.moveTo(object.x + 0.2 * w, object.y + 0.52 * h);
    tick.lineTo(object.x + 0.42 * w, object.y + 0.75 * h);
    tick.lineTo(object.x + 0.8 * w, object.y + 0.25 * h);
    painter.save();
    painter.setPen(QPen(ToQColor(object.colour), std::max(1.0, std::min(w, h) / 7), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.restore();
}

void PagePainter::DrawBarcode(const PreparedPage& page, const PreparedObject& object,
                              QPainter& painter) {
    const std::string_view text = page.Text(object);
    const double module = object.w / Code39Width(text);
    const QColor colour = ToQColor(object.colour);
    for (const Code39Bar& bar : Code39Bars(text)) {
        painter.fillRect(QRectF(object.x + bar.x * module, object.y, bar.width * module, object.h),
                         colour);
    }
}

void PagePainter::DrawPicture(const PreparedObject& object, QPainter& painter) {
    const QImage& image = pictures_.at(object.picture);
    if (image.isNull()) return;
    painter.drawImage(Box(object), image);
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
