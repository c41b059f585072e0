#include "fake_modal_seam.h"

#include "command_ids.h"
#include "dialog.h"
#include "file_dialog.h"

int FakeModalSeam::MessageBox(QWidget* pOwner, const QString& strCaption, const QString& strText,
                              unsigned nType) {
    messages.push_back({pOwner, strCaption, strText, nType});
    if (onMessage) onMessage(messages.back());
    return IDOK;
}

int FakeModalSeam::RunFileDialog(CFileDialog& dlg) {
    FileRequest request{dlg.IsOpenDialog(),  dlg.Flags(), dlg.DefaultExtension(),
                        dlg.m_strInitialDir, {},          {}};
    for (const CFileDialog::FileType& type : dlg.FileTypes()) {
        request.typeDescriptions.append(type.strDescription);
        request.typePatterns.push_back(type.patterns);
    }
    fileRequests.push_back(request);
    if (strChosenFile.isEmpty()) return IDCANCEL;
    dlg.SetChosenPath(strChosenFile);
    return IDOK;
}

int FakeModalSeam::RunDialog(CDialog& dlg) {
    dialogTemplates.push_back(dlg.Template().nID);
    return onDialog ? onDialog(dlg) : IDCANCEL;
}

QStringList FakeModalSeam::MessageTexts() const {
    QStringList texts;
    for (const Message& message : messages) texts.append(message.strText);
    return texts;
}
