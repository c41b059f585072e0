// quenmar-check CASE.json [-o PATH], run as a subprocess.

#include <gtest/gtest.h>

#include "check_run.h"
#include "evaluation.h"
#include "n_example.h"
#include "report.h"
#include "tool_runner.h"
#include "utf8.h"

namespace {

const std::string kPassedStdout = "All Nozzle Loads are Passed.\nCheck result Output File.\n";
const std::string kFailedStdout = "*** Failed ***\nCheck Result output as the File.\n";

// The N example with the suction's applied loads halved and the discharge Fz within its limit.
const char* kPassedJson = R"({"unit": "N",
  "suction": {"size": 6, "position_mm": [-450, 0, 0], "applied": [600, -400, 470, 750, -300, 450]},
  "discharge": {"size": 4, "position_mm": [0, 300, 420], "applied": [-700, 500, 1800, 800, 400, -650]}})";

TEST(single_case_test, n_example_prints_result_and_writes_the_engine_report) {
    TempDir dir;
    WriteFile(dir / "case.json", kNExampleJson);
    const ToolRun run = RunTool({"case.json", "-o", "pump-p101"}, dir.path());
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(run.strOut, "One Fail is checked, see File pump-p101.txt\n" + kFailedStdout);
    EXPECT_EQ(run.strErr, "");
    const NozzleCheckInput input = NExampleInput();
    EXPECT_EQ(ReadFile(dir / "pump-p101.txt"),
              ComposeCheckReport(input, EvaluateNozzleLoads(input)));
}

TEST(single_case_test, passed_case_exits_0) {
    TempDir dir;
    WriteFile(dir / "case.json", kPassedJson);
    const ToolRun run = RunTool({"case.json", "-o", "ok.txt"}, dir.path());
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.strOut, "Passed, see File ok.txt\n" + kPassedStdout);
    EXPECT_EQ(run.strErr, "");
}

TEST(single_case_test, output_path_follows_the_check_runs_txt_rule) {
    struct Row {
        std::string strCaseOutput;  // "output" of the case file, "" = none
        std::vector<std::string> optionArgs;
        std::string strFile;      // file expected in the folder
        std::string strFileName;  // as the Result line names it
    };
    const Row rows[] = {
        {"from-file", {}, "from-file.txt", "from-file.txt"},
        {"from-file", {"-o", "chosen"}, "chosen.txt", "chosen.txt"},
        {"", {"-o", "r.TXT"}, "r.TXT", "r.TXT"},
        {"", {"-o", "Report.Txt"}, "Report.Txt.txt", "Report.Txt.txt"},
        {"sub/nested", {}, "sub/nested.txt", "nested.txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strFile);
        TempDir dir;
        std::filesystem::create_directory(dir / "sub");
        std::string strJson = kNExampleJson;
        if (!row.strCaseOutput.empty()) {
            strJson.insert(strJson.rfind('}'), ", \"output\": \"" + row.strCaseOutput + "\"");
        }
        WriteFile(dir / "case.json", strJson);
        std::vector<std::string> args = {"case.json"};
        args.insert(args.end(), row.optionArgs.begin(), row.optionArgs.end());
        const ToolRun run = RunTool(args, dir.path());
        EXPECT_EQ(run.nExit, 1);
        EXPECT_EQ(run.strOut,
                  "One Fail is checked, see File " + row.strFileName + "\n" + kFailedStdout);
        EXPECT_TRUE(std::filesystem::exists(dir / row.strFile));
        // Exactly one report: -o replaces the case's output instead of adding to it.
        const bool bInSub = row.strFile.starts_with("sub/");
        EXPECT_EQ(ListDir(dir.path()).size(), bInSub ? 2u : 3u);  // case.json, sub, the report
        EXPECT_EQ(ListDir(dir / "sub").size(), bInSub ? 1u : 0u);
    }
}

TEST(single_case_test, refused_check_prints_its_text_on_stderr_and_writes_nothing) {
    struct Row {
        std::string strWhat;
        std::string strJson;
        std::vector<std::string> args;
        const wchar_t* szMessage;
    };
    const std::string strGood = kNExampleJson;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = strGood;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const Row rows[] = {
        {"no output file chosen", strGood, {}, kMsgOutputFile},
        {"empty -o", strGood, {"-o", ""}, kMsgOutputFile},
        {"folder that does not exist", strGood, {"-o", "missing/r.txt"}, kMsgOutputFile},
        {"path ending in a separator", strGood, {"-o", "sub/"}, kMsgOutputFile},
        {"size without a column",
         replaced("\"size\": 6", "\"size\": 5"),
         {"-o", "r"},
         kMsgNozzleSize},
        {"suction size absent", replaced("\"size\": 6, ", ""), {"-o", "r"}, kMsgNozzleSize},
        {"size text without digits",
         replaced("\"size\": 4", "\"size\": \"four\""),
         {"-o", "r"},
         kMsgNozzleSize},
        {"end suction without xSuc",
         replaced("[-450, 0, 0]", "[0, 0, 0]"),
         {"-o", "r"},
         kMsgNozzleDimension},
        {"discharge moments all 0",
         replaced("800, 400, -650", "0, 0, 0"),
         {"-o", "r"},
         kMsgAppliedLoads},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strWhat);
        TempDir dir;
        std::filesystem::create_directory(dir / "sub");
        WriteFile(dir / "case.json", row.strJson);
        std::vector<std::string> args = {"case.json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const ToolRun run = RunTool(args, dir.path());
        EXPECT_EQ(run.nExit, 2);
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(run.strErr, toUtf8(row.szMessage) + "\n");
        EXPECT_EQ(ListDir(dir.path()), (std::vector<std::string>{"case.json", "sub"}));
        EXPECT_TRUE(ListDir(dir / "sub").empty());
    }
}

TEST(single_case_test, invalid_case_file_exits_64_with_one_line_naming_file_and_field) {
    struct Row {
        std::string strJson;
        std::string strField;  // expected after "case.json: "
    };
    const Row rows[] = {
        {R"({"unit": "N",})", "not valid JSON at line 1, column 14"},
        {"{\"unit\": \"N\",\n \"suction\": {\"size\": 6,, }}",
         "not valid JSON at line 2, column 24"},
        {R"([1, 2])", "expected a JSON object"},
        {R"({"suction": {"size": 1e400}})", "not valid JSON: a number beyond the range"},
        {R"({"unit": "kN"})", "unit: unknown unit"},
        {R"({"unit": 1})", "unit: expected a string"},
        {R"({"pump_type": "end-side"})", "pump_type: unknown pump type"},
        {R"({"suction": {"applied": [1, 2, 3, 4, 5]}})", "suction.applied: expected 6 values"},
        {R"({"suction": {"applied": [1, 2, 3, 4, 5, 6.5]}})",
         "suction.applied[5]: expected a whole"},
        {R"({"suction": {"applied": [1, 2, 3, 4, 5, "6"]}})",
         "suction.applied[5]: expected an integer"},
        {R"({"discharge": {"position_mm": [0, 0, 2147483648]}})",
         "discharge.position_mm[2]: 2147483648 is beyond the signed 32-bit range"},
        {R"({"discharge": {"position_mm": [-2147483649, 0, 0]}})",
         "discharge.position_mm[0]: -2147483649 is beyond"},
        {R"({"suction": {"allowable": [1, 2, 3, 4, 5, null]}})",
         "suction.allowable[5]: expected an integer or a string"},
        {R"({"suction": {"size": true}})", "suction.size: expected an integer or a string"},
        {R"({"suction": {"sizes": 6}})", "suction.sizes: unknown key"},
        {R"({"Unit": "N"})", "Unit: unknown key"},
        {R"({"suction": {"size": 6, "size": 8}})", "suction.size: key given twice"},
        {R"({"unit": "N", "unit": "kg"})", "unit: key given twice"},
        {R"({"output": ["a"]})", "output: expected a string"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strJson);
        TempDir dir;
        WriteFile(dir / "case.json", row.strJson);
        const ToolRun run = RunTool({"case.json", "-o", "r.txt"}, dir.path());
        EXPECT_EQ(run.nExit, 64);
        EXPECT_EQ(run.strOut, "");
        EXPECT_TRUE(run.strErr.starts_with("quenmar-check: case.json: " + row.strField))
            << run.strErr;
        EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 1);
        EXPECT_EQ(ListDir(dir.path()), std::vector<std::string>{"case.json"});
    }
}

TEST(single_case_test, unreadable_case_file_exits_64) {
    TempDir dir;
    const ToolRun run = RunTool({"absent.json"}, dir.path());
    EXPECT_EQ(run.nExit, 64);
    EXPECT_TRUE(run.strErr.starts_with("quenmar-check: absent.json: cannot open")) << run.strErr;
}

}  // namespace
