#pragma once
// The program's dialog templates and strings, by resource ID.

#include <QString>

#include "dialog_template.h"

// IDD_ABOUTBOX or IDD_QUENMAR_DIALOG.
const DialogTemplate& DialogTemplateOf(int nID);

// The string of that ID; empty when there is none.
QString LoadResourceString(int nID);
