#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "reports/engine/PreparedDocument.h"
#include "reports/render/DocumentExport.h"
#include "reports/render/PagePainter.h"
#include "reports/render/PageView.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QSpinBox;
class QToolBar;

namespace orvane {

// The report preview: the sheets of a document with page navigation and
// thumbnails, zoom, find, page setup, printing and export. It opens
// maximized, as the template asks (fitted to the page width or at 100 %), or
// at the zoom the user last chose for such documents. The user's choices
// (zoom, export folder and format) are kept in the settings.
class PreviewDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PreviewDialog(PreparedDocument document, QWidget* parent = nullptr);
    ~PreviewDialog() override;

    // The file an export goes to: asked from the user by default. None when
    // the user cancels.
    using FileChooser =
        std::function<std::optional<QString>(ExportFormat format, const QString& suggested)>;
    // Opens an exported PDF in the desktop's viewer.
    using Opener = std::function<void(const QString& file)>;
    // Asks whether files that exist may be replaced.
    using ReplaceConfirmer = std::function<bool(const QStringList& existing)>;
    void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }
    void SetOpener(Opener opener) { open_ = std::move(opener); }
    void SetReplaceConfirmer(ReplaceConfirmer confirmer) {
        confirm_replace_ = std::move(confirmer);
    }

    const PreparedDocument& Document() const { return document_; }
    PageView& View() { return *view_; }

    int CurrentPage() const;  // 0-based
    int MatchCount() const { return static_cast<int>(marks_.size()); }
    int CurrentMatch() const { return current_mark_; }

  public slots:
    void GoToPage(int page);  // 0-based
    void NextPage();
    void PreviousPage();
    void FirstPage();
    void LastPage();
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void WholePage();
    void ActualSize();
    void Find(const QString& text);
    void FindNext();
    void FindPrevious();
    // Exports in a format, asking for the file; true when written.
    bool Export(ExportFormat format);
    // Exports in the last format used (PDF at first).
    bool QuickExport();
    // Writes the document to `file` in `format`, with progress; true when
    // written. Asks before replacing page files of an image export.
    bool ExportTo(ExportFormat format, const QString& file);
    void Print();
    void PageSetup();

  private:
    void BuildToolBar(QToolBar* bar);
    void BuildFindBar(QToolBar* bar);
    void BuildThumbnails();
    void RenderNextThumbnail();
    void OnPageChanged(int page);
    void OnZoomChanged(double zoom);
    void RememberZoom();
    void RestoreZoom();
    void ShowMark(int index);
    QString SuggestedFile(ExportFormat format) const;
    QString ZoomKey() const;

    PreparedDocument document_;
    PageView* view_ = nullptr;
    QListWidget* thumbnails_ = nullptr;
    QSpinBox* page_box_ = nullptr;
    QLabel* page_count_ = nullptr;
    QLabel* zoom_label_ = nullptr;
    QLabel* find_status_ = nullptr;
    QLineEdit* find_box_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::vector<PageView::Mark> marks_;
    int current_mark_ = -1;
    QString last_search_;
    int next_thumbnail_ = 0;
    std::unique_ptr<PagePainter> thumbnail_painter_;
    FileChooser choose_file_;
    Opener open_;
    ReplaceConfirmer confirm_replace_;
};

}  // namespace orvane
