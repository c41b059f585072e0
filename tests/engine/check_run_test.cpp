#include "check_run.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "evaluation.h"
#include "report.h"
#include "sample_inputs.h"

namespace fs = std::filesystem;

namespace {
std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CheckRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("quenmar-run-" + std::to_string(seed()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The record as the form holds it after "..." chose `name` in the test folder.
    NozzleCheckInput chosen(const std::wstring& name, NozzleCheckInput in = endTopNewtonInput()) {
        in.strOutFileName = name;
        in.strOutFile = m_dir.wstring() + L"/" + name;  // the name may hold any character
        return in;
    }

    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};
}  // namespace

TEST_F(CheckRunTest, completed_run_writes_the_report_and_the_result_line) {
    NozzleCheckInput in = chosen(L"pump101");
    const NozzleCheckOutcome outcome = RunNozzleCheck(in);
    ASSERT_TRUE(outcome.bCompleted);
    EXPECT_EQ(outcome.strMessage, L"*** Failed ***\nCheck Result output as the File.");
    EXPECT_EQ(in.strResultLine, L"One Fail is checked, see File pump101.txt");
    EXPECT_EQ(in.strOutFileName, L"pump101.txt");
    EXPECT_EQ(fs::path(in.strOutFile), m_dir / "pump101.txt");
    EXPECT_EQ(readFile(m_dir / "pump101.txt"), ComposeCheckReport(in, EvaluateNozzleLoads(in)));
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file may stay behind";

    // A second run finds the suffix and writes the same report over the first.
    ASSERT_TRUE(RunNozzleCheck(in).bCompleted);
    EXPECT_EQ(in.strOutFileName, L"pump101.txt");
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(CheckRunTest, passed_run_gives_the_passed_texts) {
    NozzleCheckInput in = chosen(L"PumpANozz.txt", endTopNewtonPassedInput());
    const NozzleCheckOutcome outcome = RunNozzleCheck(in);
    ASSERT_TRUE(outcome.bCompleted);
    EXPECT_EQ(outcome.strMessage, L"All Nozzle Loads are Passed.\nCheck result Output File.");
    EXPECT_EQ(in.strResultLine, L"Passed, see File PumpANozz.txt");
}

TEST(check_run_test, result_line_prefix_by_fail_count) {
    EXPECT_EQ(ResultLinePrefix(0), L"Passed, ");
    EXPECT_EQ(ResultLinePrefix(1), L"One Fail is checked, ");
    EXPECT_EQ(ResultLinePrefix(3), L"3 Fails are checked, ");
    EXPECT_EQ(ResultLinePrefix(17), L"17 Fails are checked, ");
}

TEST_F(CheckRunTest, refusals_touch_no_file_and_keep_the_result_line) {
    struct Case {
        const char* what;
        void (*change)(NozzleCheckInput&);
        const wchar_t* message;
    };
    const Case cases[] = {
        {"end suction without xSuc", [](NozzleCheckInput& in) { in.nXSuc = 0; }, kMsgNozzleDimension},
        {"top discharge without zDis", [](NozzleCheckInput& in) { in.nZDis = 0; }, kMsgNozzleDimension},
        {"top-top suction without zSuc",
         [](NozzleCheckInput& in) { in.nSucNozzType = TopNozzle; }, kMsgNozzleDimension},
        {"no suction size", [](NozzleCheckInput& in) { in.nSucSize = 0; }, kMsgNozzleSize},
        {"no discharge size", [](NozzleCheckInput& in) { in.nDisSize = 0; }, kMsgNozzleSize},
        {"no suction forces",
         [](NozzleCheckInput& in) { in.nAppliedSuc[0] = in.nAppliedSuc[1] = in.nAppliedSuc[2] = 0; },
         kMsgAppliedLoads},
        {"no discharge moments",
         [](NozzleCheckInput& in) { in.nAppliedDis[3] = in.nAppliedDis[4] = in.nAppliedDis[5] = 0; },
         kMsgAppliedLoads},
        {"no file chosen", [](NozzleCheckInput& in) { in.strOutFileName.clear(); }, kMsgOutputFile},
    };
    for (const auto& c : cases) {
        NozzleCheckInput in = chosen(L"pump.txt");
        in.strResultLine = L"earlier line";
        c.change(in);
        const NozzleCheckOutcome outcome = RunNozzleCheck(in);
        EXPECT_FALSE(outcome.bCompleted) << c.what;
        EXPECT_EQ(outcome.strMessage, c.message) << c.what;
        EXPECT_EQ(in.strResultLine, L"earlier line") << c.what;
        EXPECT_EQ(filesInDir(), 0u) << c.what;
    }
}

TEST_F(CheckRunTest, side_side_pump_needs_no_coordinates) {
    NozzleCheckInput in = chosen(L"side.txt");
    in.nSucNozzType = in.nDisNozzType = SideNozzle;
    in.nXSuc = in.nYDis = in.nZDis = 0;
    EXPECT_TRUE(RunNozzleCheck(in).bCompleted);
}

TEST_F(CheckRunTest, txt_suffix_rules) {
    struct Case {
        std::wstring name;
        std::wstring expectedName;
    };
    const Case cases[] = {
        {L"report", L"report.txt"},
        {L"Report.TXT", L"Report.TXT"},
        {L"Report.Txt", L"Report.Txt.txt"},
        {L"a", L"a.txt"},
        {L"pump.txt", L"pump.txt"},
    };
    for (const auto& c : cases) {
        NozzleCheckInput in = chosen(c.name);
        EXPECT_TRUE(RunNozzleCheck(in).bCompleted) << std::string(c.name.begin(), c.name.end());
        EXPECT_EQ(in.strOutFileName, c.expectedName);
        EXPECT_EQ(fs::path(in.strOutFile), m_dir / c.expectedName);
        EXPECT_TRUE(fs::is_regular_file(m_dir / c.expectedName));
    }
}

TEST_F(CheckRunTest, name_is_tested_never_the_path) {
    NozzleCheckInput in = chosen(L"pump.txt");
    in.strOutFile = (m_dir / "pump-path").wstring();
    ASSERT_TRUE(RunNozzleCheck(in).bCompleted);
    EXPECT_TRUE(fs::is_regular_file(m_dir / "pump-path"));

    // An empty name is refused even with a usable path, and the path keeps the ".txt".
    in.strOutFileName.clear();
    in.strOutFile = (m_dir / "other").wstring();
    EXPECT_FALSE(RunNozzleCheck(in).bCompleted);
    EXPECT_EQ(in.strOutFileName, L".txt");
    EXPECT_EQ(fs::path(in.strOutFile), m_dir / "other.txt");
}

TEST_F(CheckRunTest, korean_file_name_arrives_as_utf8) {
    NozzleCheckInput in = chosen(L"펌프-노즐");
    ASSERT_TRUE(RunNozzleCheck(in).bCompleted);
    EXPECT_TRUE(fs::is_regular_file(m_dir / fs::path(u8"펌프-노즐.txt")));
}

TEST_F(CheckRunTest, unwritable_destinations_are_refused) {
    const std::wstring paths[] = {
        (m_dir / "missing-folder" / "pump.txt").wstring(),
        L"/proc/quenmar-pump.txt",  // a folder nobody can create files in
        L"/dev/full",               // every write fails
        m_dir.wstring(),            // a folder, not a file
        (m_dir / "pump.txt").wstring() + L'\0' + L"cut",  // would open another file
    };
    for (const auto& path : paths) {
        NozzleCheckInput in = chosen(L"pump.txt");
        in.strOutFile = path;
        in.strResultLine = L"earlier line";
        const NozzleCheckOutcome outcome = RunNozzleCheck(in);
        EXPECT_FALSE(outcome.bCompleted) << std::string(path.begin(), path.end());
        EXPECT_EQ(outcome.strMessage, kMsgOutputFile);
        EXPECT_EQ(in.strResultLine, L"earlier line");
    }
    EXPECT_EQ(filesInDir(), 0u);
}

namespace {
// Runs the check with every write past 64 bytes failing (a file size limit, which holds for root
// as for anyone), as on a full disk.
NozzleCheckOutcome runWithTinyFileSizeLimit(NozzleCheckInput& in) {
    struct rlimit saved {};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 64;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const NozzleCheckOutcome outcome = RunNozzleCheck(in);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    return outcome;
}
}  // namespace

TEST_F(CheckRunTest, failed_rewrite_keeps_the_earlier_report_whole) {
    const fs::path target = m_dir / "pump.txt";
    {
        std::ofstream(target, std::ios::binary) << "earlier report\r\n";
    }
    NozzleCheckInput in = chosen(L"pump.txt");
    in.strResultLine = L"earlier line";
    const NozzleCheckOutcome outcome = runWithTinyFileSizeLimit(in);
    EXPECT_FALSE(outcome.bCompleted);
    EXPECT_EQ(outcome.strMessage, kMsgOutputFile);
    EXPECT_EQ(in.strResultLine, L"earlier line");
    EXPECT_EQ(readFile(target), "earlier report\r\n");
    EXPECT_EQ(filesInDir(), 1u) << "the partial temporary file must be gone";
}

TEST_F(CheckRunTest, failed_new_report_leaves_no_partial_file) {
    NozzleCheckInput in = chosen(L"pump.txt");
    const NozzleCheckOutcome outcome = runWithTinyFileSizeLimit(in);
    EXPECT_FALSE(outcome.bCompleted);
    EXPECT_EQ(outcome.strMessage, kMsgOutputFile);
    EXPECT_EQ(filesInDir(), 0u);
}

TEST_F(CheckRunTest, rewrite_through_a_link_replaces_the_linked_file) {
    const fs::path real = m_dir / "real.txt";
    std::ofstream(real) << "old";
    fs::create_symlink(real, m_dir / "link.txt");
    NozzleCheckInput in = chosen(L"link.txt");
    ASSERT_TRUE(RunNozzleCheck(in).bCompleted);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.txt"));
    EXPECT_EQ(readFile(real), ComposeCheckReport(in, EvaluateNozzleLoads(in)));
}
