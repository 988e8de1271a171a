#include "reports/render/PreviewDialog.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "reports/engine/TextExport.h"
#include "reports/render/PagePainter.h"
#include "reports/render/ReportFonts.h"

namespace orvane {
namespace {

constexpr double kZoomStep = 1.25;
constexpr int kThumbnailWidth = 110;

// Where the preview keeps the user's choices.
QSettings Settings() {
    return QSettings("Orvane", "Orvane Printing");
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QImage Thumbnail(const PreparedDocument& document, PagePainter& painter, int page) {
    const PreparedPage& sheet = document.pages[static_cast<std::size_t>(page)];
    const double scale = kThumbnailWidth / sheet.width;
    QImage image(kThumbnailWidth, static_cast<int>(std::lround(sheet.height * scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    painter.Paint(static_cast<std::size_t>(page), p);
    return image;
}

}  // namespace

PreviewDialog::PreviewDialog(PreparedDocument document, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      document_(std::move(document)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName("PreviewDialog");
    setWindowTitle(document_.name.empty() ? QString("Preview")
                                          : "Preview - " + FromAnsi(document_.name));
    setModal(true);
    setWindowState(windowState() | Qt::WindowMaximized);

    choose_file_ = [this](ExportFormat format, const QString& suggested) -> std::optional<QString> {
        const ExportFormatInfo& info = FormatInfo(format);
        const QString filter = Text(info.name) + " (*" + Text(info.extension) + ")";
        const QString file =
            QFileDialog::getSaveFileName(this, "Export to " + Text(info.name), suggested, filter);
        if (file.isEmpty()) return std::nullopt;
        return file;
    };
    open_ = [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };
    confirm_replace_ = [this](const QStringList& existing) {
        const QString shown = existing.mid(0, 5).join("\n") + (existing.size() > 5 ? "\n..." : "");
        return QMessageBox::question(
                   this, "Export", "These files exist already:\n" + shown + "\n\nReplace them?",
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setObjectName("PreviewToolBar");
    layout->addWidget(bar);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    thumbnails_ = new QListWidget(splitter);
    thumbnails_->setObjectName("Thumbnails");
    thumbnails_->setViewMode(QListView::ListMode);
    thumbnails_->setIconSize(QSize(kThumbnailWidth, kThumbnailWidth * 3 / 2));
    thumbnails_->setFixedWidth(kThumbnailWidth + 40);
    view_ = new PageView(document_, splitter);
    view_->setObjectName("PageView");
    splitter->addWidget(thumbnails_);
    splitter->addWidget(view_);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    auto* find_bar = new QToolBar(this);
    find_bar->setObjectName("FindBar");
    layout->addWidget(find_bar);

    BuildToolBar(bar);
    BuildFindBar(find_bar);
    BuildThumbnails();
    connect(view_, &PageView::CurrentPageChanged, this, &PreviewDialog::OnPageChanged);
    connect(view_, &PageView::ZoomChanged, this, &PreviewDialog::OnZoomChanged);
    connect(thumbnails_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != view_->CurrentPage()) view_->ShowPage(row);
    });
    RestoreZoom();
    OnPageChanged(0);
    view_->setFocus();
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::BuildToolBar(QToolBar* bar) {
    const auto add = [&](const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = bar->addAction(text, this, slot);
        if (!key.isEmpty()) action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(
            key.isEmpty() ? text : text + " (" + key.toString(QKeySequence::NativeText) + ")");
        return action;
    };
    add("Print", QKeySequence::Print, &PreviewDialog::Print);

    auto* export_button = new QToolButton(bar);
    export_button->setText("Export");
    export_button->setPopupMode(QToolButton::InstantPopup);
    auto* export_menu = new QMenu(export_button);
    for (const ExportFormatInfo& info : ExportFormats()) {
        const ExportFormat format = info.format;
        export_menu->addAction(Text(info.name) + "...", this, [this, format] { Export(format); });
    }
    export_button->setMenu(export_menu);
    bar->addWidget(export_button);
    add("Quick export", QKeySequence::Save, &PreviewDialog::QuickExport);
    add("Page setup", QKeySequence(), &PreviewDialog::PageSetup);
    bar->addSeparator();

    add("First", QKeySequence(Qt::Key_Home), &PreviewDialog::FirstPage);
    add("Previous", QKeySequence(Qt::Key_PageUp), &PreviewDialog::PreviousPage);
    page_box_ = new QSpinBox(bar);
    page_box_->setObjectName("PageNumber");
    page_box_->setRange(1, std::max<int>(1, static_cast<int>(document_.pages.size())));
    page_box_->setKeyboardTracking(false);
    connect(page_box_, &QSpinBox::valueChanged, this, [this](int value) { GoToPage(value - 1); });
    bar->addWidget(page_box_);
    page_count_ = new QLabel(QString(" of %1 ").arg(document_.pages.size()), bar);
    bar->addWidget(page_count_);
    add("Next", QKeySequence(Qt::Key_PageDown), &PreviewDialog::NextPage);
    add("Last", QKeySequence(Qt::Key_End), &PreviewDialog::LastPage);
    bar->addSeparator();

    add("Zoom in", QKeySequence::ZoomIn, &PreviewDialog::ZoomIn);
    add("Zoom out", QKeySequence::ZoomOut, &PreviewDialog::ZoomOut);
    add("Page width", QKeySequence(), &PreviewDialog::FitWidth);
    add("Whole page", QKeySequence(), &PreviewDialog::WholePage);
    add("100%", QKeySequence(), &PreviewDialog::ActualSize);
    zoom_label_ = new QLabel(bar);
    zoom_label_->setMinimumWidth(50);
    bar->addWidget(zoom_label_);
    bar->addSeparator();

    add("Close", QKeySequence(), &QDialog::reject);
}

void PreviewDialog::BuildFindBar(QToolBar* bar) {
    bar->addWidget(new QLabel(" Find: ", bar));
    find_box_ = new QLineEdit(bar);
    find_box_->setObjectName("FindText");
    find_box_->setPlaceholderText("text on the pages");
    find_box_->setClearButtonEnabled(true);
    find_box_->setMaximumWidth(260);
    connect(find_box_, &QLineEdit::returnPressed, this, [this] {
        if (find_box_->text() == last_search_) {
            FindNext();
        } else {
            Find(find_box_->text());
        }
    });
    bar->addWidget(find_box_);
    auto* find = new QAction("Find", this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        find_box_->setFocus();
        find_box_->selectAll();
    });
    addAction(find);
    for (const auto& [text, key, slot] :
         {std::tuple{"Next", QKeySequence(QKeySequence::FindNext), &PreviewDialog::FindNext},
          std::tuple{"Previous", QKeySequence(QKeySequence::FindPrevious),
                     &PreviewDialog::FindPrevious}}) {
        QAction* action = bar->addAction(text, this, slot);
        action->setShortcut(key);
        action->setToolTip(QString(text) + " (" + key.toString(QKeySequence::NativeText) + ")");
    }
    find_status_ = new QLabel(bar);
    bar->addWidget(find_status_);
}

void PreviewDialog::BuildThumbnails() {
    for (std::size_t i = 0; i < document_.pages.size(); ++i) {
        auto* item = new QListWidgetItem(QString::number(i + 1), thumbnails_);
        item->setTextAlignment(Qt::AlignHCenter);
    }
    next_thumbnail_ = 0;
    // Thumbnails are drawn one at a time while the dialog is idle.
    QMetaObject::invokeMethod(this, &PreviewDialog::RenderNextThumbnail, Qt::QueuedConnection);
}

void PreviewDialog::RenderNextThumbnail() {
    if (next_thumbnail_ >= static_cast<int>(document_.pages.size())) return;
    if (!thumbnail_painter_) thumbnail_painter_ = std::make_unique<PagePainter>(document_);
    const int page = next_thumbnail_++;
    thumbnails_->item(page)->setIcon(
        QIcon(QPixmap::fromImage(Thumbnail(document_, *thumbnail_painter_, page))));
    QMetaObject::invokeMethod(this, &PreviewDialog::RenderNextThumbnail, Qt::QueuedConnection);
}

int PreviewDialog::CurrentPage() const {
    return view_->CurrentPage();
}

void PreviewDialog::GoToPage(int page) {
    view_->ShowPage(page);
}
void PreviewDialog::NextPage() {
    GoToPage(CurrentPage() + 1);
}
void PreviewDialog::PreviousPage() {
    GoToPage(CurrentPage() - 1);
}
void PreviewDialog::FirstPage() {
    GoToPage(0);
}
void PreviewDialog::LastPage() {
    GoToPage(static_cast<int>(document_.pages.size()) - 1);
}

void PreviewDialog::OnPageChanged(int page) {
    const QSignalBlocker block_box(page_box_);
    const QSignalBlocker block_list(thumbnails_);
    page_box_->setValue(page + 1);
    thumbnails_->setCurrentRow(page);
}

void PreviewDialog::ZoomIn() {
    view_->SetZoom(view_->Zoom() * kZoomStep);
}
void PreviewDialog::ZoomOut() {
    view_->SetZoom(view_->Zoom() / kZoomStep);
}
void PreviewDialog::FitWidth() {
    view_->SetZoomMode(PageView::ZoomMode::kPageWidth);
    RememberZoom();
}
void PreviewDialog::WholePage() {
    view_->SetZoomMode(PageView::ZoomMode::kWholePage);
    RememberZoom();
}
void PreviewDialog::ActualSize() {
    view_->SetZoom(1.0);
}

void PreviewDialog::OnZoomChanged(double zoom) {
    zoom_label_->setText(QString("%1%").arg(std::lround(zoom * 100)));
    if (view_->Mode() == PageView::ZoomMode::kFixed) RememberZoom();
}

// The zoom last chosen is kept apart for documents that open fitted to the
// page width and for those that open at 100 %.
QString PreviewDialog::ZoomKey() const {
    return document_.preview_zoom == PreviewZoom::kActualSize ? "Preview/ZoomActualSize"
                                                              : "Preview/ZoomPageWidth";
}

void PreviewDialog::RememberZoom() {
    QSettings settings = Settings();
    switch (view_->Mode()) {
        case PageView::ZoomMode::kPageWidth:
            settings.setValue(ZoomKey(), "page-width");
            break;
        case PageView::ZoomMode::kWholePage:
            settings.setValue(ZoomKey(), "whole-page");
            break;
        case PageView::ZoomMode::kFixed:
            settings.setValue(ZoomKey(), view_->Zoom());
            break;
    }
}

void PreviewDialog::RestoreZoom() {
    const QString remembered = Settings().value(ZoomKey()).toString();
    bool is_number = false;
    const double zoom = remembered.toDouble(&is_number);
    const QSignalBlocker block(view_);
    if (is_number) {
        view_->SetZoom(zoom);
    } else if (remembered == "whole-page") {
        view_->SetZoomMode(PageView::ZoomMode::kWholePage);
    } else if (remembered == "page-width" || document_.preview_zoom == PreviewZoom::kPageWidth) {
        view_->SetZoomMode(PageView::ZoomMode::kPageWidth);
    } else {
        view_->SetZoom(1.0);
    }
    zoom_label_->setText(QString("%1%").arg(std::lround(view_->Zoom() * 100)));
}

void PreviewDialog::Find(const QString& text) {
    last_search_ = text;
    marks_.clear();
    current_mark_ = -1;
    if (!text.isEmpty()) {
        for (std::size_t p = 0; p < document_.pages.size(); ++p) {
            const PreparedPage& page = document_.pages[p];
            for (const PreparedObject& object : page.objects) {
                if (object.kind != PreparedKind::kText || object.text_length == 0) continue;
                if (!FromAnsi(page.Text(object)).contains(text, Qt::CaseInsensitive)) continue;
                marks_.push_back(
                    {static_cast<int>(p), QRectF(object.x, object.y, object.w, object.h)});
            }
        }
    }
    if (find_box_->text() != text) find_box_->setText(text);
    // The first match at or after the page in view.
    const int page = CurrentPage();
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (marks_[i].page >= page) {
            ShowMark(static_cast<int>(i));
            return;
        }
    }
    ShowMark(marks_.empty() ? -1 : 0);
}

void PreviewDialog::FindNext() {
    if (marks_.empty()) return;
    ShowMark((current_mark_ + 1) % MatchCount());
}

void PreviewDialog::FindPrevious() {
    if (marks_.empty()) return;
    ShowMark((current_mark_ + MatchCount() - 1) % MatchCount());
}

void PreviewDialog::ShowMark(int index) {
    current_mark_ = index;
    view_->SetMarks(marks_, index);
    if (last_search_.isEmpty()) {
        find_status_->clear();
    } else if (marks_.empty()) {
        find_status_->setText(" Not found ");
    } else {
        find_status_->setText(QString(" %1 of %2 ").arg(index + 1).arg(marks_.size()));
    }
}

QString PreviewDialog::SuggestedFile(ExportFormat format) const {
    QString folder = Settings().value("Export/Folder").toString();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString name = document_.name.empty() ? QString("Return") : FromAnsi(document_.name);
    name.replace(' ', '-');
    return QDir(folder).filePath(name + Text(FormatInfo(format).extension));
}

bool PreviewDialog::Export(ExportFormat format) {
    const std::optional<QString> file = choose_file_(format, SuggestedFile(format));
    if (!file) return false;
    return ExportTo(format, *file);
}

bool PreviewDialog::QuickExport() {
    const int remembered =
        Settings().value("Export/Format", static_cast<int>(ExportFormat::kPdf)).toInt();
    ExportFormat format = ExportFormat::kPdf;
    for (const ExportFormatInfo& info : ExportFormats()) {
        if (static_cast<int>(info.format) == remembered) format = info.format;
    }
    return Export(format);
}

bool PreviewDialog::ExportTo(ExportFormat format, const QString& file) {
    std::filesystem::path out = file.toStdString();
    const ExportFormatInfo& info = FormatInfo(format);
    if (FormatOfPath(out) != format) out += std::string(info.extension);
    if (info.file_per_page) {
        QStringList existing;
        for (const auto& page_file : ExportFiles(document_, format, out)) {
            if (std::filesystem::exists(page_file))
                existing << QString::fromStdString(page_file.string());
        }
        if (!existing.isEmpty() && !confirm_replace_(existing)) return false;
    }
    const int total = static_cast<int>(document_.pages.size());
    QProgressDialog progress("Exporting...", "Cancel", 0, total, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::vector<std::filesystem::path> written;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        written = ExportDocument(document_, out, format, [&](int done, int) {
            progress.setValue(done);
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& error) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, "Export", QString::fromUtf8(error.what()));
        return false;
    }
    progress.reset();
    if (written.empty()) return false;
    QSettings settings = Settings();
    settings.setValue("Export/Folder", QString::fromStdString(out.parent_path().string()));
    settings.setValue("Export/Format", static_cast<int>(format));
    if (format == ExportFormat::kPdf) open_(QString::fromStdString(out.string()));
    return true;
}

void PreviewDialog::PageSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void PreviewDialog::Print() {
    const int total = static_cast<int>(document_.pages.size());
    if (total == 0) return;
    printer_->setFromTo(1, total);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setMinMax(1, total);
    if (dialog.exec() != QDialog::Accepted) return;
    int first = 1, last = total;
    if (printer_->printRange() == QPrinter::PageRange) {
        first = std::max(1, printer_->fromPage());
        last = std::min(total, printer_->toPage());
    } else if (printer_->printRange() == QPrinter::CurrentPage) {
        first = last = CurrentPage() + 1;
    }
    printer_->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        QMessageBox::warning(this, "Print", "The printer could not be started.");
        return;
    }
    PagePainter pages(document_);
    for (int page = first; page <= last; ++page) {
        if (page > first) printer_->newPage();
        const PreparedPage& sheet = document_.pages[static_cast<std::size_t>(page - 1)];
        // One sheet of the document on one sheet of paper, scaled to fit.
        const QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
        const double scale = std::min(paper.width() / sheet.width, paper.height() / sheet.height);
        painter.save();
        painter.scale(scale, scale);
        pages.Paint(static_cast<std::size_t>(page - 1), painter);
        painter.restore();
    }
    painter.end();
}

}  // namespace orvane
