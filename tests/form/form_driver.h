#pragma once
// Drives an open check form the way a user does: keys into fields, clicks on buttons.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "quenmar_dlg.h"
#include "resource_ids.h"

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
    QAbstractButton* button(int nID) const {
        return qobject_cast<QAbstractButton*>(m_pDlg->GetDlgItem(nID));
    }
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

// An End-Top pump in N and N-m, 6-inch suction and 4-inch discharge, filled in through the
// window: the sizes bring their Table 4 rows. With bOneFail the discharge Fz is twice and a bit
// its allowable, so exactly one criterion fails; otherwise every criterion passes.
inline void FillEndTopNewtonSample(FormDriver& form, bool bOneFail) {
    form.click(IDC_UNIT_SI);
    form.type(IDC_SUC_SIZE, QStringLiteral("6"));
    form.type(IDC_DIS_SIZE, QStringLiteral("4"));
    form.type(IDC_XSUC, QStringLiteral("-450"));
    form.type(IDC_YDIS, QStringLiteral("300"));
    form.type(IDC_ZDIS, QStringLiteral("420"));
    const char* applied[] = {
        "1200", "-800", "950", "1500", "-600", "900", "-700", "500", bOneFail ? "3600" : "1600",
        "800",  "400",  "-650"};
    for (std::size_t i = 0; i < 6; ++i)
        form.type(IDC_APPLIED_SUC[i], QString::fromLatin1(applied[i]));
    for (std::size_t i = 0; i < 6; ++i)
        form.type(IDC_APPLIED_DIS[i], QString::fromLatin1(applied[6 + i]));
}
