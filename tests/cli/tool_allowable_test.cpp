// quenmar-check --allowable, run as a subprocess.

#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

TEST(allowable_test, prints_the_six_table_values) {
    struct Row {
        std::string strNozzle, strSize, strUnit, strOut;
    };
    const Row rows[] = {
        {"side", "6", "lb", "560 700 460 1700 870 1300\n"},
        {"end", "10", "N", "6670 5340 4450 5020 2440 3800\n"},
        {"top", "16", "N", "8450 6670 10230 7320 3660 5420\n"},
        {"end", "2", "kg", "91 73 59 47 24 36\n"},
        {"end", "0", "kg", "91 73 59 47 24 36\n"},
        {"top", "17", "lb", "1900 1500 2300 5400 2700 4000\n"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strNozzle + " " + row.strSize + " " + row.strUnit);
        const ToolRun run = RunTool({"--allowable", "--nozzle", row.strNozzle, "--size",
                                     row.strSize, "--unit", row.strUnit},
                                    dir.path());
        EXPECT_EQ(run.nExit, 0);
        EXPECT_EQ(run.strOut, row.strOut);
        EXPECT_EQ(run.strErr, "");
    }
}

TEST(allowable_test, size_without_a_column_exits_2) {
    TempDir dir;
    const ToolRun run =
        RunTool({"--allowable", "--nozzle", "end", "--size", "7", "--unit", "N"}, dir.path());
    EXPECT_EQ(run.nExit, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_NE(run.strErr.find("size 7 has no column"), std::string::npos) << run.strErr;
}

TEST(allowable_test, incomplete_or_unknown_arguments_exit_64) {
    const std::vector<std::vector<std::string>> argLists = {
        {"--allowable", "--nozzle", "end", "--size", "6"},
        {"--allowable", "--nozzle", "front", "--size", "6", "--unit", "N"},
        {"--allowable", "--nozzle", "end", "--size", "six", "--unit", "N"},
        {"--allowable", "--nozzle", "end", "--size", "6", "--unit", "kN"},
        {"--nozzle", "end", "--size", "6", "--unit", "N"},
    };
    TempDir dir;
    for (const auto& args : argLists) {
        SCOPED_TRACE(args[1]);
        const ToolRun run = RunTool(args, dir.path());
        EXPECT_EQ(run.nExit, 64);
        EXPECT_EQ(run.strOut, "");
        EXPECT_TRUE(run.strErr.starts_with("quenmar-check: ")) << run.strErr;
    }
}

}  // namespace
