#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// What the command line asks for.
struct CommandLineOptions {
    enum class Command { kWindow, kHelp, kInfo, kStage, kForm, kAck };
    Command command = Command::kWindow;
    bool acknowledgement = false;                      // stage --ack
    std::optional<std::filesystem::path> staging_dir;  // --staging-dir DIR
    std::optional<std::filesystem::path> output;       // -o OUT
    std::filesystem::path file;                        // RETURN.xml
};

// The usage text printed by --help and after a usage error.
std::string_view UsageText();

// Reads the arguments after the program name; throws UsageError on a mistake.
CommandLineOptions ParseCommandLine(std::span<const std::string> args);

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs a headless command and returns the exit status: 0 on success, 1 when
// the return is refused or the run fails (the message goes to `err`).
int RunHeadless(const CommandLineOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orvane
