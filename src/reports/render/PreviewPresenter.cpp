#include "reports/render/PreviewPresenter.h"

#include <QApplication>

#include "reports/catalogue/ReportBuilder.h"
#include "reports/render/PagePainter.h"
#include "reports/render/PreviewDialog.h"

namespace orvane {

PreviewPresenter::PreviewPresenter(QWidget* parent, const ResourceStore& resources)
    : parent_(parent), resources_(resources) {}

void PreviewPresenter::Present(const StagedReport& report) {
    const QtTextMeasurer measurer;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PreparedDocument document;
    try {
        document = BuildReport(report, measurer, resources_);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    PreviewDialog dialog(std::move(document), parent_);
    dialog.exec();
}

}  // namespace orvane
