// quenmar-check --batch, run as a subprocess on fixture files.

#include <gtest/gtest.h>

#include <sstream>

#include "check_run.h"
#include "csv_reader.h"
#include "evaluation.h"
#include "n_example.h"
#include "report.h"
#include "tool_runner.h"
#include "utf8.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = QUENMAR_CLI_FIXTURES_DIR;
constexpr std::size_t kReportColumn = 22;
constexpr std::size_t kMessageColumn = 23;

std::vector<std::vector<std::string>> ReadSummary(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.Next(record)) {
        EXPECT_EQ(record.strError, "");
        EXPECT_EQ(record.fields.size(), 24u) << "line " << record.nLine;
        rows.push_back(record.fields);
    }
    return rows;
}

TEST(batch_test, mixed_csv_checks_each_row_and_writes_reports_inside_the_folder) {
    TempDir dir;
    const ToolRun run =
        RunTool({"--batch", (kFixtures / "mixed-batch.csv").string(), "--out-dir", "out/reports"},
                dir.path());
    EXPECT_EQ(run.nExit, 2);  // refused and invalid rows outrank the failed one
    EXPECT_EQ(run.strErr, "");
    const auto rows = ReadSummary(run.strOut);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0][0], "case");
    EXPECT_EQ(rows[0][kReportColumn], "report");

    struct Expected {
        std::string strCase, strStatus, strReport, strMessageStart;
    };
    const Expected expected[] = {
        {"N example", "failed", "out/reports/N_example.txt", "*** Failed *** Check Result"},
        {"N example", "passed", "out/reports/N_example~2.txt", "All Nozzle Loads are Passed."},
        {"../../escape", "passed", "out/reports/_._.__escape.txt", "All Nozzle"},
        {"'=HYPERLINK(\"http://example.invalid\")", "passed",
         "out/reports/_HYPERLINK__http___example.invalid__.txt", "All Nozzle"},
        {"odd size", "refused", "", toUtf8(kMsgNozzleSize)},
        {"bad number", "invalid", "", "line 7: FxSA: expected an integer, found \"12.5\""},
        {"short row", "invalid", "", "line 8: expected 24 fields, found 8"},
        {"two-line name, side", "passed", "out/reports/two-line_name__side.txt", "All Nozzle"},
        {"'-minus", "passed", "out/reports/_minus.txt", "All Nozzle"},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& row = rows[i + 1];
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(row[0], expected[i].strCase);
        EXPECT_EQ(row[1], expected[i].strStatus);
        EXPECT_EQ(row[kReportColumn], expected[i].strReport);
        EXPECT_TRUE(row[kMessageColumn].starts_with(expected[i].strMessageStart))
            << row[kMessageColumn];
        if (!expected[i].strReport.empty()) {
            EXPECT_TRUE(fs::exists(dir / expected[i].strReport));
        }
    }
    EXPECT_EQ(rows[1][2], "1");
    EXPECT_EQ(rows[1][3], "FzDA");
    EXPECT_EQ(rows[1][4], "1.0112");  // 3600 / 1780 / 2
    EXPECT_EQ(rows[2][4], "1.0000");  // 3600 / 1800 / 2: exactly twice the allowable passes

    // Nothing but the reports, and nothing outside the report folder.
    EXPECT_EQ(ListDir(dir.path()), std::vector<std::string>{"out"});
    EXPECT_EQ(ListDir(dir / "out"), std::vector<std::string>{"reports"});
    EXPECT_EQ(ListDir(dir / "out/reports").size(), 6u);

    const NozzleCheckInput input = NExampleInput();
    EXPECT_EQ(ReadFile(dir / "out/reports/N_example.txt"),
              ComposeCheckReport(input, EvaluateNozzleLoads(input)));
}

TEST(batch_test, summary_only_gives_the_same_rows_without_report_paths) {
    TempDir dir;
    const std::string strBatch = (kFixtures / "mixed-batch.csv").string();
    const ToolRun withReports = RunTool({"--batch", strBatch, "--out-dir", "r"}, dir.path());
    const ToolRun summaryOnly = RunTool({"--batch", strBatch, "--summary", "s.csv"}, dir.path());
    EXPECT_EQ(summaryOnly.nExit, withReports.nExit);
    EXPECT_EQ(summaryOnly.strOut, "");
    auto rowsWith = ReadSummary(withReports.strOut);
    auto rowsWithout = ReadSummary(ReadFile(dir / "s.csv"));
    ASSERT_EQ(rowsWithout.size(), rowsWith.size());
    for (std::size_t i = 1; i < rowsWith.size(); ++i) {
        EXPECT_EQ(rowsWithout[i][kReportColumn], "");
        rowsWith[i][kReportColumn] = "";
        EXPECT_EQ(rowsWithout[i], rowsWith[i]);
    }
    EXPECT_EQ(ListDir(dir.path()), (std::vector<std::string>{"r", "s.csv"}));
}

TEST(batch_test, long_batch_keeps_file_order_whatever_the_number_of_threads) {
    // Enough cases for many chunks in flight, with repeated names, refusals and invalid rows
    // spread through them.
    TempDir dir;
    std::string strCsv = "case,unit,suc_size,dis_size,xSuc,zDis,FxSA,MxSA,FzDA,MzDA\n";
    const int nCases = 3000;
    for (int i = 0; i < nCases; ++i) {
        const std::string strSize = i % 97 == 0 ? "5" : "6";
        const std::string strLoad = i % 101 == 0 ? "x" : std::to_string(100 + i % 4000);
        strCsv += "pump-" + std::to_string(i % 1000) + ",N," + strSize + ",4,-450,420," + strLoad +
                  ",900,1000,-650\n";
    }
    WriteFile(dir / "long.csv", strCsv);
    const ToolRun oneThread =
        RunTool({"--batch", "long.csv", "--out-dir", "a", "--jobs", "1"}, dir.path());
    const ToolRun fourThreads =
        RunTool({"--batch", "long.csv", "--out-dir", "b", "--jobs", "4"}, dir.path());
    EXPECT_EQ(oneThread.nExit, 2);
    EXPECT_EQ(fourThreads.nExit, 2);
    auto rowsOne = ReadSummary(oneThread.strOut);
    auto rowsFour = ReadSummary(fourThreads.strOut);
    ASSERT_EQ(rowsOne.size(), nCases + 1u);
    ASSERT_EQ(rowsFour.size(), rowsOne.size());
    for (int i = 0; i < nCases; ++i) {
        auto& rowOne = rowsOne[i + 1];
        auto& rowFour = rowsFour[i + 1];
        ASSERT_EQ(rowOne[0], "pump-" + std::to_string(i % 1000));
        const std::string strStatus = i % 101 == 0 ? "invalid" : i % 97 == 0 ? "refused" : "passed";
        ASSERT_EQ(rowOne[1], strStatus) << i;
        if (strStatus == "passed") {
            const std::string strSuffix = i < 1000 ? "" : "~" + std::to_string(i / 1000 + 1);
            ASSERT_EQ(rowOne[kReportColumn],
                      "a/pump-" + std::to_string(i % 1000) + strSuffix + ".txt");
            ASSERT_EQ(rowFour[kReportColumn], "b/" + rowOne[kReportColumn].substr(2));
        }
        rowOne[kReportColumn] = rowFour[kReportColumn] = "";
        ASSERT_EQ(rowOne, rowFour) << i;
    }
    EXPECT_EQ(ListDir(dir / "a"), ListDir(dir / "b"));
}

TEST(batch_test, json_lines_report_bad_lines_by_number_and_go_on) {
    TempDir dir;
    std::string strCase = kNExampleJson;
    strCase.erase(std::remove(strCase.begin(), strCase.end(), '\n'), strCase.end());
    auto named = [&](const std::string& strName) {
        return "{\"case\": \"" + strName + "\", " + strCase.substr(1);
    };
    WriteFile(dir / "cases.jsonl", named("first") + "\n" +            // line 1: failed
                                       "\n" +                         // line 2: skipped
                                       "{\"case\": \"broken\", \n" +  // line 3: bad JSON
                                       named("second").insert(1, "\"output\": \"x.txt\", ") +
                                       "\r\n" +  // line 4: output not allowed in a batch
                                       named("third") + "\r\n");  // line 5: failed
    const ToolRun run = RunTool({"--batch", "cases.jsonl", "--out-dir", "out"}, dir.path());
    EXPECT_EQ(run.nExit, 2);
    const auto rows = ReadSummary(run.strOut);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][0], "first");
    EXPECT_EQ(rows[1][1], "failed");
    EXPECT_EQ(rows[2][0], "");  // a line that is not JSON has no name to give
    EXPECT_EQ(rows[2][1], "invalid");
    EXPECT_TRUE(rows[2][kMessageColumn].starts_with("line 3: not valid JSON"))
        << rows[2][kMessageColumn];
    EXPECT_EQ(rows[3][1], "invalid");
    EXPECT_TRUE(rows[3][kMessageColumn].starts_with("line 4: output: ")) << rows[3][kMessageColumn];
    EXPECT_EQ(rows[4][0], "third");
    EXPECT_EQ(rows[4][1], "failed");
    EXPECT_EQ(ListDir(dir / "out"), (std::vector<std::string>{"first.txt", "third.txt"}));

    // Without reports the lines are parsed on the worker threads; the rows must not change.
    const ToolRun summaryOnly = RunTool({"--batch", "cases.jsonl", "-j", "3"}, dir.path());
    EXPECT_EQ(summaryOnly.nExit, 2);
    auto rowsSummaryOnly = ReadSummary(summaryOnly.strOut);
    ASSERT_EQ(rowsSummaryOnly.size(), rows.size());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        auto row = rows[i];
        row[kReportColumn] = "";
        EXPECT_EQ(rowsSummaryOnly[i], row);
    }
}

TEST(batch_test, batch_that_cannot_start_exits_64_and_creates_nothing) {
    struct Row {
        std::string strWhat;
        std::string strFile;
        std::string strContent;  // written to strFile unless empty
        std::string strErrStart;
    };
    const Row rows[] = {
        {"unknown file type", "cases.txt", "case\n",
         "quenmar-check: cases.txt: unknown batch file type"},
        {"missing file", "absent.csv", "", "quenmar-check: absent.csv: cannot open"},
        {"unknown column", "cases.csv", "case,FxSa\n",
         "quenmar-check: cases.csv: line 1: \"FxSa\""},
        {"repeated column", "cases.csv", "case,FxSA,FxSA\n",
         "quenmar-check: cases.csv: line 1: FxSA"},
        {"no header", "cases.csv", "", "quenmar-check: cases.csv: no header row"},
        {"folder", "cases.csv", "<folder>", "quenmar-check: cases.csv: is a folder"},
        {"semicolons", "cases.csv", "case;unit\nP-1;N\n",
         "quenmar-check: cases.csv: line 1: header: the columns must be separated by commas"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strWhat);
        TempDir dir;
        if (row.strContent == "<folder>") {
            fs::create_directory(dir / row.strFile);
        } else if (!row.strContent.empty() || row.strWhat == "no header") {
            WriteFile(dir / row.strFile, row.strContent);
        }
        const ToolRun run = RunTool({"--batch", row.strFile, "--out-dir", "out"}, dir.path());
        EXPECT_EQ(run.nExit, 64);
        EXPECT_EQ(run.strOut, "");
        EXPECT_TRUE(run.strErr.starts_with(row.strErrStart)) << run.strErr;
        EXPECT_FALSE(fs::exists(dir / "out"));
    }
}

TEST(batch_test, report_folder_that_is_a_file_exits_64) {
    TempDir dir;
    WriteFile(dir / "cases.csv", "case\n");
    WriteFile(dir / "out", "");
    const ToolRun run = RunTool({"--batch", "cases.csv", "--out-dir", "out"}, dir.path());
    EXPECT_EQ(run.nExit, 64);
    EXPECT_TRUE(run.strErr.starts_with("quenmar-check: out: cannot create the report folder"))
        << run.strErr;
}

}  // namespace
