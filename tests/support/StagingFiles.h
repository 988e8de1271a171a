#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "mapping/Recognition.h"
#include "support/TempDir.h"

namespace orvane::test {

// Runs the Form (or Acknowledgement) command on a fixture return with no report
// shown, and returns the staging file it wrote.
inline std::filesystem::path StageFixture(const std::string& fixture, const TempDir& dir,
                                          bool acknowledgement = false) {
    ReturnContext context = RecogniseReturn(std::filesystem::path(ORVANE_FIXTURES_DIR) / fixture);
    struct Recorder : ReportPresenter {
        void Present(const StagedReport& report) override { file = report.staging_file; }
        std::filesystem::path file;
    } recorder;
    const StagingSettings settings{dir.Path(), &recorder};
    if (acknowledgement) {
        RunAcknowledgement(context, settings);
    } else {
        RunForm(context, settings);
    }
    return recorder.file;
}

inline std::vector<std::string> SplitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto at = text.find(end, start);
        lines.push_back(
            text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + end.size();
    }
    return lines;
}

// Compares a staging file with an expected file kept in tests/fixtures/ with
// plain line feeds; the staging file must end every line with CR LF.
inline void ExpectStagingFile(const std::filesystem::path& actual,
                              const std::string& expected_fixture) {
    const std::string written = ReadFile(actual);
    const std::string expected =
        ReadFile(std::filesystem::path(ORVANE_FIXTURES_DIR) / expected_fixture);
    ASSERT_FALSE(expected.empty()) << "missing fixture " << expected_fixture;
    const auto got = SplitLines(written, "\r\n");
    const auto want = SplitLines(expected, "\n");
    EXPECT_TRUE(written.ends_with("\r\n")) << actual;
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string g = i < got.size() ? got[i] : "<end of file>";
        const std::string w = i < want.size() ? want[i] : "<end of file>";
        if (g != w) {
            ADD_FAILURE() << expected_fixture << " line " << i + 1 << ": wrote [" << g
                          << "], expected [" << w << "]";
            return;
        }
    }
}

}  // namespace orvane::test
