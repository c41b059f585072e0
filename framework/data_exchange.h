#pragma once
// Data exchange between a dialog's controls and its members. DoDataExchange lists the DDX_ calls
// in order; UpdateData runs that list in one direction. A read stops at the first field it
// refuses: the later DDX_ calls of the same run do nothing.

#include <string>

class CDialog;
class QWidget;

class CDataExchange {
  public:
    CDataExchange(CDialog* pDlgWnd, bool bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    const bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
    CDialog* const m_pDlgWnd;

    bool Failed() const { return m_bFailed; }
    // The refused control gets the focus with its whole text selected, and the exchange stops.
    void Fail(QWidget* pControl);

  private:
    bool m_bFailed = false;
};

// Integer field: reads the leading integer of the first 63 characters and refuses text without
// one with "Enter an integer."; writes plain decimal.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// Text field: the whole text, as it stands.
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);
// Radio group starting at nIDC: the index of the checked button, -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
