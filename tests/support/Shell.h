#pragma once

#include <cstdio>
#include <string>

namespace orvane::test {

// Runs a shell command and returns what it wrote to standard output.
inline std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

}  // namespace orvane::test
