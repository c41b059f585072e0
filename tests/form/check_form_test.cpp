// The check form as the user meets it, and the application shell around it: opening state, Tab,
// Enter, "Input Data Clear", closing, the system menu, the About box and the layout.

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "about_dlg.h"
#include "app_dir.h"
#include "command_ids.h"
#include "fake_modal_seam.h"
#include "form_driver.h"
#include "minimized_icon.h"
#include "picture_control.h"
#include "quenmar_app.h"
#include "resource_ids.h"

namespace {

const std::vector<int>& integerFieldIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> v = {IDC_XSUC, IDC_YSUC, IDC_ZSUC, IDC_XDIS, IDC_YDIS, IDC_ZDIS};
        v.insert(v.end(), IDC_APPLIED_SUC.begin(), IDC_APPLIED_SUC.end());
        v.insert(v.end(), IDC_APPLIED_DIS.begin(), IDC_APPLIED_DIS.end());
        return v;
    }();
    return ids;
}

const std::vector<int>& textFieldIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> v = {IDC_SUC_SIZE, IDC_DIS_SIZE, IDC_RESULT, IDC_OUT_FILE};
        v.insert(v.end(), IDC_ALLOW_SUC.begin(), IDC_ALLOW_SUC.end());
        v.insert(v.end(), IDC_ALLOW_DIS.begin(), IDC_ALLOW_DIS.end());
        return v;
    }();
    return ids;
}

QStringList menuTexts(const QMenu* pMenu) {
    QStringList texts;
    for (const QAction* pAction : pMenu->actions())
        texts.append(pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
    return texts;
}

QAction* menuAction(const QMenu* pMenu, const QString& strText) {
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->text() == strText) return pAction;
    }
    return nullptr;
}

}  // namespace

class CheckFormTest : public QObject {
    Q_OBJECT

    FakeModalSeam* m_pSeam = nullptr;

  private slots:
    void init() { m_pSeam = new FakeModalSeam; }
    void cleanup() {
        if (QWidget* pPopup = QApplication::activePopupWidget()) pPopup->close();
        delete m_pSeam;
    }

    void opensWithTheNewRecordAndFocusInXSuc() {
        FormDriver form;
        QCOMPARE(form.dlg().windowTitle(), QStringLiteral("Ostrevin Quenmar"));
        for (int nID : integerFieldIds()) QCOMPARE(form.text(nID), QStringLiteral("0"));
        for (int nID : textFieldIds())
            QVERIFY2(form.text(nID).isEmpty(), qPrintable(QString::number(nID)));
        QVERIFY(form.button(IDC_UNIT_KG)->isChecked());
        QVERIFY(form.button(IDC_END_TOP)->isChecked());
        QCOMPARE(QApplication::focusWidget(), form.edit(IDC_XSUC));
        QCOMPARE(form.dlg().nSucNozzType, int(EndNozzle));
        QCOMPARE(form.dlg().nDisNozzType, int(TopNozzle));
        QVERIFY(m_pSeam->messages.empty());
    }

    void controlsSitWhereTheTemplatePutsThem() {
        FormDriver form;
        const QFontMetrics fm(form.dlg().font());
        // The units recomputed here from the font, apart from the layer's own arithmetic.
        const int nBaseX = (fm.horizontalAdvance(QStringLiteral(
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                            26) /
                           52;
        const int nBaseY = fm.height();
        const auto px = [](int v, int base, int div) { return (2 * v * base + div) / (2 * div); };
        QCOMPARE(form.dlg().size(), QSize(px(742, nBaseX, 4), px(300, nBaseY, 8)));
        int nChecked = 0;
        for (const ControlTemplate& ctrl : form.dlg().Template().controls) {
            if (ctrl.nID == kNoControlId) continue;
            const QRect expected(px(ctrl.x, nBaseX, 4), px(ctrl.y, nBaseY, 8),
                                 px(ctrl.cx, nBaseX, 4), px(ctrl.cy, nBaseY, 8));
            QCOMPARE(form.dlg().GetDlgItem(ctrl.nID)->geometry(), expected);
            ++nChecked;
        }
        QCOMPARE(nChecked, 44);  // every control with an ID of its own
    }

    void tabVisitsTheFieldsAndButtonsButNoRadioButton() {
        FormDriver form;
        std::vector<int> order = {IDC_XSUC, IDC_YSUC, IDC_ZSUC,    IDC_XDIS,
                                  IDC_YDIS, IDC_ZDIS, IDC_SUC_SIZE};
        order.insert(order.end(), IDC_ALLOW_SUC.begin(), IDC_ALLOW_SUC.end());
        order.push_back(IDC_DIS_SIZE);
        order.insert(order.end(), IDC_ALLOW_DIS.begin(), IDC_ALLOW_DIS.end());
        order.insert(order.end(), IDC_APPLIED_SUC.begin(), IDC_APPLIED_SUC.end());
        order.insert(order.end(), IDC_APPLIED_DIS.begin(), IDC_APPLIED_DIS.end());
        order.insert(order.end(), {IDC_RESULT, IDC_OUT_FILE, IDC_BROWSE, IDC_EXIT,
                                   IDC_NOZZLE_LOAD_CHECK, IDC_INPUT_DATA_CLEAR, IDC_XSUC});
        // A radio button clicked once still lets Tab pass it by.
        form.click(IDC_UNIT_SI);
        form.edit(IDC_XSUC)->setFocus();
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), form.dlg().GetDlgItem(order[i]));
        }
    }

    void enterInAnyFieldChangesNothing() {
        FormDriver form;
        form.type(IDC_ZSUC, QStringLiteral("abc"));  // would be refused by a read
        for (int nID : integerFieldIds()) QTest::keyClick(form.edit(nID), Qt::Key_Return);
        for (int nID : textFieldIds()) QTest::keyClick(form.edit(nID), Qt::Key_Enter);
        QVERIFY(form.dlg().isVisible());
        QVERIFY(m_pSeam->messages.empty());
        QCOMPARE(form.text(IDC_ZSUC), QStringLiteral("abc"));
        QCOMPARE(form.dlg().nZSuc, 0);
    }

    void enterOnAFocusedButtonPressesIt() {
        FormDriver form;
        form.button(IDC_EXIT)->setFocus();
        QTest::keyClick(form.button(IDC_EXIT), Qt::Key_Return);
        QVERIFY(!form.dlg().isVisible());
        QCOMPARE(form.dlg().result(), IDCANCEL);
    }

    void digitsOnlyFieldsRefuseLetters_data() {
        QTest::addColumn<int>("nID");
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("suction size") << IDC_SUC_SIZE << "1x2"
                                      << "12";
        QTest::newRow("discharge size") << IDC_DIS_SIZE << "-6"
                                        << "6";
        QTest::newRow("allowable") << IDC_ALLOW_DIS[4] << "12a5"
                                   << "125";
        QTest::newRow("position takes a sign") << IDC_XSUC << "-12"
                                               << "-12";
        QTest::newRow("applied load takes letters") << IDC_APPLIED_SUC[0] << "-12k"
                                                    << "-12k";
    }
    void digitsOnlyFieldsRefuseLetters() {
        QFETCH(int, nID);
        QFETCH(QString, strTyped);
        QFETCH(QString, strShown);
        FormDriver form;
        form.type(nID, strTyped);
        QCOMPARE(form.text(nID), strShown);
    }

    void suctionSizeTakesOnlyWhatFitsDischargeScrolls() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("100000000"));
        const qsizetype nSuction = form.text(IDC_SUC_SIZE).size();
        QVERIFY(nSuction >= 2);
        QVERIFY(nSuction < 9);
        form.type(IDC_DIS_SIZE, QStringLiteral("100000000"));
        QCOMPARE(form.text(IDC_DIS_SIZE), QStringLiteral("100000000"));
    }

    void inputDataClearZeroesTheLoadsAndShowsTheStoredValues() {
        FormDriver form;
        form.dlg().strResultLine = L"Passed, see File aNozz.txt";
        form.dlg().strOutFile = L"/tmp/aNozz.txt";
        form.dlg().strAllowSuc[0] = L"3110";
        form.dlg().nAppliedSuc = {1, 2, 3, 4, 5, 6};
        form.dlg().nAppliedDis = {-1, -2, -3, -4, -5, -6};
        form.dlg().UpdateData(false);
        form.type(IDC_XSUC, QStringLiteral("150"));
        form.type(IDC_APPLIED_DIS[2], QStringLiteral("77"));

        form.click(IDC_INPUT_DATA_CLEAR);

        QCOMPARE(form.text(IDC_XSUC), QStringLiteral("0"));
        for (int nID : IDC_APPLIED_SUC) QCOMPARE(form.text(nID), QStringLiteral("0"));
        for (int nID : IDC_APPLIED_DIS) QCOMPARE(form.text(nID), QStringLiteral("0"));
        QCOMPARE(form.text(IDC_RESULT), QStringLiteral("Passed, see File aNozz.txt"));
        QCOMPARE(form.text(IDC_OUT_FILE), QStringLiteral("/tmp/aNozz.txt"));
        QCOMPARE(form.text(IDC_ALLOW_SUC[0]), QStringLiteral("3110"));
        QVERIFY(m_pSeam->messages.empty());
    }

    void closesAtOnceWithRefusedTextInAField_data() {
        QTest::addColumn<QString>("strHow");
        QTest::newRow("Exit") << "exit";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
        QTest::newRow("system menu Close") << "sysclose";
    }
    void closesAtOnceWithRefusedTextInAField() {
        QFETCH(QString, strHow);
        FormDriver form;
        form.type(IDC_ZSUC, QString());
        if (strHow == u"exit") form.click(IDC_EXIT);
        if (strHow == u"esc") QTest::keyClick(form.edit(IDC_ZSUC), Qt::Key_Escape);
        if (strHow == u"close") form.dlg().close();
        if (strHow == u"sysclose") form.dlg().OnSysCommand(SC_CLOSE, 0);
        QVERIFY(!form.dlg().isVisible());
        QCOMPARE(form.dlg().result(), IDCANCEL);
        QVERIFY(m_pSeam->messages.empty());
    }

    void systemMenuOpensFromTheBackgroundAndAltSpace() {
        int nAboutBoxes = 0;
        FormDriver form([&nAboutBoxes] { ++nAboutBoxes; });
        const QStringList expected = {QStringLiteral("Mi&nimize"), QStringLiteral("&Close"),
                                      QStringLiteral("-"), QStringLiteral("Quenmar 정보(&A)...")};

        // A right click on the "Result:" label reaches the form's background.
        const QPoint onLabel = form.dlg().Units().MapRect(250, 214, 1, 1).topLeft();
        QWidget* pLabel = form.dlg().childAt(onLabel);
        QVERIFY(qobject_cast<QLabel*>(pLabel) != nullptr);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse,
                                     pLabel->mapFrom(&form.dlg(), onLabel),
                                     form.dlg().mapToGlobal(onLabel));
        QApplication::sendEvent(pLabel, &rightClick);
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(pMenu != nullptr);
        QCOMPARE(menuTexts(pMenu), expected);
        menuAction(pMenu, expected[3])->trigger();
        QCOMPARE(nAboutBoxes, 1);
        pMenu->close();

        QTest::keyClick(form.edit(IDC_XSUC), Qt::Key_Space, Qt::AltModifier);
        pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(pMenu != nullptr);
        QCOMPARE(menuTexts(pMenu), expected);
        QCOMPARE(form.text(IDC_XSUC), QStringLiteral("0"));  // no blank typed into the field
        menuAction(pMenu, expected[0])->trigger();
        QTRY_VERIFY(form.dlg().isMinimized());
    }

    void aboutCommandIgnoresTheLowFourBits_data() {
        QTest::addColumn<unsigned>("nCommand");
        QTest::newRow("0x0010") << 0x0010u;
        QTest::newRow("0x0013") << 0x0013u;
    }
    void aboutCommandIgnoresTheLowFourBits() {
        QFETCH(unsigned, nCommand);
        int nAboutBoxes = 0;
        FormDriver form([&nAboutBoxes] { ++nAboutBoxes; });
        form.dlg().OnSysCommand(nCommand, 0);
        form.dlg().OnSysCommand(nCommand, 0);
        QCOMPARE(nAboutBoxes, 2);
        QVERIFY(form.dlg().isVisible());
    }

    void minimizedIconPosition_data() {
        QTest::addColumn<int>("nClientWidth");
        QTest::addColumn<int>("x");
        QTest::newRow("36") << 36 << 2;
        QTest::newRow("35") << 35 << 2;
        QTest::newRow("30 truncates -1/2 to 0") << 30 << 0;
        QTest::newRow("29") << 29 << -1;
        QTest::newRow("1113") << 1113 << 541;
    }
    void minimizedIconPosition() {
        QFETCH(int, nClientWidth);
        QFETCH(int, x);
        const QPoint pt = MinimizedIconPosition(QSize(nClientWidth, nClientWidth), QSize(32, 32));
        QCOMPARE(pt, QPoint(x, x));
    }

    void figureIsShownAtItsOwnSizeCentred() {
        FormDriver form;
        const PictureControl* pFigure = nullptr;
        for (QWidget* pChild : form.dlg().findChildren<QWidget*>()) {
            if (auto* pPicture = dynamic_cast<PictureControl*>(pChild)) pFigure = pPicture;
        }
        QVERIFY(pFigure != nullptr);
        QVERIFY(pFigure->HasImage());
        QCOMPARE(pFigure->geometry(), form.dlg().Units().MapRect(228, 46, 502, 155));
        const QRectF image = pFigure->ImageRect();
        QCOMPARE(image.size(), QSizeF(756, 232));
        QCOMPARE(image.center(), QRectF(pFigure->rect()).center());
    }

    void formCarriesTheApplicationIcon() {
        FormDriver form;
        QVERIFY(!form.dlg().windowIcon().isNull());
        QVERIFY(!form.dlg().OnQueryDragIcon().pixmap(32, 32).isNull());
    }

    void aboutBoxShowsVersionAndClosesWithOk() {
        FormDriver form(&RunAboutBox);
        QStringList labels;
        QString strTitle;
        QString strOk;
        int nEnded = -1;
        m_pSeam->onDialog = [&](CDialog& about) -> int {
            about.show();
            for (const QLabel* pLabel : about.findChildren<QLabel*>())
                labels.append(pLabel->text());
            strTitle = about.windowTitle();
            strOk = qobject_cast<QPushButton*>(about.GetDlgItem(IDOK))->text();
            // Enter presses the default button "확인" from anywhere in the box.
            QTest::keyClick(&about, Qt::Key_Return);
            nEnded = about.result();
            return nEnded;
        };
        form.dlg().OnSysCommand(IDM_ABOUTBOX, 0);
        QCOMPARE(m_pSeam->dialogTemplates, std::vector<int>{IDD_ABOUTBOX});
        QCOMPARE(strTitle, QStringLiteral("Quenmar 정보"));
        QCOMPARE(strOk, QStringLiteral("확인"));
        QCOMPARE(nEnded, IDOK);
        QVERIFY(labels.contains(QStringLiteral("Quenmar 버전 ") + QStringLiteral(QUENMAR_VERSION)));
    }

    void applicationRunsTheFormAndEnds() {
        CQuenmarApp app;
        QString strShown;
        bool bMainWindow = false;
        m_pSeam->onDialog = [&](CDialog& dlg) -> int {
            strShown = dlg.windowTitle();
            bMainWindow = app.m_pMainWnd == &dlg;
            return IDCANCEL;
        };
        QVERIFY(!app.InitInstance());
        QCOMPARE(m_pSeam->dialogTemplates, std::vector<int>{IDD_QUENMAR_DIALOG});
        QCOMPARE(strShown, QStringLiteral("Ostrevin Quenmar"));
        QVERIFY(bMainWindow);
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Tolvash"));
    }

    void appDirIsThePathUpToItsLastSeparator_data() {
        QTest::addColumn<QString>("strModulePath");
        QTest::addColumn<QString>("strAppDir");
        QTest::newRow("installed") << "/usr/bin/quenmar"
                                   << "/usr/bin/";
        const QString strLong = QStringLiteral("/home/engineer/") + QString(120, u'd') + u'/';
        QTest::newRow("longer than 98 characters")
            << strLong + QStringLiteral("quenmar") << strLong;
        QTest::newRow("dotted folder") << "/opt/q.v2/quenmar"
                                       << "/opt/q.v2/";
        QTest::newRow("no separator") << "quenmar"
                                      << "";
    }
    void appDirIsThePathUpToItsLastSeparator() {
        QFETCH(QString, strModulePath);
        QFETCH(QString, strAppDir);
        QCOMPARE(QString::fromStdWString(AppDirOfModulePath(strModulePath.toStdWString())),
                 strAppDir);
    }
};

QTEST_MAIN(CheckFormTest)
#include "check_form_test.moc"
