#pragma once
// Drives an open check form the way a user does: keys into fields, clicks on buttons.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "quenmar_dlg.h"

class FormDriver {
public:
    explicit FormDriver(CQuenmarDlg::AboutBoxOpener openAboutBox = {})
        : m_pDlg(std::make_unique<CQuenmarDlg>(std::move(openAboutBox))) {
        m_pDlg->Create();
        m_pDlg->show();
        m_pDlg->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pDlg.get());
    }

    CQuenmarDlg& dlg() { return *m_pDlg; }

    QLineEdit* edit(int nID) const { return qobject_cast<QLineEdit*>(m_pDlg->GetDlgItem(nID)); }
    QAbstractButton* button(int nID) const { return qobject_cast<QAbstractButton*>(m_pDlg->GetDlgItem(nID)); }
    QString text(int nID) const { return edit(nID)->text(); }

    // Replaces the field's text by keystrokes: select all, delete, type.
    void type(int nID, const QString& strText) {
        QLineEdit* pEdit = edit(nID);
        pEdit->setFocus();
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Delete);
        QTest::keyClicks(pEdit, strText);
    }
    // Adds keystrokes at the end of the field.
    void append(int nID, const QString& strText) {
        QLineEdit* pEdit = edit(nID);
        pEdit->setFocus();
        pEdit->end(false);
        QTest::keyClicks(pEdit, strText);
    }
    void click(int nID) { QTest::mouseClick(button(nID), Qt::LeftButton); }

private:
    std::unique_ptr<CQuenmarDlg> m_pDlg;
};
