// "...": choose the file the check writes its report to.

#include <QDir>

#include "app_dir.h"
#include "command_ids.h"
#include "file_dialog.h"
#include "quenmar_dlg.h"

namespace {

// Enters the output folder, or creates it when it cannot be entered; returns the folder the
// chooser starts in. Nothing is reported: a folder that can be neither entered nor created (a
// program installed where the user cannot write) sends the chooser to the home folder instead.
QString enterOrCreateOutputFolder(const QString& szRunOutDir) {
    if (QDir::setCurrent(szRunOutDir)) return szRunOutDir;
    if (QDir().mkdir(szRunOutDir)) return szRunOutDir;
    return QDir::homePath();
}

}  // namespace

void CQuenmarDlg::OnBnClickedBrowse() {
    // Only for the write below; a refused field has had its message and the chooser still opens.
    UpdateData(true);

    const QString szAppFolder = QString::fromStdWString(GetAppDir());
    const QString szRunOutDir = szAppFolder + QStringLiteral("QuenmarOutp");
    const QString szStartDir = enterOrCreateOutputFolder(szRunOutDir);

    // The first type lists only the program's own reports; the second every text file.
    const QString szFilters = QStringLiteral("Quenmar File (*.txt)|*Nozz.txt|*.txt|*.txt||");
    CFileDialog fileDlg(true, QString(), QString(), OFN_CREATEPROMPT, szFilters, this);
    fileDlg.m_strInitialDir = szStartDir;
    if (fileDlg.DoModal() != IDOK) return;

    strOutFile = fileDlg.GetPathName().toStdWString();
    strOutFileName = fileDlg.GetFileName().toStdWString();
    UpdateData(false);
}
