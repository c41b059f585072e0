#include "quenmar_app.h"

#include "about_dlg.h"
#include "quenmar_dlg.h"

bool CQuenmarApp::InitInstance() {
    CWinApp::InitInstance();
    // Named for the platform's sake only: the program keeps no settings, nothing is read or
    // written there.
    SetRegistryKey(QStringLiteral("Tolvash"));

    CQuenmarDlg dlg(&RunAboutBox);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The form was the whole program: no event loop after it.
    return false;
}
