#pragma once
// Answers every modal window of the dialog layer at once and remembers what was asked, so a test
// drives the form without a nested event loop waiting for a click.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "modal_seam.h"

class FakeModalSeam : public ModalSeam {
  public:
    struct Message {
        QWidget* pOwner;
        QString strCaption;
        QString strText;
        unsigned nType;
    };
    struct FileRequest {
        bool bOpen;
        unsigned nFlags;
        QString strDefExt;
        QString strInitialDir;
        QStringList typeDescriptions;
        std::vector<QStringList> typePatterns;
    };

    FakeModalSeam() { SetModalSeam(this); }
    ~FakeModalSeam() override { SetModalSeam(nullptr); }
    FakeModalSeam(const FakeModalSeam&) = delete;
    FakeModalSeam& operator=(const FakeModalSeam&) = delete;

    int MessageBox(QWidget* pOwner, const QString& strCaption, const QString& strText,
                   unsigned nType) override;
    int RunFileDialog(CFileDialog& dlg) override;
    int RunDialog(CDialog& dlg) override;

    QStringList MessageTexts() const;

    std::vector<Message> messages;
    std::function<void(const Message&)> onMessage;  // runs while the "box" is open

    std::vector<FileRequest> fileRequests;
    QString strChosenFile;  // empty: the chooser is cancelled

    std::vector<int> dialogTemplates;       // template ID of every dialog run modally
    std::function<int(CDialog&)> onDialog;  // default: the dialog ends with IDCANCEL
};
