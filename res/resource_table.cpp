#include "quenmar_resources.h"
#include "quenmar_templates.h"
#include "resource_ids.h"

const DialogTemplate& DialogTemplateOf(int nID) {
    return nID == IDD_ABOUTBOX ? AboutBoxTemplate() : CheckFormTemplate();
}

QString LoadResourceString(int nID) {
    if (nID == IDS_ABOUTBOX) return QStringLiteral("Quenmar 정보(&A)...");
    return {};
}
