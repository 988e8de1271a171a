#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "reports/catalogue/ReportBuilder.h"
#include "reports/render/PagePainter.h"
#include "reports/render/PreviewDialog.h"
#include "reports/render/PreviewPresenter.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

const DirectoryResources kTemplates(ORVANE_TEST_TEMPLATES_DIR);

// A staging file for the test ITR-1 template whose 120 tax payments run
// over three sheets.
std::filesystem::path WriteStaging(const test::TempDir& dir) {
    std::string staging = "[PART-A-GEN]\r\npi_Name=ASHA RAO\r\nSoftwareBy=Printed with Orvane\r\n";
    for (int i = 1; i <= 120; ++i) {
        staging += "[SCHEDULE-IT-" + std::to_string(i) + "]\r\nSrNo=" + std::to_string(i) +
                   "\r\nBsrCode=05100" + std::to_string(10 + i) +
                   "\r\nAmount=" + std::to_string(1000 * i) + "\r\n";
    }
    test::WriteFile(dir / "ITR1.WIN", staging);
    return dir / "ITR1.WIN";
}

StagedReport Staged(const std::filesystem::path& staging) {
    return StagedReport{"ITR1", 2009, staging, SelectReport("ITR1", 2009)};
}

PreparedDocument SampleReturn(const test::TempDir& dir) {
    const QtTextMeasurer measurer;
    return BuildReport(Staged(WriteStaging(dir)), measurer, kTemplates);
}

class PreviewDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The user's choices go to a settings folder of the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir_ / "settings").string()));
    }

    void Open(PreviewDialog& dialog) {
        dialog.SetOpener([this](const QString& file) { opened_.push_back(file); });
        dialog.SetFileChooser(
            [this](ExportFormat, const QString& suggested) -> std::optional<QString> {
                suggestions_.push_back(suggested);
                return chosen_;
            });
        dialog.SetReplaceConfirmer([this](const QStringList& existing) {
            asked_to_replace_ += static_cast<int>(existing.size());
            return false;
        });
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void Key(PreviewDialog& dialog, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    test::TempDir dir_;
    std::vector<QString> opened_;
    std::vector<QString> suggestions_;
    QString chosen_;
    int asked_to_replace_ = 0;
};

TEST_F(PreviewDialogTest, NavigatesZoomsFindsAndExports) {
    PreviewDialog dialog(SampleReturn(dir_));
    Open(dialog);
    ASSERT_EQ(dialog.Document().pages.size(), 3u);
    EXPECT_TRUE(dialog.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.View().Mode(), PageView::ZoomMode::kPageWidth);
    QApplication::processEvents();  // the thumbnails
    dialog.grab().save(ORVANE_BUILD_DIR "/preview.png");

    // Keyboard navigation from the page view.
    dialog.View().setFocus();
    EXPECT_EQ(dialog.CurrentPage(), 0);
    Key(dialog, Qt::Key_PageDown);
    EXPECT_EQ(dialog.CurrentPage(), 1);
    Key(dialog, Qt::Key_End);
    EXPECT_EQ(dialog.CurrentPage(), 2);
    Key(dialog, Qt::Key_PageUp);
    EXPECT_EQ(dialog.CurrentPage(), 1);
    Key(dialog, Qt::Key_Home);
    EXPECT_EQ(dialog.CurrentPage(), 0);
    Key(dialog, Qt::Key_PageUp);
    EXPECT_EQ(dialog.CurrentPage(), 0);

    // Zoom.
    const double fitted = dialog.View().Zoom();
    dialog.ZoomIn();
    EXPECT_NEAR(dialog.View().Zoom(), fitted * 1.25, 1e-9);
    EXPECT_EQ(dialog.View().Mode(), PageView::ZoomMode::kFixed);
    dialog.ZoomOut();
    EXPECT_NEAR(dialog.View().Zoom(), fitted, 1e-9);
    dialog.ActualSize();
    EXPECT_DOUBLE_EQ(dialog.View().Zoom(), 1.0);
    dialog.WholePage();
    EXPECT_EQ(dialog.View().Mode(), PageView::ZoomMode::kWholePage);
    EXPECT_LE(dialog.View().Zoom(), fitted);
    dialog.FitWidth();
    EXPECT_NEAR(dialog.View().Zoom(), fitted, 1e-9);

    // Find: Ctrl+F goes to the search box; Enter searches, then finds the next.
    Key(dialog, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "FindText");
    QTest::keyClicks(QApplication::focusWidget(), "05100130");  // the last payment
    Key(dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.MatchCount(), 1);
    EXPECT_EQ(dialog.CurrentPage(), 2);
    dialog.Find("of 3");
    EXPECT_EQ(dialog.MatchCount(), 3);
    dialog.FirstPage();
    dialog.Find("OF 3");  // letter case does not matter
    EXPECT_EQ(dialog.CurrentMatch(), 0);
    dialog.FindNext();
    EXPECT_EQ(dialog.CurrentMatch(), 1);
    EXPECT_EQ(dialog.CurrentPage(), 1);
    dialog.FindPrevious();
    dialog.FindPrevious();
    EXPECT_EQ(dialog.CurrentMatch(), 2);
    dialog.Find("no such text");
    EXPECT_EQ(dialog.MatchCount(), 0);

    // Quick export (Ctrl+S): a PDF at first, opened once written.
    dialog.View().setFocus();
    chosen_ = QString::fromStdString((dir_ / "exported").string());
    Key(dialog, Qt::Key_S, Qt::ControlModifier);
    const auto pdf = dir_ / "exported.pdf";
    EXPECT_TRUE(std::filesystem::exists(pdf));
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0].toStdString(), pdf.string());

    // Images: one file per page; exporting again asks before replacing them.
    chosen_ = QString::fromStdString((dir_ / "pages.png").string());
    EXPECT_TRUE(dialog.Export(ExportFormat::kPng));
    for (const char* name : {"pages-1.png", "pages-2.png", "pages-3.png"}) {
        EXPECT_TRUE(std::filesystem::exists(dir_ / name)) << name;
    }
    EXPECT_EQ(opened_.size(), 1u);
    EXPECT_FALSE(dialog.Export(ExportFormat::kPng));
    EXPECT_EQ(asked_to_replace_, 3);

    // The last folder and format are remembered: the next quick export
    // suggests PNG in the same folder.
    chosen_.clear();
    dialog.QuickExport();
    EXPECT_EQ(suggestions_.back().toStdString(), (dir_ / "Return.png").string());

    // Esc closes the preview.
    dialog.View().setFocus();
    Key(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(PreviewDialogTest, OpensAsTheTemplateSaysOrAtTheZoomLastChosen) {
    PreparedDocument document = SampleReturn(dir_);
    document.preview_zoom = PreviewZoom::kActualSize;
    {
        PreviewDialog dialog(document);
        Open(dialog);
        EXPECT_DOUBLE_EQ(dialog.View().Zoom(), 1.0);
        dialog.ZoomIn();
    }
    {
        PreviewDialog dialog(document);
        Open(dialog);
        EXPECT_DOUBLE_EQ(dialog.View().Zoom(), 1.25);
    }
    document.preview_zoom = PreviewZoom::kPageWidth;
    PreviewDialog dialog(document);
    Open(dialog);
    EXPECT_EQ(dialog.View().Mode(), PageView::ZoomMode::kPageWidth);
}

TEST_F(PreviewDialogTest, PresenterShowsTheReportModallyUntilClosed) {
    const std::filesystem::path staging = WriteStaging(dir_);
    PreviewPresenter presenter(nullptr, kTemplates);
    std::size_t pages = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        pages = dialog->Document().pages.size();
        dialog->reject();
    });
    presenter.Present(Staged(staging));
    EXPECT_EQ(pages, 3u);
    EXPECT_THROW(presenter.Present(StagedReport{"ITR4S", 2009, staging, std::nullopt}),
                 NoPrintedFormError);
}

}  // namespace
}  // namespace orvane
