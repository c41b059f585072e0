#include "message_box.h"

#include <QMessageBox>

#include "app_info.h"
#include "dialog.h"
#include "modal_seam.h"

int AfxMessageBox(const QString& strText, unsigned nType) {
    if ((nType & MB_ICONMASK) == 0) nType |= MB_ICONEXCLAMATION;
    QWidget* pOwner = CDialog::FrontDialog();
    const QString strCaption = AfxGetAppName();
    if (ModalSeam* pSeam = CurrentModalSeam()) {
        return pSeam->MessageBox(pOwner, strCaption, strText, nType);
    }
    QMessageBox::Icon icon = QMessageBox::Warning;
    switch (nType & MB_ICONMASK) {
        case MB_ICONSTOP:
            icon = QMessageBox::Critical;
            break;
        case MB_ICONQUESTION:
            icon = QMessageBox::Question;
            break;
        case MB_ICONINFORMATION:
            icon = QMessageBox::Information;
            break;
        default:
            break;
    }
    QMessageBox box(icon, strCaption, strText, QMessageBox::Ok, pOwner);
    box.exec();
    return IDOK;
}

int AfxMessageBox(std::wstring_view strText, unsigned nType) {
    return AfxMessageBox(
        QString::fromWCharArray(strText.data(), static_cast<qsizetype>(strText.size())), nType);
}
