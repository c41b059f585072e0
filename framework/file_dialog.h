#pragma once
// The file chooser. Filters come in the form "description|pattern|description|pattern|...|";
// patterns may hold several wildcards separated by ";".

#include <QString>
#include <QStringList>

inline constexpr unsigned OFN_CREATEPROMPT = 0x00002000;  // a new name is taken after a yes

class QWidget;

class CFileDialog {
  public:
    CFileDialog(bool bOpenFileDialog, const QString& strDefExt = {},
                const QString& strFileName = {}, unsigned nFlags = 0, const QString& strFilter = {},
                QWidget* pParentWnd = nullptr);

    int DoModal();  // IDOK or IDCANCEL

    QString GetPathName() const { return m_strPathName; }  // full path of the chosen file
    QString GetFileName() const;                           // its last component

    // Set up before DoModal.
    QString m_strInitialDir;

    bool IsOpenDialog() const { return m_bOpenFileDialog; }
    unsigned Flags() const { return m_nFlags; }
    QString DefaultExtension() const { return m_strDefExt; }
    QString InitialFileName() const { return m_strFileName; }
    // The file types: for each, the description shown and its patterns.
    struct FileType {
        QString strDescription;
        QStringList patterns;
    };
    QList<FileType> FileTypes() const;
    QWidget* Owner() const { return m_pParentWnd; }

    // What OK gives: the chooser itself and test seams call this.
    void SetChosenPath(const QString& strPath) { m_strPathName = strPath; }

  private:
    int RunQtChooser();

    bool m_bOpenFileDialog;
    QString m_strDefExt;
    QString m_strFileName;
    unsigned m_nFlags;
    QString m_strFilter;
    QWidget* m_pParentWnd;
    QString m_strPathName;
};
