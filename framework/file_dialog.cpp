#include "file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "command_ids.h"
#include "modal_seam.h"

CFileDialog::CFileDialog(bool bOpenFileDialog, const QString& strDefExt, const QString& strFileName,
                         unsigned nFlags, const QString& strFilter, QWidget* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(strDefExt),
      m_strFileName(strFileName),
      m_nFlags(nFlags),
      m_strFilter(strFilter),
      m_pParentWnd(pParentWnd) {}

QString CFileDialog::GetFileName() const { return QFileInfo(m_strPathName).fileName(); }

QList<CFileDialog::FileType> CFileDialog::FileTypes() const {
    QList<FileType> types;
    const QStringList parts = m_strFilter.split(u'|');
    // Pairs of description and pattern; the list ends at the first empty description, and a
    // description without a pattern of its own lists nothing.
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        types.append({parts[i], parts[i + 1].split(u';', Qt::SkipEmptyParts)});
    }
    return types;
}

int CFileDialog::DoModal() {
    if (ModalSeam* pSeam = CurrentModalSeam()) return pSeam->RunFileDialog(*this);
    return RunQtChooser();
}

int CFileDialog::RunQtChooser() {
    QStringList nameFilters;
    for (const FileType& type : FileTypes()) {
        // Qt takes the patterns from the last parentheses; the details are hidden below, so the
        // user sees the description exactly as given.
        nameFilters.append(type.strDescription + QStringLiteral(" (") + type.patterns.join(u' ') +
                           u')');
    }
    QFileDialog chooser(m_pParentWnd, QString(), m_strInitialDir);
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    chooser.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    chooser.setFileMode((m_nFlags & OFN_CREATEPROMPT) || !m_bOpenFileDialog
                            ? QFileDialog::AnyFile
                            : QFileDialog::ExistingFile);
    chooser.setDefaultSuffix(m_strDefExt);
    chooser.setNameFilters(nameFilters);
    if (!m_strFileName.isEmpty()) chooser.selectFile(m_strFileName);
    while (chooser.exec() == QDialog::Accepted) {
        const QStringList files = chooser.selectedFiles();
        if (files.isEmpty()) continue;
        const QString strPath = files.first();
        if ((m_nFlags & OFN_CREATEPROMPT) && !QFileInfo::exists(strPath)) {
            const auto answer = QMessageBox::question(
                &chooser, chooser.windowTitle(),
                QStringLiteral("%1\nThis file does not exist.\nCreate the file?")
                    .arg(QFileInfo(strPath).fileName()));
            if (answer != QMessageBox::Yes) continue;
        }
        SetChosenPath(strPath);
        return IDOK;
    }
    return IDCANCEL;
}
