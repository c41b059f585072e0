#pragma once
// The Table 4 allowables of one nozzle, for a person who wants the numbers without a case.

// Prints "Fx Fy Fz Mx My Mz" for the nozzle type, size (inch) and unit on one line; a size
// without a Table 4 column prints a message on stderr and returns 2.
int PrintAllowableLoads(int nNozzType, int nSize, int nUnit);
