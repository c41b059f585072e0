// The form at work: Table 4 rows that follow the sizes, the unit system and the pump type; the
// output file chosen with "..."; the check run from the window.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app_dir.h"
#include "check_run.h"
#include "command_ids.h"
#include "evaluation.h"
#include "fake_modal_seam.h"
#include "file_dialog.h"
#include "form_driver.h"
#include "report.h"

namespace {

QStringList row(const FormDriver& form, const std::array<int, 6>& ids) {
    QStringList texts;
    for (int nID : ids) texts.append(form.text(nID));
    return texts;
}

QStringList numbers(std::initializer_list<int> values) {
    QStringList texts;
    for (int value : values) texts.append(QString::number(value));
    return texts;
}

const QStringList kEmptyRow(6, QString());

QByteArray fileBytes(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString outputFolder() {
    return QString::fromStdWString(GetAppDir()) + QStringLiteral("QuenmarOutp");
}

}  // namespace

class FormWorkTest : public QObject {
    Q_OBJECT

    FakeModalSeam* m_pSeam = nullptr;
    QString m_strStartDir;
    QTemporaryDir m_outDir;

    void removeOutputFolder() {
        QFileInfo info(outputFolder());
        if (info.isDir())
            QDir(outputFolder()).removeRecursively();
        else if (info.exists())
            QFile::remove(outputFolder());
    }

  private slots:
    void initTestCase() {
        m_strStartDir = QDir::currentPath();
        QVERIFY(m_outDir.isValid());
    }
    void init() {
        m_pSeam = new FakeModalSeam;
        removeOutputFolder();
    }
    void cleanup() {
        delete m_pSeam;
        QDir::setCurrent(m_strStartDir);
        removeOutputFolder();
    }

    // Allowable-value refresh

    void suctionSizeTypedKeyByKey_data() {
        QTest::addColumn<QString>("strKeys");
        QTest::addColumn<QStringList>("afterFirstKey");
        QTest::addColumn<QString>("strSizeShown");
        QTest::addColumn<int>("nSucSize");
        QTest::addColumn<QStringList>("rowShown");
        const QStringList twoInch = numbers({91, 73, 59, 47, 24, 36});
        QTest::newRow("1 then 2") << "12" << twoInch << "12" << 12
                                  << numbers({816, 680, 544, 622, 304, 470});
        QTest::newRow("1 then 5: no column") << "15" << twoInch << "" << 0 << kEmptyRow;
        QTest::newRow("0 shows 2 inch, accepts none") << "0" << twoInch << "0" << 0 << twoInch;
        QTest::newRow("20 shows 16 inch")
            << "20" << kEmptyRow << "20" << 20 << numbers({1043, 862, 680, 747, 373, 553});
    }
    void suctionSizeTypedKeyByKey() {
        QFETCH(QString, strKeys);
        QFETCH(QStringList, afterFirstKey);
        QFETCH(QString, strSizeShown);
        QFETCH(int, nSucSize);
        QFETCH(QStringList, rowShown);
        FormDriver form;
        QLineEdit* pSize = form.edit(IDC_SUC_SIZE);
        pSize->setFocus();
        QTest::keyClick(pSize, strKeys[0].toLatin1());
        if (strKeys.size() > 1 && strKeys != u"20")
            QCOMPARE(row(form, IDC_ALLOW_SUC), afterFirstKey);
        for (qsizetype i = 1; i < strKeys.size(); ++i)
            QTest::keyClick(pSize, strKeys[i].toLatin1());

        QCOMPARE(form.text(IDC_SUC_SIZE), strSizeShown);
        QCOMPARE(form.dlg().nSucSize, nSucSize);
        QCOMPARE(row(form, IDC_ALLOW_SUC), rowShown);
        QCOMPARE(row(form, IDC_ALLOW_DIS), kEmptyRow);
        QVERIFY(m_pSeam->messages.empty());
    }

    void deletingTheSizeKeepsItsRow() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("4"));
        QTest::keyClick(form.edit(IDC_SUC_SIZE), Qt::Key_Backspace);
        QCOMPARE(form.text(IDC_SUC_SIZE), QString());
        QCOMPARE(form.dlg().nSucSize, 4);
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({181, 145, 118, 135, 69, 102}));
    }

    void pumpTypeTurnsTheForceRows() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("4"));
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({181, 145, 118, 135, 69, 102}));
        form.click(IDC_TOP_TOP);
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({145, 118, 181, 135, 69, 102}));
        QCOMPARE(form.dlg().nSucNozzType, int(TopNozzle));
        form.click(IDC_END_TOP);
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({181, 145, 118, 135, 69, 102}));
        QCOMPARE(form.dlg().nSucNozzType, int(EndNozzle));
        QCOMPARE(form.dlg().nDisNozzType, int(TopNozzle));
    }

    void unitChoiceRefreshesEveryRowThatHasASize() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("4"));
        QTest::keyClick(form.edit(IDC_SUC_SIZE), Qt::Key_Backspace);  // suction size empty again
        form.type(IDC_DIS_SIZE, QStringLiteral("8"));
        form.click(IDC_UNIT_SI);
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({181, 145, 118, 135, 69, 102}));  // still kg
        QCOMPARE(row(form, IDC_ALLOW_DIS), numbers({3780, 3110, 4890, 3530, 1760, 2580}));

        form.type(IDC_DIS_SIZE, QStringLiteral("6"));
        form.click(IDC_UNIT_US);
        QCOMPARE(form.dlg().nUnit, int(UnitUS));
        QCOMPARE(row(form, IDC_ALLOW_DIS), numbers({560, 460, 700, 1700, 870, 1300}));
    }

    void choicesWithoutSizesOnlySetTheNozzleTypes() {
        FormDriver form;
        form.click(IDC_SIDE_SIDE);
        form.click(IDC_UNIT_US);
        QCOMPARE(row(form, IDC_ALLOW_SUC), kEmptyRow);
        QCOMPARE(row(form, IDC_ALLOW_DIS), kEmptyRow);
        QCOMPARE(form.dlg().nSucNozzType, int(SideNozzle));
        QCOMPARE(form.dlg().nDisNozzType, int(SideNozzle));
        QVERIFY(form.button(IDC_SIDE_SIDE)->isChecked());
        QVERIFY(form.button(IDC_UNIT_US)->isChecked());
        form.type(IDC_SUC_SIZE, QStringLiteral("6"));
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({560, 700, 460, 1700, 870, 1300}));
    }

    void typedAllowableIsReplacedByTheNextRefresh() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("4"));
        form.type(IDC_ALLOW_SUC[0], QStringLiteral("999"));
        form.click(IDC_UNIT_KG);  // the same unit again still refreshes
        QCOMPARE(form.text(IDC_ALLOW_SUC[0]), QStringLiteral("181"));
    }

    void refusedPositionUndoesTheUnitClick() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("4"));
        form.type(IDC_ZSUC, QString());
        form.click(IDC_UNIT_US);
        // The suction refresh's read is refused at zSuc, before the unit is read; its write then
        // brings back the stored zSuc and the kg choice, so the discharge refresh reads cleanly.
        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QStringLiteral("Enter an integer.")});
        QCOMPARE(form.text(IDC_ZSUC), QStringLiteral("0"));
        QVERIFY(form.button(IDC_UNIT_KG)->isChecked());
        QVERIFY(!form.button(IDC_UNIT_US)->isChecked());
        QCOMPARE(row(form, IDC_ALLOW_SUC), numbers({181, 145, 118, 135, 69, 102}));
        QCOMPARE(QApplication::focusWidget(), form.edit(IDC_ZSUC));
    }

    void refusedPositionBeforeTheFirstSizeStopsTheRefresh() {
        FormDriver form;
        form.type(IDC_ZSUC, QStringLiteral("x"));
        form.type(IDC_SUC_SIZE, QStringLiteral("6"));
        // The read stopped before the size, whose member is still empty: nothing else happens.
        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QStringLiteral("Enter an integer.")});
        QCOMPARE(form.text(IDC_ZSUC), QStringLiteral("x"));
        QCOMPARE(form.dlg().nSucSize, 0);
        QCOMPARE(row(form, IDC_ALLOW_SUC), kEmptyRow);
    }

    // Output file selection

    void browseCreatesTheOutputFolderAndCancelChangesNothing() {
        FormDriver form;
        form.type(IDC_OUT_FILE, QStringLiteral("typed/by/hand"));
        form.click(IDC_BROWSE);

        QVERIFY(QFileInfo(outputFolder()).isDir());
        QCOMPARE(QDir::currentPath(), m_strStartDir);  // created, not entered
        QCOMPARE(m_pSeam->fileRequests.size(), std::size_t{1});
        const FakeModalSeam::FileRequest& request = m_pSeam->fileRequests.front();
        QVERIFY(request.bOpen);
        QCOMPARE(request.nFlags, OFN_CREATEPROMPT);
        QVERIFY(request.strDefExt.isEmpty());
        QCOMPARE(request.strInitialDir, outputFolder());
        QCOMPARE(request.typeDescriptions,
                 (QStringList{QStringLiteral("Quenmar File (*.txt)"), QStringLiteral("*.txt")}));
        QCOMPARE(request.typePatterns[0], QStringList{QStringLiteral("*Nozz.txt")});
        QCOMPARE(request.typePatterns[1], QStringList{QStringLiteral("*.txt")});
        QCOMPARE(form.text(IDC_OUT_FILE), QStringLiteral("typed/by/hand"));
        QVERIFY(form.dlg().strOutFileName.empty());

        form.click(IDC_BROWSE);
        QCOMPARE(QDir::currentPath(), outputFolder());  // found and entered this time
    }

    void browseTakesAnExistingFileWithoutWarning() {
        FormDriver form;
        QDir().mkdir(outputFolder());
        const QString strPath = outputFolder() + QStringLiteral("/PumpANozz.txt");
        QFile existing(strPath);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        m_pSeam->strChosenFile = strPath;

        form.click(IDC_BROWSE);

        QCOMPARE(form.text(IDC_OUT_FILE), strPath);
        QCOMPARE(form.dlg().strOutFileName, std::wstring(L"PumpANozz.txt"));
        QVERIFY(m_pSeam->messages.empty());
    }

    void browseWithARefusedFieldStillChoosesAndShowsTheStoredValue() {
        FormDriver form;
        form.type(IDC_ZSUC, QString());
        m_pSeam->strChosenFile = outputFolder() + QStringLiteral("/PumpBNozz.txt");
        form.click(IDC_BROWSE);
        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QStringLiteral("Enter an integer.")});
        QCOMPARE(m_pSeam->fileRequests.size(), std::size_t{1});
        QCOMPARE(form.text(IDC_ZSUC), QStringLiteral("0"));
        QCOMPARE(form.text(IDC_OUT_FILE), m_pSeam->strChosenFile);
    }

    void browseStartsAtHomeWhenTheFolderCannotBeMade() {
        QFile blocker(outputFolder());  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        FormDriver form;
        form.click(IDC_BROWSE);
        QCOMPARE(m_pSeam->fileRequests.front().strInitialDir, QDir::homePath());
        QVERIFY(m_pSeam->messages.empty());
    }

    // The check command

    void newNameChosenWithBrowseIsWrittenWithTxt() {
        FormDriver form;
        FillEndTopNewtonSample(form, false);
        m_pSeam->strChosenFile = outputFolder() + QStringLiteral("/pump1");
        form.click(IDC_BROWSE);
        QCOMPARE(form.dlg().strOutFileName, std::wstring(L"pump1"));

        form.click(IDC_NOZZLE_LOAD_CHECK);

        const QString strWritten = outputFolder() + QStringLiteral("/pump1.txt");
        QCOMPARE(form.text(IDC_OUT_FILE), strWritten);
        QCOMPARE(form.text(IDC_RESULT), QStringLiteral("Passed, see File pump1.txt"));
        const QByteArray first = fileBytes(strWritten);
        QVERIFY(!first.isEmpty());
        QVERIFY(!QFileInfo::exists(outputFolder() + QStringLiteral("/pump1")));

        // Again without changes: the same file, the same line, no second ".txt".
        form.click(IDC_NOZZLE_LOAD_CHECK);
        QCOMPARE(form.text(IDC_OUT_FILE), strWritten);
        QCOMPARE(form.text(IDC_RESULT), QStringLiteral("Passed, see File pump1.txt"));
        QCOMPARE(fileBytes(strWritten), first);
        QCOMPARE(m_pSeam->messages.size(), std::size_t{2});
    }

    void checkFromTheWindow_data() {
        QTest::addColumn<bool>("bOneFail");
        QTest::addColumn<QString>("strResult");
        QTest::addColumn<QString>("strMessage");
        QTest::newRow("passed") << false << "Passed, see File endtopNozz.txt"
                                << QString::fromWCharArray(kMsgAllPassed);
        QTest::newRow("one fail") << true << "One Fail is checked, see File endtopNozz.txt"
                                  << QString::fromWCharArray(kMsgFailed);
    }
    void checkFromTheWindow() {
        QFETCH(bool, bOneFail);
        QFETCH(QString, strResult);
        QFETCH(QString, strMessage);
        FormDriver form;
        FillEndTopNewtonSample(form, bOneFail);
        const QString strPath = m_outDir.filePath(QStringLiteral("endtopNozz.txt"));
        m_pSeam->strChosenFile = strPath;
        form.click(IDC_BROWSE);
        QString strResultWhileMessageOpen;
        m_pSeam->onMessage = [&](const FakeModalSeam::Message&) {
            strResultWhileMessageOpen = form.text(IDC_RESULT);
        };

        form.click(IDC_NOZZLE_LOAD_CHECK);

        QCOMPARE(m_pSeam->MessageTexts(), QStringList{strMessage});
        QCOMPARE(m_pSeam->messages.front().pOwner, &form.dlg());
        QCOMPARE(strResultWhileMessageOpen, strResult);
        QCOMPARE(form.text(IDC_RESULT), strResult);
        const NozzleCheckInput& record = form.dlg();
        QCOMPARE(record.strAllowDis[2], std::wstring(L"1780"));  // filled in by the size refresh
        const std::string strExpected = ComposeCheckReport(record, EvaluateNozzleLoads(record));
        QCOMPARE(fileBytes(strPath), QByteArray::fromStdString(strExpected));
    }

    void typedPathWithoutChosenFileIsRefused() {
        FormDriver form;
        FillEndTopNewtonSample(form, false);
        const QString strTyped = m_outDir.filePath(QStringLiteral("typedNozz.txt"));
        form.type(IDC_OUT_FILE, strTyped);

        form.click(IDC_NOZZLE_LOAD_CHECK);

        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QString::fromWCharArray(kMsgOutputFile)});
        QCOMPARE(form.text(IDC_OUT_FILE), strTyped);
        QVERIFY(form.text(IDC_RESULT).isEmpty());
        QVERIFY(!QFileInfo::exists(strTyped));
    }

    void refusedFieldStopsTheCheck() {
        FormDriver form;
        FillEndTopNewtonSample(form, false);
        const QString strPath = m_outDir.filePath(QStringLiteral("refusedNozz.txt"));
        m_pSeam->strChosenFile = strPath;
        form.click(IDC_BROWSE);
        form.type(IDC_APPLIED_SUC[1], QStringLiteral("abc"));

        form.click(IDC_NOZZLE_LOAD_CHECK);

        // Only the read's own message: no run on the earlier loads, no report, no Result line.
        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QStringLiteral("Enter an integer.")});
        QVERIFY(!QFileInfo::exists(strPath));
        QVERIFY(form.text(IDC_RESULT).isEmpty());
        QCOMPARE(form.text(IDC_APPLIED_SUC[1]), QStringLiteral("abc"));
        QCOMPARE(QApplication::focusWidget(), form.edit(IDC_APPLIED_SUC[1]));
    }

    void refusedRunShowsOnlyItsMessage() {
        FormDriver form;
        form.type(IDC_SUC_SIZE, QStringLiteral("6"));
        form.type(IDC_XSUC, QStringLiteral("100"));
        form.type(IDC_ZDIS, QStringLiteral("300"));
        form.click(IDC_NOZZLE_LOAD_CHECK);
        QCOMPARE(m_pSeam->MessageTexts(), QStringList{QString::fromWCharArray(kMsgNozzleSize)});
        QVERIFY(form.text(IDC_RESULT).isEmpty());
    }
};

QTEST_MAIN(FormWorkTest)
#include "form_work_test.moc"
