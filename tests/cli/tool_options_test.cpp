// --help, --version and wrong command lines.

#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

TEST(options_test, help_names_every_mode_and_the_exit_codes) {
    TempDir dir;
    const ToolRun run = RunTool({"--help"}, dir.path());
    EXPECT_EQ(run.nExit, 0);
    for (const char* text :
         {"CASE.json", "--batch", "--out-dir", "--summary", "--allowable", "Exit status", "64"}) {
        EXPECT_NE(run.strOut.find(text), std::string::npos) << text;
    }
}

TEST(options_test, version_prints_the_project_version) {
    TempDir dir;
    const ToolRun run = RunTool({"--version"}, dir.path());
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.strOut, std::string("quenmar-check ") + QUENMAR_VERSION + "\n");
}

TEST(options_test, wrong_command_lines_exit_64_with_one_line) {
    const std::vector<std::vector<std::string>> argLists = {
        {},
        {"--frobnicate"},
        {"a.json", "b.json"},
        {"a.json", "--batch", "b.csv"},
        {"--batch", "b.csv", "-o", "r.txt"},
        {"a.json", "--out-dir", "reports"},
        {"--batch"},
    };
    TempDir dir;
    for (const auto& args : argLists) {
        SCOPED_TRACE(args.empty() ? "(none)" : args[0]);
        const ToolRun run = RunTool(args, dir.path());
        EXPECT_EQ(run.nExit, 64);
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 1) << run.strErr;
    }
}

}  // namespace
