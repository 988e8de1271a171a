#pragma once

#include "reports/engine/ResourceStore.h"
#include "staging/ReportPresenter.h"

class QWidget;

namespace orvane {

// Shows a staged report in the modal preview window: the window's way of
// showing a report. Needs a QApplication.
class PreviewPresenter : public ReportPresenter {
  public:
    explicit PreviewPresenter(QWidget* parent = nullptr,
                              const ResourceStore& resources = EmbeddedResources());

    // Lays out the report and opens the preview; returns when it is closed.
    // Throws NoPrintedFormError when the dispatch chose nothing, Error when
    // the form cannot be printed.
    void Present(const StagedReport& report) override;

  private:
    QWidget* parent_;
    const ResourceStore& resources_;
};

}  // namespace orvane
