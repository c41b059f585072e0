#include "win_app.h"

#include <QApplication>

#include "app_info.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() {
    QApplication::exec();
    return ExitInstance();
}

void CWinApp::SetRegistryKey(const QString& strCompany) {
    QCoreApplication::setOrganizationName(strCompany);
}

CWinApp* AfxGetApp() { return g_pApp; }

int AfxWinMain(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return 1;
    pApp->m_pszAppName = AfxGetAppName();
    QCoreApplication::setApplicationName(pApp->m_pszAppName);
    if (!pApp->InitInstance()) return pApp->ExitInstance();
    return pApp->Run();
}
