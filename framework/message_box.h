#pragma once
// The program's message box: modal over the dialog in front, captioned with the application name.

#include <QString>
#include <string_view>

#include "command_ids.h"

// Shows strText with an OK button and the icon of nType's icon bits; a type without an icon of
// its own gets the exclamation icon. Returns the button that closed the box (IDOK).
int AfxMessageBox(const QString& strText, unsigned nType = MB_OK);
int AfxMessageBox(std::wstring_view strText, unsigned nType = MB_OK);
