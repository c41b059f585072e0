#include "about_dlg.h"

#include "quenmar_resources.h"
#include "resource_ids.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : CDialog(DialogTemplateOf(IDD_ABOUTBOX), pParent) {}

void RunAboutBox() {
    CAboutDlg dlgAbout(CDialog::FrontDialog());
    dlgAbout.DoModal();
}
