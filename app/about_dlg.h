#pragma once
// The About box, from template 100: icon, version, address and "확인".

#include "dialog.h"

class CAboutDlg : public CDialog {
  public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};

// Runs an About box over the form and discards it; the form's About command.
void RunAboutBox();
