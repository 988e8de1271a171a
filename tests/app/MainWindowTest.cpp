#include <gtest/gtest.h>

#include <QMessageBox>

#include "app/MainWindow.h"
#include "support/RunOrvane.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::Fixture;

class RecordingPresenter : public ReportPresenter {
  public:
    void Present(const StagedReport& report) override {
        shown.push_back(report);
        if (refuse) throw NoPrintedFormError("No printed form of ITR-4S for this assessment year");
    }
    std::vector<StagedReport> shown;
    bool refuse = false;
};

struct Message {
    int kind;
    QString text;
};

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : window_(&presenter_, dir_.Path()) {
        window_.SetFileChooser([this](QWidget*) { return next_file_; });
        window_.SetMessageShower([this](QWidget*, int kind, const QString& text) {
            messages_.push_back({kind, text});
        });
    }

    void Browse(std::optional<QString> file) {
        next_file_ = std::move(file);
        window_.btnOpenClick();
    }

    // A copy of a fixture that the test may delete.
    QString CopyOf(const std::string& fixture) {
        const auto copy = dir_ / fixture;
        std::filesystem::copy_file(Fixture(fixture), copy);
        return QString::fromStdString(copy.string());
    }

    test::TempDir dir_;
    RecordingPresenter presenter_;
    TFormOrvane window_;
    std::optional<QString> next_file_;
    std::vector<Message> messages_;
};

TEST_F(MainWindowTest, BrowseShowsThePathInCapitalsAndKeepsTheReturn) {
    const QString file = CopyOf("itr1-2009.xml");
    Browse(file);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(window_.PathText(), file.toUpper());
    ASSERT_TRUE(window_.Return());
    EXPECT_EQ(window_.Return()->FormCode, 1);
    EXPECT_EQ(window_.Return()->AssessmentYear, 2009);
}

TEST_F(MainWindowTest, AFailedBrowseWarnsAndKeepsTheEarlierReturn) {
    const QString good = CopyOf("itr1-2009.xml");
    Browse(good);
    const std::pair<std::string, QString> cases[] = {
        {"unknown-form.xml", "ITR No. Missing ?"},
        {"year-2012.xml", "Assessment Year Valid only [2008,2009,2010,2011]"},
        {"not-well-formed.xml", "not-well-formed.xml is not well-formed XML: "},
    };
    for (const auto& [fixture, message] : cases) {
        messages_.clear();
        Browse(QString::fromStdString(Fixture(fixture)));
        ASSERT_EQ(messages_.size(), 1u) << fixture;
        EXPECT_EQ(messages_[0].kind, QMessageBox::Warning);
        EXPECT_TRUE(messages_[0].text.startsWith(message)) << messages_[0].text.toStdString();
        EXPECT_EQ(window_.PathText(), good.toUpper());
        EXPECT_EQ(window_.Return()->AssessmentYear, 2009);
    }
    messages_.clear();
    Browse(std::nullopt);  // cancel
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(window_.PathText(), good.toUpper());
}

TEST_F(MainWindowTest, FormAndAcknowledgementNeedTheFileStillThere) {
    window_.btnFormClick();
    window_.btnAckClick();
    const QString file = CopyOf("itr1-2009.xml");
    Browse(file);
    std::filesystem::remove(file.toStdString());
    window_.btnFormClick();
    window_.btnAckClick();
    ASSERT_EQ(messages_.size(), 4u);
    for (const Message& message : messages_) {
        EXPECT_EQ(message.kind, QMessageBox::Warning);
        EXPECT_EQ(message.text, "File not found !");
    }
    EXPECT_TRUE(presenter_.shown.empty());
}

TEST_F(MainWindowTest, FormAndAcknowledgementShowTheirReports) {
    Browse(CopyOf("itr1-2010.xml"));
    window_.btnFormClick();
    window_.btnFormClick();
    window_.btnAckClick();
    EXPECT_TRUE(messages_.empty());
    ASSERT_EQ(presenter_.shown.size(), 3u);
    EXPECT_EQ(presenter_.shown[0].choice, (ReportChoice{"TFormITR1_2010", "frxReport1"}));
    EXPECT_EQ(presenter_.shown[1].staging_file, dir_ / "sITR1.WIN");
    EXPECT_EQ(presenter_.shown[2].choice, (ReportChoice{"TFormNewAcknowledgement", "frxReport2"}));
    // totals start from 0 in every run
    EXPECT_NE(test::ReadFile(dir_ / "sITR1.WIN").find("it_Tot_1=0\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, AnErrorInsideADriverIsShownAndTheWindowGoesOn) {
    std::string broken = test::ReadFile(Fixture("itr1-2011.xml"));
    const std::string refund = "<ITRForm:RefundDue>2500<";
    broken.replace(broken.find(refund), refund.size(), "<ITRForm:RefundDue>2500.50<");
    test::WriteFile(dir_ / "broken.xml", broken);
    Browse(QString::fromStdString((dir_ / "broken.xml").string()));
    window_.btnFormClick();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, QMessageBox::Critical);
    EXPECT_EQ(messages_[0].text, "'2500.50' is not a valid integer value");
    EXPECT_TRUE(presenter_.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(dir_ / "ITR1.WIN"));  // keeps what was written
    window_.btnAckClick();                                    // the window still works
    EXPECT_EQ(presenter_.shown.size(), 1u);
}

TEST_F(MainWindowTest, AReturnWithoutPrintedFormIsAWarning) {
    presenter_.refuse = true;
    Browse(CopyOf("itr4s-2010.xml"));
    window_.btnFormClick();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, QMessageBox::Warning);
    EXPECT_EQ(messages_[0].text, "No printed form of ITR-4S for this assessment year");
    EXPECT_TRUE(std::filesystem::exists(dir_ / "ITR4s.WIN"));
}

TEST_F(MainWindowTest, LayoutAndScreenshot) {
    EXPECT_EQ(window_.objectName(), "FormOrvane");
    EXPECT_EQ(window_.windowTitle(),
              "Orvane Printing ( Release v.3.0)  - (A.Y.2008-09 to 2011-12)");
    EXPECT_EQ(window_.size(), QSize(531, 122));
    const auto* browse = window_.findChild<QPushButton*>("btnOpen");
    ASSERT_NE(browse, nullptr);
    EXPECT_EQ(browse->text(), "&Browse");
    EXPECT_EQ(browse->geometry(), QRect(431, 10, 94, 26));
    EXPECT_EQ(window_.findChild<QPushButton*>("btnForm")->text(), "&Form");
    EXPECT_EQ(window_.findChild<QPushButton*>("btnAck")->text(), "&Acknowledgement");
    EXPECT_FALSE(window_.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window_.windowFlags() & Qt::WindowMaximizeButtonHint);
    Browse(CopyOf("itr1-2011.xml"));
    window_.show();
    const QString shot = QString(ORVANE_BUILD_DIR) + "/main-window.png";
    EXPECT_TRUE(window_.grab().save(shot));
}

}  // namespace
}  // namespace orvane
