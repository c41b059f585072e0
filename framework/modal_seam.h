#pragma once
// Every modal window of the layer (message boxes, the file chooser, dialogs run with DoModal)
// goes through this seam. The program uses the real windows; a test installs its own seam and
// answers them at once, so no nested event loop waits for a user who is not there.

#include <QString>

class CDialog;
class CFileDialog;
class QWidget;

class ModalSeam {
  public:
    virtual ~ModalSeam() = default;
    // Returns the button that closed the box (IDOK).
    virtual int MessageBox(QWidget* pOwner, const QString& strCaption, const QString& strText,
                           unsigned nType) = 0;
    // Returns IDOK after calling dlg.SetChosenPath, or IDCANCEL.
    virtual int RunFileDialog(CFileDialog& dlg) = 0;
    // The dialog is created and initialised; returns the command that ended it.
    virtual int RunDialog(CDialog& dlg) = 0;
};

// nullptr (the default) restores the real modal windows.
void SetModalSeam(ModalSeam* pSeam);
ModalSeam* CurrentModalSeam();
