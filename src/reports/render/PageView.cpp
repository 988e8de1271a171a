#include "reports/render/PageView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr double kGap = 12;  // pixels around and between sheets
constexpr std::size_t kCachedPages = 6;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;

}  // namespace

PageView::PageView(const PreparedDocument& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), painter_(document) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    viewport()->setPalette(palette);
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
    UpdateLayout();
}

double PageView::PixelsPerUnit() const {
    return zoom_ * logicalDpiX() / 96.0;
}

void PageView::SetZoomMode(ZoomMode mode) {
    mode_ = mode;
    if (mode_ == ZoomMode::kFixed) return;
    ApplyFitZoom();
}

void PageView::SetZoom(double zoom) {
    mode_ = ZoomMode::kFixed;
    const int page = CurrentPage();
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    cache_.clear();
    UpdateLayout();
    ShowPage(page);
    emit ZoomChanged(zoom_);
}

void PageView::ApplyFitZoom() {
    if (document_.pages.empty()) return;
    double widest = 0, tallest = 0;
    for (const PreparedPage& page : document_.pages) {
        widest = std::max(widest, page.width);
        tallest = std::max(tallest, page.height);
    }
    const double unit = logicalDpiX() / 96.0;
    const double room_x = std::max(50.0, viewport()->width() - 2 * kGap);
    const double room_y = std::max(50.0, viewport()->height() - 2 * kGap);
    double zoom = room_x / (widest * unit);
    if (mode_ == ZoomMode::kWholePage) zoom = std::min(zoom, room_y / (tallest * unit));
    if (std::abs(zoom - zoom_) < 1e-6 && !page_tops_.empty()) return;
    const int page = CurrentPage();
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    cache_.clear();
    UpdateLayout();
    ShowPage(page);
    emit ZoomChanged(zoom_);
}

void PageView::UpdateLayout() {
    const double scale = PixelsPerUnit();
    page_tops_.clear();
    double y = kGap;
    content_width_ = 0;
    for (const PreparedPage& page : document_.pages) {
        page_tops_.push_back(y);
        y += page.height * scale + kGap;
        content_width_ = std::max(content_width_, page.width * scale + 2 * kGap);
    }
    content_height_ = y;
    verticalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(content_height_) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(content_width_) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    viewport()->update();
}

QRectF PageView::PageRect(int page) const {
    const PreparedPage& sheet = document_.pages[static_cast<std::size_t>(page)];
    const double scale = PixelsPerUnit();
    const double width = sheet.width * scale;
    const double left = std::max(
        kGap, (std::max(content_width_, static_cast<double>(viewport()->width())) - width) / 2);
    return QRectF(left, page_tops_[static_cast<std::size_t>(page)], width, sheet.height * scale);
}

int PageView::CurrentPage() const {
    if (page_tops_.empty()) return 0;
    const double probe = verticalScrollBar()->value() + viewport()->height() / 3.0;
    const auto after = std::upper_bound(page_tops_.begin(), page_tops_.end(), probe);
    return std::max(0, static_cast<int>(after - page_tops_.begin()) - 1);
}

void PageView::ShowPage(int page) {
    if (page_tops_.empty()) return;
    page = std::clamp(page, 0, static_cast<int>(page_tops_.size()) - 1);
    verticalScrollBar()->setValue(
        static_cast<int>(page_tops_[static_cast<std::size_t>(page)] - kGap));
    if (page != last_page_) {
        last_page_ = page;
        emit CurrentPageChanged(page);
    }
}

void PageView::SetMarks(std::vector<Mark> marks, int current) {
    marks_ = std::move(marks);
    current_mark_ = current;
    if (current >= 0 && current < static_cast<int>(marks_.size())) {
        const Mark& mark = marks_[static_cast<std::size_t>(current)];
        const QRectF page = PageRect(mark.page);
        const double scale = PixelsPerUnit();
        const double top = page.top() + mark.box.top() * scale;
        const double bottom = page.top() + mark.box.bottom() * scale;
        const int view_top = verticalScrollBar()->value();
        if (top < view_top || bottom > view_top + viewport()->height()) {
            verticalScrollBar()->setValue(static_cast<int>(top - viewport()->height() / 3.0));
        }
        const double left = page.left() + mark.box.left() * scale;
        const int view_left = horizontalScrollBar()->value();
        if (left < view_left || left > view_left + viewport()->width() - 40) {
            horizontalScrollBar()->setValue(static_cast<int>(left - 40));
        }
    }
    viewport()->update();
}

const QPixmap& PageView::Rendered(int page) {
    for (const Cached& cached : cache_) {
        if (cached.page == page) return cached.pixmap;
    }
    const QRectF rect = PageRect(page);
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(static_cast<int>(std::ceil(rect.width() * ratio)),
                   static_cast<int>(std::ceil(rect.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    {
        QPainter painter(&pixmap);
        painter.scale(PixelsPerUnit(), PixelsPerUnit());
        painter_.Paint(static_cast<std::size_t>(page), painter);
    }
    if (cache_.size() >= kCachedPages) cache_.erase(cache_.begin());
    cache_.push_back({page, std::move(pixmap)});
    return cache_.back().pixmap;
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPointF offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QRectF visible = QRectF(event->rect()).translated(-offset);
    const double scale = PixelsPerUnit();
    for (int page = 0; page < static_cast<int>(document_.pages.size()); ++page) {
        const QRectF rect = PageRect(page);
        if (!rect.intersects(visible)) continue;
        const QRectF on_screen = rect.translated(offset);
        painter.fillRect(on_screen.translated(3, 3), QColor(0x50, 0x50, 0x50));
        painter.drawPixmap(on_screen.topLeft(), Rendered(page));
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            if (marks_[i].page != page) continue;
            const QRectF& box = marks_[i].box;
            const QRectF mark(on_screen.left() + box.left() * scale,
                              on_screen.top() + box.top() * scale, box.width() * scale,
                              box.height() * scale);
            const bool current = static_cast<int>(i) == current_mark_;
            painter.fillRect(mark, current ? QColor(255, 140, 0, 110) : QColor(255, 235, 0, 90));
            if (current) painter.setPen(QPen(QColor(220, 90, 0), 1.5));
            if (current) painter.drawRect(mark);
        }
    }
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (mode_ == ZoomMode::kFixed) {
        UpdateLayout();
    } else {
        ApplyFitZoom();
        UpdateLayout();
    }
}

void PageView::scrollContentsBy(int dx, int dy) {
    QAbstractScrollArea::scrollContentsBy(dx, dy);
    const int page = CurrentPage();
    if (page != last_page_) {
        last_page_ = page;
        emit CurrentPageChanged(page);
    }
}

void PageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        SetZoom(zoom_ * (event->angleDelta().y() > 0 ? 1.25 : 0.8));
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

}  // namespace orvane
