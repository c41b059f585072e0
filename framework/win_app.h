#pragma once
// The application object: exactly one, constructed before main() runs. AfxWinMain starts Qt,
// names the application after its executable and hands over to InitInstance; an InitInstance
// that returns false ends the program without an event loop of its own.

#include <QString>

class QWidget;

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    virtual int ExitInstance();  // the process's exit status
    int Run();                   // the event loop, for applications whose InitInstance returns true

    // Names the per-user settings location after the company; nothing is read or written there.
    void SetRegistryKey(const QString& strCompany);

    QString m_pszAppName;  // set by AfxWinMain: the executable's name without extension
    QWidget* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

int AfxWinMain(int argc, char* argv[]);
