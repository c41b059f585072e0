#pragma once
// The templates one by one; the rest of the program asks DialogTemplateOf.

#include "dialog_template.h"

const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& CheckFormTemplate();
