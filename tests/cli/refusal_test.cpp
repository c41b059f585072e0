// The summary-only batch refuses exactly what the check run refuses.

#include "check_run.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "n_example.h"

namespace {

TEST(refusal_test, agrees_with_the_check_run) {
    struct Row {
        const char* szWhat;
        void (*change)(NozzleCheckInput&);
    };
    const Row rows[] = {
        {"complete input", [](NozzleCheckInput&) {}},
        {"end suction without xSuc", [](NozzleCheckInput& in) { in.nXSuc = 0; }},
        {"top suction without zSuc", [](NozzleCheckInput& in) { in.nSucNozzType = TopNozzle; }},
        {"top discharge without zDis", [](NozzleCheckInput& in) { in.nZDis = 0; }},
        {"side nozzles at the origin",
         [](NozzleCheckInput& in) {
             in.nSucNozzType = in.nDisNozzType = SideNozzle;
             in.nXSuc = in.nYDis = in.nZDis = 0;
         }},
        {"no suction size", [](NozzleCheckInput& in) { in.nSucSize = 0; }},
        {"no discharge size and no position",
         [](NozzleCheckInput& in) { in.nDisSize = in.nXSuc = 0; }},
        {"suction forces 0",
         [](NozzleCheckInput& in) {
             in.nAppliedSuc[0] = in.nAppliedSuc[1] = in.nAppliedSuc[2] = 0;
         }},
        {"discharge moments 0",
         [](NozzleCheckInput& in) {
             in.nAppliedDis[3] = in.nAppliedDis[4] = in.nAppliedDis[5] = 0;
         }},
        {"one force left", [](NozzleCheckInput& in) { in.nAppliedSuc[0] = in.nAppliedSuc[1] = 0; }},
        {"allowables of 0", [](NozzleCheckInput& in) { in.strAllowSuc = {}; }},
    };
    // Named after the process: the plain and the sanitized suites may run at the same time.
    const std::string strName = "quenmar-refusal-test-" + std::to_string(getpid()) + ".txt";
    const auto report = std::filesystem::temp_directory_path() / strName;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szWhat);
        NozzleCheckInput input = NExampleInput();
        row.change(input);
        input.strOutFile = report.wstring();
        input.strOutFileName = std::wstring(strName.begin(), strName.end());
        const NozzleCheckOutcome outcome = RunNozzleCheck(input);
        const std::wstring strRefusal = RefusalBeforeOutput(input, EvaluateNozzleLoads(input));
        EXPECT_EQ(strRefusal, outcome.bCompleted ? L"" : outcome.strMessage);
    }
    std::filesystem::remove(report);
}

}  // namespace
