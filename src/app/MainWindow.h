#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"

namespace orvane {

// The main window: pick a return (Browse), print its form (Form) or its
// acknowledgement (Acknowledgement). It keeps the return picked by the last
// successful Browse; a failed Browse leaves it in force.
class TFormOrvane : public QWidget {
    Q_OBJECT

  public:
    // Asks the user for a return file; none when the dialog is cancelled.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent)>;
    // Shows a message box: kind is QMessageBox::Warning or QMessageBox::Critical.
    using MessageShower = std::function<void(QWidget* parent, int kind, const QString& text)>;

    // `presenter` shows the reports (the preview); staging files go to `staging_dir`.
    TFormOrvane(ReportPresenter* presenter, std::filesystem::path staging_dir,
                QWidget* parent = nullptr);

    // Replace the file dialog and the message box, for tests.
    void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }
    void SetMessageShower(MessageShower shower) { show_message_ = std::move(shower); }

    // The return in force, if any.
    const std::optional<ReturnContext>& Return() const { return return_; }

    // The text of the path box (the picked path in capital letters).
    QString PathText() const { return path_box_->text(); }

  public slots:
    void btnOpenClick();
    void btnFormClick();
    void btnAckClick();

  private:
    void Warn(const QString& text);
    void RunCommand(void (*command)(ReturnContext&, const StagingSettings&));

    ReportPresenter* presenter_;
    std::filesystem::path staging_dir_;
    std::optional<ReturnContext> return_;
    FileChooser choose_file_;
    MessageShower show_message_;

    QLineEdit* path_box_;
    QPushButton* browse_;
    QPushButton* form_;
    QPushButton* acknowledgement_;
};

// The dialog's file choice: title "Open file", filter "XML files", one existing file.
std::optional<QString> ChooseReturnFile(QWidget* parent);

// A modal message box with a single OK button.
void ShowMessage(QWidget* parent, int kind, const QString& text);

}  // namespace orvane
