#include "refusal.h"

#include "check_run.h"

std::wstring RefusalBeforeOutput(const NozzleCheckInput& input, const NozzleCheckResult& result) {
    // Along its own axis a nozzle needs its flange position; a side nozzle is not tested.
    if ((input.nSucNozzType == EndNozzle && input.nXSuc == 0) ||
        (input.nSucNozzType == TopNozzle && input.nZSuc == 0) ||
        (input.nDisNozzType == TopNozzle && input.nZDis == 0)) {
        return kMsgNozzleDimension;
    }
    if (input.nSucSize == 0 || input.nDisSize == 0) return kMsgNozzleSize;
    if (result.nFnMsA[3] == 0 || result.nFnMsA[7] == 0 || result.nFnMdA[3] == 0 ||
        result.nFnMdA[7] == 0) {
        return kMsgAppliedLoads;
    }
    return {};
}
