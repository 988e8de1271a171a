#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "support/RunOrvane.h"

namespace orvane {
namespace {

using Command = CommandLineOptions::Command;
using test::Fixture;
using test::RunOrvane;

TEST(CommandLine, ParsesCommandsAndOptions) {
    struct Case {
        std::vector<std::string> args;
        Command command;
        bool ack;
        std::string staging_dir;
        std::string output;
        std::string file;
    };
    const Case cases[] = {
        {{}, Command::kWindow, false, "", "", ""},
        {{"--help"}, Command::kHelp, false, "", "", ""},
        {{"info", "r.xml"}, Command::kInfo, false, "", "", "r.xml"},
        {{"stage", "--ack", "--staging-dir", "/tmp/s", "r.xml"},
         Command::kStage,
         true,
         "/tmp/s",
         "",
         "r.xml"},
        {{"form", "r.xml", "-o", "out.pdf"}, Command::kForm, false, "", "out.pdf", "r.xml"},
        {{"ack", "--staging-dir", "d", "-o", "a.png", "r.xml"},
         Command::kAck,
         false,
         "d",
         "a.png",
         "r.xml"},
        {{"form", "--help"}, Command::kHelp, false, "", "", ""},
    };
    for (const Case& c : cases) {
        const CommandLineOptions options = ParseCommandLine(c.args);
        EXPECT_EQ(options.command, c.command);
        EXPECT_EQ(options.acknowledgement, c.ack);
        EXPECT_EQ(options.staging_dir.value_or("").string(), c.staging_dir);
        EXPECT_EQ(options.output.value_or("").string(), c.output);
        EXPECT_EQ(options.file.string(), c.file);
    }
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    const std::vector<std::vector<std::string>> cases = {
        {"print", "r.xml"},
        {"info"},
        {"info", "a.xml", "b.xml"},
        {"form", "-o"},
        {"info", "--ack", "r.xml"},
        {"stage", "-o", "x.pdf", "r.xml"},
        {"form", "--verbose", "r.xml"},
    };
    for (const auto& args : cases) EXPECT_THROW(ParseCommandLine(args), UsageError) << args[0];
}

TEST(CommandLine, ExitStatusAndMessages) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;  // expected start of standard output
        std::string err;  // expected start of standard error
    };
    const Case cases[] = {
        {{"info", Fixture("itr1-2009-minimal.xml")}, 0, "ITR-1 2009-10\n", ""},
        {{"info", Fixture("itr4s-2011-minimal.xml")}, 0, "ITR-4S 2011-12\n", ""},
        {{"info", Fixture("unknown-form.xml")}, 1, "", "ITR No. Missing ?\n"},
        {{"info", Fixture("year-2012.xml")},
         1,
         "",
         "Assessment Year Valid only [2008,2009,2010,2011]\n"},
        {{"info", Fixture("not-well-formed.xml")},
         1,
         "",
         "not-well-formed.xml is not well-formed XML"},
        {{"info", Fixture("absent.xml")}, 1, "", "Cannot open file"},
        {{"--help"}, 0, "Usage:", ""},
        {{"info"}, 2, "", "orvane: info needs a RETURN.xml file"},
        {{"frobnicate"}, 2, "", "orvane: unknown command"},
    };
    for (const Case& c : cases) {
        const auto result = RunOrvane(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[0] << " " << result.err;
        EXPECT_TRUE(result.out.starts_with(c.out)) << result.out;
        EXPECT_TRUE(result.err.starts_with(c.err)) << result.err;
    }
}

TEST(CommandLine, StageWritesTheStagingFileAndPrintsItsPath) {
    const test::TempDir dir;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"stage", "--staging-dir", dir.Path().string(), Fixture("itr1-2010.xml")}, "sITR1.WIN"},
        {{"stage", "--staging-dir", dir.Path().string(), Fixture("itr1-2009.xml")}, "ITR1.WIN"},
        {{"stage", "--ack", "--staging-dir", dir.Path().string(), Fixture("itr1-2011.xml")},
         "ACK.WIN"},
        {{"stage", "--staging-dir", dir.Path().string(), Fixture("itr2-2009.xml")}, "ITR2.WIN"},
        {{"stage", "--staging-dir", dir.Path().string(), Fixture("itr3-2011.xml")}, "ITR3.WIN"},
    };
    for (const auto& [args, file] : cases) {
        const auto result = RunOrvane(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, (dir / file).string() + "\n");
        EXPECT_TRUE(std::filesystem::exists(dir / file)) << file;
    }
}

TEST(CommandLine, AStagingDirectoryThatCannotBeWrittenFails) {
    const test::TempDir dir;
    const auto missing = dir / "missing";
    const auto result =
        RunOrvane({"stage", "--staging-dir", missing.string(), Fixture("itr1-2009.xml")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Unable to write to " + (missing / "ITR1.WIN").string() + "\n");
}

TEST(CommandLine, StageWritesTheStagingFilesOfTheBusinessReturns) {
    const test::TempDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"itr4-2011.xml", "ITR4.WIN"},
        {"itr5-2011.xml", "ITR5.WIN"},
        {"itr6-2011.xml", "ITR6.WIN"},
        {"itr8-2011.xml", "ITR8.WIN"},
    };
    for (const auto& [fixture, file] : cases) {
        const auto result =
            RunOrvane({"stage", "--staging-dir", dir.Path().string(), Fixture(fixture)});
        EXPECT_EQ(result.status, 0) << fixture << " " << result.err;
        EXPECT_EQ(result.out, (dir / file).string() + "\n");
        EXPECT_TRUE(std::filesystem::exists(dir / file)) << file;
    }
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(CommandLine, FormAndAckRefuseWhatTheyCannotPrint) {
    const test::TempDir dir;
    const std::string staging = dir.Path().string();
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"form", "--staging-dir", staging, "-o", (dir / "out.xls").string(),
          test::Fixture("itr1-2009.xml")},
         "Cannot write out.xls: name it .pdf, .png, .jpg, .bmp, .tif, .svg, .html, .txt or .csv\n"},
        {{"form", "--staging-dir", staging, "-o", (dir / "out.pdf").string(),
          test::Fixture("itr4s-2010.xml")},
         "No printed form of ITR-4S for this assessment year\n"},
    };
    for (const Case& c : cases) {
        const auto result = test::RunOrvane(c.args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, c.err);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.pdf"));
    }
    // The ITR-4S return was staged all the same.
    EXPECT_TRUE(std::filesystem::exists(dir / "ITR4s.WIN"));
}

}  // namespace
}  // namespace orvane
