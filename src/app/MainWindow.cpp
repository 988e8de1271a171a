#include "app/MainWindow.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <QPixmap>
#include <QUrl>

#include "Error.h"
#include "acknowledgement/FillAcknowledgement.h"
#include "app/Commands.h"
#include "mapping/Recognition.h"

// The window's artwork lives in a static library, whose resources are
// registered by hand.
static void InitArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace orvane {
namespace {

constexpr auto kCaption = "Orvane Printing ( Release v.3.0)  - (A.Y.2008-09 to 2011-12)";
constexpr auto kPublisherAddress = "https://orvane.example/";

QPushButton* Button(QWidget* parent, const QString& caption, const QString& glyph, QRect geometry) {
    auto* button = new QPushButton(QIcon(glyph), caption, parent);
    button->setGeometry(geometry);
    button->setIconSize(QSize(16, 16));
    return button;
}

QLabel* Label(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

std::optional<QString> ChooseReturnFile(QWidget* parent) {
    QFileDialog dialog(parent, "Open file");
    dialog.setNameFilter("XML files (*.XML *.xml)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setFilter(QDir::AllDirs | QDir::Files |
                     QDir::NoDotAndDotDot);  // hidden files not listed
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

void ShowMessage(QWidget* parent, int kind, const QString& text) {
    QMessageBox box(static_cast<QMessageBox::Icon>(kind), "Orvane", text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

TFormOrvane::TFormOrvane(ReportPresenter* presenter, std::filesystem::path staging_dir,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      presenter_(presenter),
      staging_dir_(std::move(staging_dir)),
      choose_file_(ChooseReturnFile),
      show_message_(ShowMessage) {
    InitArtwork();
    setObjectName("FormOrvane");
    setWindowTitle(kCaption);
    setFixedSize(531, 122);
    QFont font("Verdana");
    font.setPixelSize(13);
    setFont(font);

    Label(this, "XML File :", {10, 15});
    path_box_ = new QLineEdit(this);
    path_box_->setObjectName("EditXmlPath");
    path_box_->setGeometry(78, 14, 348, 20);
    path_box_->setReadOnly(true);
    path_box_->setFocusPolicy(Qt::NoFocus);

    browse_ = Button(this, "&Browse", ":/orvane/browse.svg", {431, 10, 94, 26});
    browse_->setObjectName("btnOpen");
    form_ = Button(this, "&Form", ":/orvane/print.svg", {78, 38, 94, 26});
    form_->setObjectName("btnForm");
    acknowledgement_ = Button(this, "&Acknowledgement", ":/orvane/print.svg", {190, 38, 169, 26});
    acknowledgement_->setObjectName("btnAck");

    auto* logo = new QLabel(this);
    logo->setObjectName("Image1");
    logo->setPixmap(QPixmap(":/orvane/logo.svg")
                        .scaled(120, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setGeometry(404, 47, 124, 71);
    logo->setAlignment(Qt::AlignCenter);

    Label(this, "With Best Compliments From : ", {6, 95});
    auto* link = Label(this, QString("<a href=\"%1\">%1</a>").arg(kPublisherAddress), {209, 95});
    link->setObjectName("bsSkinLinkLabel1");
    link->setTextFormat(Qt::RichText);
    link->setCursor(Qt::PointingHandCursor);
    link->setOpenExternalLinks(false);
    connect(link, &QLabel::linkActivated,
            [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });

    connect(browse_, &QPushButton::clicked, this, &TFormOrvane::btnOpenClick);
    connect(form_, &QPushButton::clicked, this, &TFormOrvane::btnFormClick);
    connect(acknowledgement_, &QPushButton::clicked, this, &TFormOrvane::btnAckClick);
}

void TFormOrvane::btnOpenClick() {
    const std::optional<QString> picked = choose_file_(this);
    if (!picked) return;
    try {
        ReturnContext context = RecogniseReturn(std::filesystem::path(picked->toStdString()));
        return_ = std::move(context);
        path_box_->setText(picked->toUpper());
        path_box_->setToolTip(*picked);
    } catch (const std::exception& error) {
        Warn(QString::fromUtf8(error.what()));
    }
}

void TFormOrvane::btnFormClick() {
    RunCommand(RunForm);
}

void TFormOrvane::btnAckClick() {
    RunCommand(RunAcknowledgement);
}

void TFormOrvane::RunCommand(void (*command)(ReturnContext&, const StagingSettings&)) {
    if (!return_) {
        Warn(QString::fromUtf8(kFileNotFound.data(), static_cast<int>(kFileNotFound.size())));
        return;
    }
    try {
        command(*return_, StagingSettings{staging_dir_, presenter_});
    } catch (const ReturnFileMissing& error) {
        Warn(QString::fromUtf8(error.what()));
    } catch (const NoPrintedFormError& error) {
        Warn(QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        // An error inside a driver ends the run, not the program; the staging
        // file keeps what was written.
        show_message_(this, QMessageBox::Critical, QString::fromUtf8(error.what()));
    }
}

void TFormOrvane::Warn(const QString& text) {
    show_message_(this, QMessageBox::Warning, text);
}

}  // namespace orvane
