#include "allowable_lookup.h"

#include <cstdio>

#include "allowable_loads.h"
#include "exit_codes.h"

int PrintAllowableLoads(int nNozzType, int nSize, int nUnit) {
    int nF[3];
    int nM[3];
    if (!GetNozzAllowLoads(nNozzType, nSize, nUnit, nF, nM)) {
        std::fprintf(stderr,
                     "quenmar-check: size %d has no column in API STD 610 Table 4 "
                     "(columns: 2, 3, 4, 6, 8, 10, 12, 14, 16 inch)\n",
                     nSize);
        return kExitRefused;
    }
    std::printf("%d %d %d %d %d %d\n", nF[0], nF[1], nF[2], nM[0], nM[1], nM[2]);
    return kExitPassed;
}
