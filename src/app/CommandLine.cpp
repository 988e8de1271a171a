#include "app/CommandLine.h"

#include <ostream>

#include "Error.h"
#include "app/Commands.h"
#include "mapping/Recognition.h"
#include "reports/render/ExportPresenter.h"

namespace orvane {
namespace {

using Command = CommandLineOptions::Command;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  orvane                                   open the window\n"
    "  orvane info  RETURN.xml                  print the form and assessment year\n"
    "  orvane stage [--ack] [--staging-dir DIR] RETURN.xml\n"
    "                                           write the staging file, print its path\n"
    "  orvane form  [--staging-dir DIR] [-o OUT] RETURN.xml\n"
    "                                           print the return form to OUT\n"
    "  orvane ack   [--staging-dir DIR] [-o OUT] RETURN.xml\n"
    "                                           print the acknowledgement (ITR-V) to OUT\n"
    "OUT is written in the format its extension names: .pdf .png .jpg .bmp .tif .svg\n"
    ".html .txt .csv; without -o a PDF is written next to the return.\n";

std::optional<Command> CommandNamed(std::string_view name) {
    if (name == "info") return Command::kInfo;
    if (name == "stage") return Command::kStage;
    if (name == "form") return Command::kForm;
    if (name == "ack") return Command::kAck;
    return std::nullopt;
}

StagingSettings SettingsFor(const CommandLineOptions& options, ReportPresenter* presenter) {
    return StagingSettings{options.staging_dir.value_or(ExecutableDirectory()), presenter};
}

// Remembers the staging file of a run without showing anything.
class StagingPathPresenter : public ReportPresenter {
  public:
    void Present(const StagedReport& report) override { staging_file = report.staging_file; }
    std::filesystem::path staging_file;
};

}  // namespace

std::string_view UsageText() {
    return kUsage;
}

CommandLineOptions ParseCommandLine(std::span<const std::string> args) {
    CommandLineOptions options;
    if (args.empty()) return options;
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        options.command = Command::kHelp;
        return options;
    }
    const auto command = CommandNamed(args[0]);
    if (!command) throw UsageError("unknown command '" + args[0] + "'");
    options.command = *command;

    bool have_file = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.command = Command::kHelp;
            return options;
        } else if (arg == "--ack" && options.command == Command::kStage) {
            options.acknowledgement = true;
        } else if (arg == "--staging-dir" && options.command != Command::kInfo) {
            options.staging_dir = value();
        } else if (arg == "-o" &&
                   (options.command == Command::kForm || options.command == Command::kAck)) {
            options.output = value();
        } else if (arg.starts_with("-") && arg.size() > 1) {
            throw UsageError("unknown option '" + arg + "' for " + args[0]);
        } else if (have_file) {
            throw UsageError("only one return file can be given");
        } else {
            options.file = arg;
            have_file = true;
        }
    }
    if (!have_file) throw UsageError(args[0] + " needs a RETURN.xml file");
    return options;
}

int RunHeadless(const CommandLineOptions& options, std::ostream& out, std::ostream& err) {
    try {
        ReturnContext context = RecogniseReturn(options.file);
        switch (options.command) {
            case Command::kInfo:
                out << FormName(context.FormCode) << ' '
                    << AssessmentYearText(context.AssessmentYear) << '\n';
                break;
            case Command::kStage: {
                StagingPathPresenter presenter;
                const StagingSettings settings = SettingsFor(options, &presenter);
                if (options.acknowledgement) {
                    RunAcknowledgement(context, settings);
                } else {
                    RunForm(context, settings);
                }
                out << presenter.staging_file.string() << '\n';
                break;
            }
            case Command::kForm:
            case Command::kAck: {
                const bool ack = options.command == Command::kAck;
                ExportPresenter presenter(
                    options.output.value_or(DefaultOutputPath(options.file, ack)));
                const StagingSettings settings = SettingsFor(options, &presenter);
                if (ack) {
                    RunAcknowledgement(context, settings);
                } else {
                    RunForm(context, settings);
                }
                out << presenter.Written().string() << '\n';
                break;
            }
            default:
                break;
        }
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

}  // namespace orvane
