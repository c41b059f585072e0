// Dialog template 100: the About box.

#include "command_ids.h"
#include "quenmar_templates.h"
#include "resource_ids.h"

const DialogTemplate& AboutBoxTemplate() {
    // NanumGothicCoding carries the Hangul of the texts below on every Debian desktop.
    static const DialogTemplate tmpl{
        IDD_ABOUTBOX,
        "Quenmar 정보",
        235,
        55,
        "NanumGothicCoding",
        9,
        DialogSysMenu,
        {
            {ControlKind::Icon, kNoControlId, "", 11, 17, 20, 20, StyleNone, IDR_MAINFRAME},
            {ControlKind::Label, kNoControlId, "Quenmar 버전 1.0.131202", 40, 15, 115, 8},
            {ControlKind::Label, kNoControlId, "www.tolvash.example", 43, 26, 76, 8},
            {ControlKind::PushButton, IDOK, "확인", 178, 7, 50, 16,
             StyleDefault | StyleGroup | StyleTabStop},
        }};
    return tmpl;
}
