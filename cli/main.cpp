// quenmar-check: the nozzle load check without a window, for one case, a batch or a look-up.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <optional>
#include <string>

#include "allowable_lookup.h"
#include "batch.h"
#include "check_case.h"
#include "exit_codes.h"
#include "nozzle_check_input.h"
#include "single_case.h"

namespace {

constexpr const char* kDescription =
    "Checks pump nozzle loads against the allowables of API STD 610 (10th edition 2004) Table 4\n"
    "and the criteria of its paragraph F.1.2, and writes the same report as the Quenmar form.\n"
    "\n"
    "  quenmar-check CASE.json [-o REPORT]\n"
    "      One case. Prints the Result line and the closing message; the report goes to REPORT\n"
    "      (or the case's \"output\"), \".txt\" added when the name lacks it. Without either the\n"
    "      check is refused, as the form refuses it before a report file is chosen.\n"
    "  quenmar-check --batch CASES.csv|CASES.jsonl [--out-dir DIR] [--summary FILE] [-j N]\n"
    "      Many cases. With --out-dir each case writes DIR/<case>.txt; without it only the\n"
    "      summary is written. The summary (CSV, UTF-8) goes to FILE or stdout.\n"
    "  quenmar-check --allowable --nozzle end|top|side --size N --unit kg|N|lb\n"
    "      Prints the six Table 4 allowables \"Fx Fy Fz Mx My Mz\" of one nozzle.\n";

constexpr const char* kFooter =
    "\n"
    "Case file (JSON object, UTF-8; every key may be left out):\n"
    "  \"pump_type\"      \"end-top\" (default), \"top-top\" or \"side-side\"\n"
    "  \"unit\"           \"kg\" (kg, kg-m; default), \"N\" (N, N-m) or \"lb\" (lb, ft-lb)\n"
    "  \"suction\", \"discharge\": objects with\n"
    "    \"size\"         6 or \"6\", the text of the form's size field; none = empty\n"
    "    \"position_mm\"  [x, y, z] from the pump centre point; default [0, 0, 0]\n"
    "    \"applied\"      [Fx, Fy, Fz, Mx, My, Mz]; default six 0\n"
    "    \"allowable\"    [Fx, Fy, Fz, Mx, My, Mz], numbers or texts typed over Table 4\n"
    "  \"output\"         the report file; -o wins\n"
    "  A size fills the allowables from Table 4 as the form's size field does; a size without\n"
    "  a column (5, 7, ... 15) leaves none, and the check is refused.\n"
    "\n"
    "Batch files:\n"
    "  JSON Lines: one case object a line, named by \"case\" (\"output\" is not allowed).\n"
    "  CSV with a header row: case,pump_type,unit,suc_size,dis_size,xSuc,ySuc,zSuc,xDis,yDis,\n"
    "  zDis,FxSA,FySA,FzSA,MxSA,MySA,MzSA,FxDA,FyDA,FzDA,MxDA,MyDA,MzDA and optionally the\n"
    "  allowable overrides FxST4 ... MzST4, FxDT4 ... MzDT4; an empty cell keeps the default.\n"
    "  Summary columns: case, status (passed, failed, refused, invalid), fails, governing\n"
    "  criterion, its utilisation (value over limit), the utilisation of each of the 17\n"
    "  criteria, report path, message. An invalid row names its line and field and does not\n"
    "  stop the batch.\n"
    "\n"
    "Exit status:\n"
    "  0   every check passed          1   a criterion failed\n"
    "  2   a check was refused, a batch row was invalid, or a size has no Table 4 column\n"
    "  64  bad options, or a case or batch file that cannot be read\n"
    "  74  the batch summary could not be written\n"
    "\n"
    "Example:\n"
    "  quenmar-check examples/end-top-n.json -o pump-p101.txt\n";

// The three modes take options of their own; CLI11's needs/excludes would print them into every
// line of --help, so the combinations are checked here, with one message each.
void CheckModeOptions(const CLI::App& app) {
    const bool bCase = app.count("CASE.json") > 0;
    const bool bBatch = app.count("--batch") > 0;
    const bool bAllowable = app.count("--allowable") > 0;
    if (int(bCase) + int(bBatch) + int(bAllowable) != 1) {
        throw CLI::ValidationError("give one of: a case file, --batch, --allowable");
    }
    auto onlyWith = [&](bool bMode, const char* szMode, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (!bMode && app.count(name) > 0) {
                throw CLI::ValidationError(std::string(name) + " goes with " + szMode);
            }
        }
    };
    onlyWith(bCase, "a case file", {"--output"});
    onlyWith(bBatch, "--batch", {"--out-dir", "--summary", "--jobs"});
    onlyWith(bAllowable, "--allowable", {"--nozzle", "--size", "--unit"});
    if (bAllowable &&
        (app.count("--nozzle") == 0 || app.count("--size") == 0 || app.count("--unit") == 0)) {
        throw CLI::ValidationError("--allowable needs --nozzle, --size and --unit");
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(kDescription, "quenmar-check");
    app.set_version_flag("--version", std::string("quenmar-check ") + QUENMAR_VERSION);
    app.footer(kFooter);
    app.get_formatter()->column_width(30);

    std::string strCasePath;
    std::optional<std::string> strOutput;
    std::string strBatchPath;
    std::optional<std::string> strOutDir;
    std::optional<std::string> strSummaryPath;
    unsigned nJobs = 0;
    bool bAllowable = false;
    std::string strNozzle;
    int nSize = 0;
    std::string strUnit;

    app.add_option("CASE.json", strCasePath, "Case file of a single check")->type_name("FILE");
    app.add_option("-o,--output", strOutput, "Report file of the single check")->type_name("PATH");
    app.add_option("--batch", strBatchPath, "Batch of cases (.csv, .jsonl, .ndjson)")
        ->type_name("FILE");
    app.add_option("--out-dir", strOutDir, "Folder for the batch's reports")->type_name("DIR");
    app.add_option("--summary", strSummaryPath, "Summary CSV file (default: stdout)")
        ->type_name("FILE");
    app.add_option("-j,--jobs", nJobs, "Threads that check the batch (default: one a core)")
        ->type_name("N")
        ->check(CLI::Range(1u, 256u));
    app.add_flag("--allowable", bAllowable, "Print the Table 4 allowables of one nozzle");
    app.add_option("--nozzle", strNozzle, "Nozzle type: end, top or side")
        ->type_name("TYPE")
        ->check(CLI::IsMember({"end", "top", "side"}));
    app.add_option("--size", nSize, "Nominal size, inch")->type_name("N");
    app.add_option("--unit", strUnit, "Unit system: kg (kg, kg-m), N (N, N-m), lb (lb, ft-lb)")
        ->type_name("UNIT")
        ->check(CLI::IsMember({"kg", "N", "lb"}));

    try {
        app.parse(argc, argv);
        CheckModeOptions(app);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "quenmar-check: %s (see quenmar-check --help)\n", e.what());
        return kExitUsage;
    }

    if (bAllowable) {
        const int nNozzType = strNozzle == "end"   ? EndNozzle
                              : strNozzle == "top" ? TopNozzle
                                                   : SideNozzle;
        return PrintAllowableLoads(nNozzType, nSize, *LoadUnitFromName(strUnit));
    }
    if (!strBatchPath.empty()) {
        return RunBatch(BatchOptions{strBatchPath, strOutDir, strSummaryPath, nJobs});
    }
    return RunSingleCase(strCasePath, strOutput);
}
