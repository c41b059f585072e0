// The dialog layer on a small dialog of its own: dialog units, the data exchange, edit filters,
// radio groups, the keyboard commands and the message box.

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <climits>

#include "app_info.h"
#include "command_ids.h"
#include "dialog.h"
#include "edit_filter.h"
#include "fake_modal_seam.h"
#include "file_dialog.h"

namespace {

constexpr int IDC_FIRST = 201;
constexpr int IDC_SECOND = 202;
constexpr int IDC_TEXT = 203;
constexpr int IDC_DIGITS = 204;
constexpr int IDC_NARROW = 205;
constexpr int IDC_RADIO_A = 206;
constexpr int IDC_RADIO_B = 207;
constexpr int IDC_RADIO_C = 208;
constexpr int IDC_BUTTON = 209;

const DialogTemplate& testTemplate() {
    static const DialogTemplate tmpl{
        900,
        "Exchange",
        200,
        100,
        "NanumGothicCoding",
        9,
        DialogSysMenu,
        {
            {ControlKind::Edit, IDC_FIRST, "", 5, 5, 40, 12, StyleTabStop},
            {ControlKind::Edit, IDC_SECOND, "", 50, 5, 40, 12, StyleTabStop},
            {ControlKind::Edit, IDC_TEXT, "", 95, 5, 60, 12, StyleTabStop},
            {ControlKind::Edit, IDC_DIGITS, "", 5, 20, 40, 12, StyleDigitsOnly | StyleTabStop},
            {ControlKind::Edit, IDC_NARROW, "", 50, 20, 20, 12,
             StyleDigitsOnly | StyleNoScroll | StyleTabStop},
            {ControlKind::RadioButton, IDC_RADIO_A, "A", 5, 40, 30, 8, StyleGroup},
            {ControlKind::RadioButton, IDC_RADIO_B, "B", 40, 40, 30, 8},
            {ControlKind::RadioButton, IDC_RADIO_C, "C", 75, 40, 30, 8},
            {ControlKind::GroupBox, kNoControlId, "Group", 2, 32, 110, 20},
            {ControlKind::PushButton, IDC_BUTTON, "Button", 5, 60, 50, 14, StyleTabStop},
        }};
    return tmpl;
}

class ExchangeDialog : public CDialog {
  public:
    ExchangeDialog() : CDialog(testTemplate()) {}

    int nFirst = 1;
    int nSecond = 2;
    std::wstring strText = L"text";
    int nChoice = 0;

    int nTextUpdates = 0;  // notifications of IDC_TEXT
    int nRadioClicks = 0;
    int nButtonClicks = 0;
    int nOkCommands = 0;

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FIRST, nFirst);
        DDX_Text(pDX, IDC_SECOND, nSecond);
        DDX_Text(pDX, IDC_TEXT, strText);
        DDX_Radio(pDX, IDC_RADIO_A, nChoice);
    }
    const CommandTable& GetCommandTable() const override {
        static const CommandTable table = {
            OnEditUpdate(IDC_TEXT, &ExchangeDialog::OnTextUpdate),
            OnClicked(IDC_RADIO_B, &ExchangeDialog::OnRadio),
            OnClicked(IDC_BUTTON, &ExchangeDialog::OnButton),
            OnClicked(IDOK, &ExchangeDialog::OnOkCommand),
        };
        return table;
    }

  private:
    void OnTextUpdate() { ++nTextUpdates; }
    void OnRadio() { ++nRadioClicks; }
    void OnButton() { ++nButtonClicks; }
    void OnOkCommand() { ++nOkCommands; }
};

}  // namespace

class DialogLayerTest : public QObject {
    Q_OBJECT

    FakeModalSeam* m_pSeam = nullptr;
    ExchangeDialog* m_pDlg = nullptr;

    QLineEdit* edit(int nID) const { return qobject_cast<QLineEdit*>(m_pDlg->GetDlgItem(nID)); }

  private slots:
    void init() {
        m_pSeam = new FakeModalSeam;
        m_pDlg = new ExchangeDialog;
        m_pDlg->Create();
        m_pDlg->show();
        m_pDlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pDlg));
    }
    void cleanup() {
        delete m_pDlg;
        delete m_pSeam;
    }

    void dialogUnitsRoundHalfAwayFromZero_data() {
        QTest::addColumn<int>("nBaseX");
        QTest::addColumn<int>("nBaseY");
        QTest::addColumn<QRect>("dialogRect");
        QTest::addColumn<QRect>("pixels");
        // 31 x 1.5 = 46.5 and 1 x 1.5 = 1.5 round up; 12 x 1.5 = 18 is exact.
        QTest::newRow("6x12") << 6 << 12 << QRect(31, 1, 31, 12) << QRect(47, 2, 47, 18);
        QTest::newRow("7x15") << 7 << 15 << QRect(2, 3, 742, 300) << QRect(4, 6, 1299, 563);
        QTest::newRow("8x16") << 8 << 16 << QRect(228, 46, 502, 155) << QRect(456, 92, 1004, 310);
    }
    void dialogUnitsRoundHalfAwayFromZero() {
        QFETCH(int, nBaseX);
        QFETCH(int, nBaseY);
        QFETCH(QRect, dialogRect);
        QFETCH(QRect, pixels);
        const DialogUnits units{nBaseX, nBaseY};
        QCOMPARE(
            units.MapRect(dialogRect.x(), dialogRect.y(), dialogRect.width(), dialogRect.height()),
            pixels);
    }

    void dialogUnitsComeFromTheFont() {
        const QFont font = m_pDlg->font();
        QCOMPARE(font.family(), QStringLiteral("NanumGothicCoding"));
        QCOMPARE(font.pointSize(), 9);
        const QFontMetrics fm(font);
        const double dAverage = fm.horizontalAdvance(QStringLiteral(
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                52.0;
        QCOMPARE(m_pDlg->Units().nBaseX, qRound(dAverage));
        QCOMPARE(m_pDlg->Units().nBaseY, fm.height());
        QCOMPARE(m_pDlg->size(), QSize(m_pDlg->Units().MapX(200), m_pDlg->Units().MapY(100)));
    }

    void missingFontFallsBackToFixedPitch() {
        const DialogTemplate tmpl{1, "", 10, 10, "No Such Font Anywhere", 9, DialogNone, {}};
        const QFont font = DialogFontOf(tmpl);
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }

    void refusedIntegerStopsTheRead_data() {
        QTest::addColumn<QString>("strTyped");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("lone minus") << "-";
        QTest::newRow("letter first") << "x12";
        QTest::newRow("digit after the 63rd character") << QString(63, u' ') + u'5';
    }
    void refusedIntegerStopsTheRead() {
        QFETCH(QString, strTyped);
        edit(IDC_FIRST)->setText(strTyped);
        edit(IDC_SECOND)->setText(QStringLiteral("99"));
        edit(IDC_TEXT)->setText(QStringLiteral("new"));
        edit(IDC_DIGITS)->setFocus();  // the focus is elsewhere before the read

        QVERIFY(!m_pDlg->UpdateData(true));

        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QStringLiteral("Enter an integer.")});
        const FakeModalSeam::Message& message = m_pSeam->messages.front();
        QCOMPARE(message.strCaption, AfxGetAppName());
        QCOMPARE(message.pOwner, m_pDlg);
        QCOMPARE(message.nType & MB_ICONMASK, MB_ICONEXCLAMATION);
        QCOMPARE(QApplication::focusWidget(), edit(IDC_FIRST));
        QCOMPARE(edit(IDC_FIRST)->selectedText(), strTyped);
        // The refused member and every later one keep their values.
        QCOMPARE(m_pDlg->nFirst, 1);
        QCOMPARE(m_pDlg->nSecond, 2);
        QCOMPARE(m_pDlg->strText, std::wstring(L"text"));
    }

    void refusalInALaterFieldKeepsTheEarlierOnes() {
        edit(IDC_FIRST)->setText(QStringLiteral("41"));
        edit(IDC_SECOND)->setText(QStringLiteral("z"));
        QVERIFY(!m_pDlg->UpdateData(true));
        QCOMPARE(m_pDlg->nFirst, 41);
        QCOMPARE(m_pDlg->nSecond, 2);
        QCOMPARE(QApplication::focusWidget(), edit(IDC_SECOND));
    }

    void acceptedIntegerText_data() {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<int>("nExpected");
        QTest::newRow("leading blank and minus") << " -25" << -25;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("trailing letters") << "12abc" << 12;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("digit at the 63rd character") << QString(62, u' ') + u'5' << 5;
        QTest::newRow("beyond 32 bits") << "99999999999" << INT_MAX;
        QTest::newRow("below 32 bits") << "-99999999999" << INT_MIN;
    }
    void acceptedIntegerText() {
        QFETCH(QString, strTyped);
        QFETCH(int, nExpected);
        edit(IDC_FIRST)->setText(strTyped);
        QVERIFY(m_pDlg->UpdateData(true));
        QCOMPARE(m_pDlg->nFirst, nExpected);
        QVERIFY(m_pSeam->messages.empty());
    }

    void writeShowsMembersAndLeavesEqualFieldsAlone() {
        m_pDlg->nFirst = -12;
        m_pDlg->nSecond = 2;
        m_pDlg->strText = L"Dürchmesser 정보";
        m_pDlg->nChoice = 2;
        QLineEdit* pSecond = edit(IDC_SECOND);
        pSecond->setCursorPosition(0);

        QVERIFY(m_pDlg->UpdateData(false));

        QCOMPARE(edit(IDC_FIRST)->text(), QStringLiteral("-12"));
        QCOMPARE(edit(IDC_TEXT)->text(), QStringLiteral("Dürchmesser 정보"));
        QVERIFY(qobject_cast<QRadioButton*>(m_pDlg->GetDlgItem(IDC_RADIO_C))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(m_pDlg->GetDlgItem(IDC_RADIO_A))->isChecked());
        // "2" was already there: not set again, so the caret did not move to the end.
        QCOMPARE(pSecond->cursorPosition(), 0);
    }

    void radioIndexRoundTrip_data() {
        QTest::addColumn<int>("nChoice");
        QTest::newRow("first") << 0;
        QTest::newRow("last") << 2;
        QTest::newRow("none checked") << -1;
    }
    void radioIndexRoundTrip() {
        QFETCH(int, nChoice);
        m_pDlg->nChoice = nChoice;
        QVERIFY(m_pDlg->UpdateData(false));
        m_pDlg->nChoice = 7;
        QVERIFY(m_pDlg->UpdateData(true));
        QCOMPARE(m_pDlg->nChoice, nChoice);
    }

    void notificationsWaitUntilTheExchangeIsOver() {
        m_pDlg->strText = L"written";
        QVERIFY(m_pDlg->UpdateData(false));
        QCOMPARE(m_pDlg->nTextUpdates, 0);

        QTest::keyClicks(edit(IDC_TEXT), QStringLiteral("ab"));
        QCOMPARE(m_pDlg->nTextUpdates, 2);
    }

    void radioButtonsCheckThemselvesAndReport() {
        auto* pA = qobject_cast<QRadioButton*>(m_pDlg->GetDlgItem(IDC_RADIO_A));
        auto* pB = qobject_cast<QRadioButton*>(m_pDlg->GetDlgItem(IDC_RADIO_B));
        QVERIFY(pA->isChecked());
        QTest::mouseClick(pB, Qt::LeftButton);
        QVERIFY(pB->isChecked());
        QVERIFY(!pA->isChecked());
        QCOMPARE(m_pDlg->nRadioClicks, 1);
        // A second click leaves it checked.
        QTest::mouseClick(pB, Qt::LeftButton);
        QVERIFY(pB->isChecked());
        QCOMPARE(m_pDlg->nRadioClicks, 2);
        // A click focuses it; Tab passes it by, checked or not.
        QCOMPARE(pB->focusPolicy(), Qt::ClickFocus);
    }

    void arrowKeysMoveWithinTheRadioGroup_data() {
        QTest::addColumn<int>("nKey");
        QTest::addColumn<int>("nChecked");
        QTest::newRow("Down") << int(Qt::Key_Down) << IDC_RADIO_B;
        QTest::newRow("Right") << int(Qt::Key_Right) << IDC_RADIO_B;
        QTest::newRow("Up wraps to the last") << int(Qt::Key_Up) << IDC_RADIO_C;
        QTest::newRow("Left wraps to the last") << int(Qt::Key_Left) << IDC_RADIO_C;
    }
    void arrowKeysMoveWithinTheRadioGroup() {
        QFETCH(int, nKey);
        QFETCH(int, nChecked);
        QWidget* pFirst = m_pDlg->GetDlgItem(IDC_RADIO_A);
        pFirst->setFocus();
        QTest::keyClick(pFirst, Qt::Key(nKey));
        auto* pChecked = qobject_cast<QRadioButton*>(m_pDlg->GetDlgItem(nChecked));
        QVERIFY(pChecked->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(pFirst)->isChecked());
        QCOMPARE(QApplication::focusWidget(), pChecked);
        QCOMPARE(m_pDlg->nRadioClicks, nChecked == IDC_RADIO_B ? 1 : 0);
    }

    void digitsOnlyRefusesLettersTypedOrPasted() {
        QLineEdit* pDigits = edit(IDC_DIGITS);
        QTest::keyClicks(pDigits, QStringLiteral("1a-2 "));
        QCOMPARE(pDigits->text(), QStringLiteral("12"));

        QGuiApplication::clipboard()->setText(QStringLiteral("3b"));
        pDigits->paste();
        QCOMPARE(pDigits->text(), QStringLiteral("12"));
        QGuiApplication::clipboard()->setText(QStringLiteral("34"));
        pDigits->paste();
        QCOMPARE(pDigits->text(), QStringLiteral("1234"));
    }

    void noScrollFieldTakesOnlyWhatFits() {
        QLineEdit* pNarrow = edit(IDC_NARROW);
        const QString strMany(40, u'8');
        QTest::keyClicks(pNarrow, strMany);
        const int nTaken = static_cast<int>(pNarrow->text().size());
        QVERIFY(nTaken > 0);
        QVERIFY(nTaken < strMany.size());
        const QFontMetrics fm = pNarrow->fontMetrics();
        QVERIFY(fm.horizontalAdvance(pNarrow->text()) <= EditFilter::VisibleTextWidth(*pNarrow));
        QVERIFY(fm.horizontalAdvance(pNarrow->text() + u'8') >
                EditFilter::VisibleTextWidth(*pNarrow));

        QLineEdit* pScrolling = edit(IDC_DIGITS);
        QTest::keyClicks(pScrolling, strMany);
        QCOMPARE(pScrolling->text(), strMany);
    }

    void enterIsTheOkCommandOrTheFocusedButton() {
        QLineEdit* pFirst = edit(IDC_FIRST);
        pFirst->setFocus();
        QTest::keyClick(pFirst, Qt::Key_Return);
        QCOMPARE(m_pDlg->nOkCommands, 1);
        QCOMPARE(m_pDlg->nButtonClicks, 0);
        QVERIFY(m_pDlg->isVisible());

        auto* pButton = qobject_cast<QPushButton*>(m_pDlg->GetDlgItem(IDC_BUTTON));
        QVERIFY(!pButton->autoDefault());
        pButton->setFocus();
        QTest::keyClick(pButton, Qt::Key_Return);
        QCOMPARE(m_pDlg->nButtonClicks, 1);
        QCOMPARE(m_pDlg->nOkCommands, 1);
    }

    void escapeCancels() {
        QTest::keyClick(edit(IDC_FIRST), Qt::Key_Escape);
        QVERIFY(!m_pDlg->isVisible());
        QCOMPARE(m_pDlg->result(), IDCANCEL);
    }

    void tabVisitsTheTabStopsInTemplateOrder() {
        const int order[] = {IDC_FIRST,  IDC_SECOND, IDC_TEXT, IDC_DIGITS,
                             IDC_NARROW, IDC_BUTTON, IDC_FIRST};
        QCOMPARE(QApplication::focusWidget(), m_pDlg->GetDlgItem(IDC_FIRST));
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), m_pDlg->GetDlgItem(order[i]));
        }
    }

    void fileTypesFromTheFilterText() {
        const CFileDialog withSecondType(
            true, {}, {}, 0, QStringLiteral("Quenmar File (*.txt)|*Nozz.txt|*.txt|*.txt||"));
        const auto types = withSecondType.FileTypes();
        QCOMPARE(types.size(), 2);
        QCOMPARE(types[0].strDescription, QStringLiteral("Quenmar File (*.txt)"));
        QCOMPARE(types[0].patterns, QStringList{QStringLiteral("*Nozz.txt")});
        QCOMPARE(types[1].patterns, QStringList{QStringLiteral("*.txt")});

        // A trailing description without a pattern lists nothing.
        const CFileDialog dangling(true, {}, {}, 0, QStringLiteral("A|*.a;*.b|B|"));
        const auto danglingTypes = dangling.FileTypes();
        QCOMPARE(danglingTypes.size(), 2);
        QCOMPARE(danglingTypes[0].patterns,
                 (QStringList{QStringLiteral("*.a"), QStringLiteral("*.b")}));
        QVERIFY(danglingTypes[1].patterns.isEmpty());
    }
};

QTEST_MAIN(DialogLayerTest)
#include "dialog_layer_test.moc"
