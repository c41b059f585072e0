#pragma once
// What an edit field lets the user type or paste: digits only, and/or only as much text as fits
// the field's visible width. A change that breaks a rule is refused as a whole.

#include <QValidator>

class QLineEdit;

class EditFilter : public QValidator {
  public:
    EditFilter(QLineEdit* pEdit, bool bDigitsOnly, bool bFitWidth);
    State validate(QString& input, int& pos) const override;

    // Pixels of text the field shows without scrolling.
    static int VisibleTextWidth(const QLineEdit& edit);

  private:
    QLineEdit* m_pEdit;
    bool m_bDigitsOnly;
    bool m_bFitWidth;
};
