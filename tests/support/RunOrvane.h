#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace orvane::test {

struct RunResult {
    int status = -1;  // exit status
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// Runs the orvane executable with the arguments, headless, and collects its
// exit status and output.
inline RunResult RunOrvane(const std::vector<std::string>& args) {
    const TempDir dir;
    std::string command = "QT_QPA_PLATFORM=offscreen " + ShellQuoted(ORVANE_BINARY);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command +=
        " >" + ShellQuoted((dir / "out").string()) + " 2>" + ShellQuoted((dir / "err").string());
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(dir / "out");
    result.err = ReadFile(dir / "err");
    return result;
}

inline std::string Fixture(const std::string& name) {
    return std::string(ORVANE_FIXTURES_DIR) + "/" + name;
}

}  // namespace orvane::test
