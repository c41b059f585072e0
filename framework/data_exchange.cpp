#include "data_exchange.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "dialog.h"
#include "leading_int.h"
#include "message_box.h"

namespace {

// An integer field has always been read through a 64-character buffer: what lies beyond the 63rd
// character is never looked at.
constexpr qsizetype kIntegerTextLimit = 63;

QLineEdit* editOf(CDataExchange* pDX, int nIDC) {
    return qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
}

// A write leaves a field alone when it already shows the text: no change notification, and the
// caret and selection of the field the user is typing in stay where they are.
void writeText(QLineEdit* pEdit, const QString& strText) {
    if (pEdit->text() != strText) pEdit->setText(strText);
}

}  // namespace

void CDataExchange::Fail(QWidget* pControl) {
    m_bFailed = true;
    if (pControl == nullptr) return;
    pControl->setFocus(Qt::OtherFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) pEdit->selectAll();
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    QLineEdit* pEdit = editOf(pDX, nIDC);
    if (pDX->Failed() || pEdit == nullptr) return;
    if (!pDX->m_bSaveAndValidate) {
        writeText(pEdit, QString::number(value));
        return;
    }
    const std::optional<int> parsed =
        parseLeadingInt(pEdit->text().left(kIntegerTextLimit).toStdWString());
    if (!parsed) {
        AfxMessageBox(QStringLiteral("Enter an integer."));
        pDX->Fail(pEdit);
        return;
    }
    value = *parsed;
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value) {
    QLineEdit* pEdit = editOf(pDX, nIDC);
    if (pDX->Failed() || pEdit == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        value = pEdit->text().toStdWString();
    } else {
        writeText(pEdit, QString::fromStdWString(value));
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    const std::vector<QAbstractButton*> group = pDX->m_pDlgWnd->RadioGroup(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) value = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        group[i]->setChecked(static_cast<int>(i) == value);
    }
}
