#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"

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
            std::cerr << "orvane: the window is not available yet\n\n" << orvane::UsageText();
            return 2;
        default:
            return orvane::RunHeadless(options, std::cout, std::cerr);
    }
}
