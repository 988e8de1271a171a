#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <memory>
#include <vector>

#include "reports/engine/PreparedDocument.h"
#include "reports/render/PagePainter.h"

namespace orvane {

// The sheets of a document one below the other, at a zoom, with the texts
// that a search found marked. Only the sheets in sight are painted.
class PageView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    enum class ZoomMode { kPageWidth, kWholePage, kFixed };

    explicit PageView(const PreparedDocument& document, QWidget* parent = nullptr);

    // Zoom: 1.0 shows a sheet at its printed size on the screen.
    void SetZoomMode(ZoomMode mode);
    void SetZoom(double zoom);
    ZoomMode Mode() const { return mode_; }
    double Zoom() const { return zoom_; }

    // The sheet at the top of the view (0-based), and scrolling to one.
    int CurrentPage() const;
    void ShowPage(int page);

    // Marks texts: every match lightly, the current one strongly, and
    // scrolls the current one into sight.
    struct Mark {
        int page;
        QRectF box;  // units
    };
    void SetMarks(std::vector<Mark> marks, int current);

  signals:
    void CurrentPageChanged(int page);
    void ZoomChanged(double zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    double PixelsPerUnit() const;
    QRectF PageRect(int page) const;  // in content pixels
    void UpdateLayout();
    void ApplyFitZoom();
    const QPixmap& Rendered(int page);

    const PreparedDocument& document_;
    PagePainter painter_;
    ZoomMode mode_ = ZoomMode::kPageWidth;
    double zoom_ = 1.0;
    std::vector<double> page_tops_;  // content pixels
    double content_width_ = 0, content_height_ = 0;
    std::vector<Mark> marks_;
    int current_mark_ = -1;
    int last_page_ = -1;
    // Recently painted sheets at the current zoom.
    struct Cached {
        int page;
        QPixmap pixmap;
    };
    std::vector<Cached> cache_;
};

}  // namespace orvane
