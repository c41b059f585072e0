#pragma once
// Resource and control IDs. They are fixed numbers: the templates in this folder and the
// handlers of the form are wired to them.

#include <array>

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;  // the system-menu item that opens the About box
inline constexpr int IDD_QUENMAR_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;    // the application icon
inline constexpr int IDB_PUMP_FIGURE = 129;  // the three pump arrangements with their dimensions

inline constexpr unsigned IDM_ABOUTBOX = 0x0010;  // system command of the About item

// Nozzle positions, mm. The IDs do not follow the labels (yDis is 1013, xDis 1038); the Tab order
// does.
inline constexpr int IDC_XSUC = 1012;
inline constexpr int IDC_YSUC = 1036;
inline constexpr int IDC_ZSUC = 1037;
inline constexpr int IDC_XDIS = 1038;
inline constexpr int IDC_YDIS = 1013;
inline constexpr int IDC_ZDIS = 1014;

inline constexpr int IDC_SUC_SIZE = 1006;
inline constexpr int IDC_DIS_SIZE = 1007;

// Fx, Fy, Fz, Mx, My, Mz of each row.
inline constexpr std::array<int, 6> IDC_ALLOW_SUC = {1000, 1001, 1002, 1003, 1004, 1005};
inline constexpr std::array<int, 6> IDC_ALLOW_DIS = {1016, 1017, 1018, 1019, 1020, 1021};
inline constexpr std::array<int, 6> IDC_APPLIED_SUC = {1022, 1023, 1024, 1025, 1026, 1027};
inline constexpr std::array<int, 6> IDC_APPLIED_DIS = {1028, 1029, 1030, 1031, 1032, 1033};

inline constexpr int IDC_RESULT = 1015;
inline constexpr int IDC_OUT_FILE = 1034;
inline constexpr int IDC_BROWSE = 1035;
inline constexpr int IDC_EXIT = 2;  // the Cancel command: closes the form

inline constexpr int IDC_UNIT_KG = 1042;
inline constexpr int IDC_UNIT_SI = 1045;
inline constexpr int IDC_UNIT_US = 1046;
inline constexpr int IDC_NOZZLE_LOAD_CHECK = 1047;
inline constexpr int IDC_INPUT_DATA_CLEAR = 1048;
inline constexpr int IDC_END_TOP = 1053;
inline constexpr int IDC_TOP_TOP = 1054;
inline constexpr int IDC_SIDE_SIDE = 1055;
