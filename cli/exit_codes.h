#pragma once
// Exit codes of quenmar-check, as scripts and build pipelines test them.

inline constexpr int kExitPassed = 0;    // every check completed and nothing failed
inline constexpr int kExitFailed = 1;    // a check completed with a failed criterion
inline constexpr int kExitRefused = 2;   // a check was refused, a batch row was invalid, or a
                                         // size has no Table 4 column
inline constexpr int kExitUsage = 64;    // bad options, or a case or batch file that cannot be read
inline constexpr int kExitIoError = 74;  // the batch summary could not be written
