#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "reports/render/PreviewPresenter.h"

namespace {

// Opens the main window, centred on the screen; closing it ends the program.
int RunWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    orvane::PreviewPresenter preview;
    orvane::TFormOrvane window(&preview, orvane::ExecutableDirectory());
    window.show();
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    return application.exec();
}

// Prints a return's form or acknowledgement to a file. Painting needs a
// QGuiApplication but no display: the offscreen platform serves unless the
// environment names another.
int RunExport(int argc, char** argv, const orvane::CommandLineOptions& options) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the run's own messages only, not the toolkit's
    // remarks about its environment.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    QGuiApplication application(argc, argv);
    return orvane::RunHeadless(options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    using orvane::CommandLineOptions;
    const std::vector<std::string> args(argv + 1, argv + argc);
    CommandLineOptions options;
    try {
        options = orvane::ParseCommandLine(args);
    } catch (const orvane::UsageError& error) {
        std::cerr << "orvane: " << error.what() << "\n\n" << orvane::UsageText();
        return 2;
    }
    switch (options.command) {
        case CommandLineOptions::Command::kHelp:
            std::cout << orvane::UsageText();
            return 0;
        case CommandLineOptions::Command::kWindow:
            return RunWindow(argc, argv);
        case CommandLineOptions::Command::kForm:
        case CommandLineOptions::Command::kAck:
            return RunExport(argc, argv, options);
        default:
            return orvane::RunHeadless(options, std::cout, std::cerr);
    }
}
