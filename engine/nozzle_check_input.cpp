#include "nozzle_check_input.h"

NozzleTypePair NozzleTypesOfPumpType(int nPumpType) {
    switch (nPumpType) {
        case TopTop:
            return {TopNozzle, TopNozzle};
        case SideSide:
            return {SideNozzle, SideNozzle};
        default:
            return {EndNozzle, TopNozzle};
    }
}
