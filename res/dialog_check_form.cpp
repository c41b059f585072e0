// Dialog template 102: the check form. Positions and sizes are dialog units; the order is the
// creation order and so the Tab order.

#include "command_ids.h"
#include "quenmar_templates.h"
#include "resource_ids.h"

namespace {
constexpr auto kNumberEdit = StyleTabStop;  // integer fields: any text, read on exchange
constexpr auto kAllowEdit = StyleDigitsOnly | StyleCentred | StyleTabStop;
constexpr auto E = ControlKind::Edit;
constexpr auto L = ControlKind::Label;
}  // namespace

const DialogTemplate& CheckFormTemplate() {
    // 굴림체 is not found on Linux; NanumGothicCoding is fixed-pitch too and has the Hangul, so
    // the blank-spaced column heads still stand over their fields.
    static const DialogTemplate tmpl{
        IDD_QUENMAR_DIALOG,
        "Ostrevin Quenmar",
        742,
        300,
        "NanumGothicCoding",
        9,
        DialogSysMenu | DialogMinimizeBox,
        {
            {ControlKind::GroupBox, kNoControlId, "Pump Configuration (mm)", 15, 10, 208, 43},
            {L, kNoControlId, "xSuc =", 21, 23, 26, 8},
            {L, kNoControlId, "ySuc =", 89, 23, 26, 8},
            {L, kNoControlId, "zSuc =", 156, 23, 26, 8},
            {E, IDC_XSUC, "", 48, 21, 31, 12, kNumberEdit},
            {E, IDC_YSUC, "", 117, 21, 31, 12, kNumberEdit},
            {E, IDC_ZSUC, "", 183, 21, 31, 12, kNumberEdit},
            {L, kNoControlId, "xDis =", 21, 38, 26, 8},
            {L, kNoControlId, "yDis =", 90, 38, 26, 8},
            {L, kNoControlId, "zDis =", 157, 39, 28, 8},
            {E, IDC_XDIS, "", 48, 36, 32, 12, kNumberEdit},
            {E, IDC_YDIS, "", 117, 36, 32, 12, kNumberEdit},
            {E, IDC_ZDIS, "", 184, 36, 30, 12, kNumberEdit},
            {ControlKind::GroupBox, kNoControlId, "Nozzle Allowable(Table-4) Value", 15, 89, 206,
             100},
            {L, kNoControlId, "Suction Nozzle Size(inch) =", 24, 103, 111, 8},
            {E, IDC_SUC_SIZE, "", 137, 101, 20, 12, StyleDigitsOnly | StyleNoScroll | StyleTabStop},
            {L, kNoControlId, "Fx      Fy      Fz       Mx      My      Mz", 36, 116, 173, 8},
            {E, IDC_ALLOW_SUC[0], "", 26, 127, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_SUC[1], "", 57, 127, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_SUC[2], "", 89, 127, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_SUC[3], "", 125, 127, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_SUC[4], "", 156, 127, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_SUC[5], "", 188, 127, 28, 12, kAllowEdit},
            {L, kNoControlId, "Disch. Nozzle Size(inch) =", 25, 148, 108, 8},
            {E, IDC_DIS_SIZE, "", 136, 145, 20, 12, StyleDigitsOnly | StyleTabStop},
            {E, IDC_ALLOW_DIS[0], "", 26, 171, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_DIS[1], "", 58, 171, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_DIS[2], "", 89, 171, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_DIS[3], "", 124, 171, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_DIS[4], "", 155, 171, 28, 12, kAllowEdit},
            {E, IDC_ALLOW_DIS[5], "", 187, 171, 28, 12, kAllowEdit},
            {ControlKind::GroupBox, kNoControlId, "Applied(Computed) Nozzle Load", 15, 201, 222,
             84},
            {E, IDC_APPLIED_SUC[0], "", 41, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_SUC[1], "", 72, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_SUC[2], "", 104, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_SUC[3], "", 141, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_SUC[4], "", 172, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_SUC[5], "", 204, 225, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[0], "", 41, 244, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[1], "", 73, 244, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[2], "", 104, 244, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[3], "", 141, 244, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[4], "", 172, 244, 28, 12, kNumberEdit},
            {E, IDC_APPLIED_DIS[5], "", 203, 244, 28, 12, kNumberEdit},
            {ControlKind::Picture, kNoControlId, "", 228, 46, 502, 155, StyleNone, IDB_PUMP_FIGURE},
            {L, kNoControlId, "Result:", 248, 212, 30, 8},
            {E, IDC_RESULT, "", 286, 210, 279, 12, StyleReadOnly | StyleTabStop},
            {L, kNoControlId, "Check Result Output File:", 248, 233, 102, 8},
            {E, IDC_OUT_FILE, "", 353, 231, 212, 13, StyleTabStop},
            {ControlKind::PushButton, IDC_BROWSE, "...", 576, 230, 30, 15, StyleTabStop},
            {ControlKind::PushButton, IDC_EXIT, "Exit", 489, 259, 60, 17, StyleTabStop},
            {ControlKind::RadioButton, IDC_UNIT_KG, "kg, kg-m", 37, 68, 46, 8, StyleGroup},
            {ControlKind::RadioButton, IDC_UNIT_SI, "N, N-m", 105, 68, 38, 8},
            {ControlKind::RadioButton, IDC_UNIT_US, "lb, ft-lb", 165, 68, 47, 8},
            {ControlKind::GroupBox, kNoControlId, "Applied Unit", 15, 59, 207, 22},
            {ControlKind::PushButton, IDC_NOZZLE_LOAD_CHECK, "Nozzle Load Check", 381, 257, 84, 20,
             StyleTabStop},
            {ControlKind::PushButton, IDC_INPUT_DATA_CLEAR, "Input Data Clear", 83, 262, 85, 17,
             StyleTabStop},
            {L, kNoControlId, "Fx      Fy      Fz       Mx     My      Mz", 38, 160, 169, 8},
            {L, kNoControlId, "Suc:", 22, 227, 16, 8},
            {L, kNoControlId, "Dis:", 23, 246, 16, 8},
            {L, kNoControlId, "Fx      Fy      Fz       Mx     My      Mz", 52, 213, 169, 8},
            {ControlKind::GroupBox, kNoControlId, "Pump Type", 274, 12, 419, 30},
            {ControlKind::RadioButton, IDC_END_TOP, "End-Top Nozzle", 293, 26, 71, 8, StyleGroup},
            {ControlKind::RadioButton, IDC_TOP_TOP, "Top-Top Nozzle", 452, 26, 72, 8},
            {ControlKind::RadioButton, IDC_SIDE_SIDE, "Side-Side Nozzle", 601, 26, 79, 8},
        }};
    return tmpl;
}
