// Every file in examples/ goes through the tool the way examples/README.md says to run it.

#include <gtest/gtest.h>

#include <map>

#include "case_json.h"
#include "check_case.h"
#include "evaluation.h"
#include "n_example.h"
#include "report.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = QUENMAR_EXAMPLES_DIR;

// Exit codes the examples are meant to show; an example missing here fails the test, so that
// a new example is looked at once.
const std::map<std::string, int> kExpectedExit = {
    {"end-top-n.json", 1},     {"top-top-kg-passed.json", 0}, {"side-side-lb.json", 0},
    {"unit-200-batch.csv", 1}, {"unit-200-batch.jsonl", 0},
};

std::size_t CountLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(examples_test, every_example_runs_with_its_exit_code) {
    std::size_t nRun = 0;
    for (const auto& entry : fs::directory_iterator(kExamples)) {
        const fs::path path = entry.path();
        const std::string strName = path.filename().string();
        const std::string strExt = path.extension().string();
        if (strExt != ".json" && strExt != ".csv" && strExt != ".jsonl") continue;
        SCOPED_TRACE(strName);
        ASSERT_TRUE(kExpectedExit.contains(strName)) << "add the new example to kExpectedExit";
        TempDir dir;
        if (strExt == ".json") {
            const ToolRun run = RunTool({path.string()}, dir.path());
            EXPECT_EQ(run.nExit, kExpectedExit.at(strName)) << run.strErr;
            EXPECT_EQ(run.strErr, "");
            // The report is the engine's for the record the case file describes.
            CheckCase checkCase;
            ASSERT_FALSE(ParseCaseJson(ReadFile(path), CaseJsonUse::SingleCase, checkCase));
            const NozzleCheckInput input = ToNozzleCheckInput(checkCase);
            const fs::path report = dir / (path.stem().string() + ".txt");
            EXPECT_EQ(ReadFile(report), ComposeCheckReport(input, EvaluateNozzleLoads(input)));
        } else {
            const ToolRun run =
                RunTool({"--batch", path.string(), "--out-dir", "reports"}, dir.path());
            EXPECT_EQ(run.nExit, kExpectedExit.at(strName)) << run.strErr;
            EXPECT_EQ(run.strErr, "");
            // A header and one row a case; every case wrote its report.
            const std::size_t nCases = CountLines(ReadFile(path)) - (strExt == ".csv" ? 1 : 0);
            EXPECT_EQ(CountLines(run.strOut), nCases + 1);
            EXPECT_EQ(ListDir(dir / "reports").size(), nCases);
        }
        ++nRun;
    }
    EXPECT_EQ(nRun, kExpectedExit.size());
}

TEST(examples_test, n_example_file_is_the_report_example) {
    TempDir dir;
    const ToolRun run = RunTool({(kExamples / "end-top-n.json").string()}, dir.path());
    ASSERT_EQ(run.nExit, 1);
    const NozzleCheckInput input = NExampleInput();
    EXPECT_EQ(ReadFile(dir / "end-top-n.txt"),
              ComposeCheckReport(input, EvaluateNozzleLoads(input)));
}

}  // namespace
