// The real modal windows behind the seam: the message box, the file chooser with its create
// prompt, and a dialog run with DoModal. A timer answers each window once it is up.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "about_dlg.h"
#include "app_info.h"
#include "command_ids.h"
#include "file_dialog.h"
#include "message_box.h"

namespace {

// Calls answer(window) as soon as a modal window of type T is up; once.
template <class T>
void whenModalIsUp(std::function<void(T*)> answer) {
    auto* pTimer = new QTimer(qApp);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, answer] {
        if (auto* pWindow = qobject_cast<T*>(QApplication::activeModalWidget())) {
            pTimer->stop();
            pTimer->deleteLater();
            answer(pWindow);
        }
    });
    pTimer->start(10);
}

}  // namespace

class RealModalTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

  private slots:
    void messageBoxIsAnExclamationWithOk() {
        QString strCaption;
        QString strText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        whenModalIsUp<QMessageBox>([&](QMessageBox* pBox) {
            strCaption = pBox->windowTitle();
            strText = pBox->text();
            icon = pBox->icon();
            buttons = pBox->standardButtons();
            pBox->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(AfxMessageBox(std::wstring_view(L"Pump Nozzle Size를 입력하세요.")), IDOK);
        QCOMPARE(strCaption, AfxGetAppName());
        QCOMPARE(strText, QStringLiteral("Pump Nozzle Size를 입력하세요."));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void chooserStartsInTheFolderWithTheFirstTypeAndTakesAnExistingFile() {
        QVERIFY(m_dir.isValid());
        const QString strExisting = m_dir.filePath(QStringLiteral("PumpANozz.txt"));
        QFile file(strExisting);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QString strDirectory;
        QString strFilter;
        QStringList filters;
        whenModalIsUp<QFileDialog>([&](QFileDialog* pChooser) {
            strDirectory = pChooser->directory().absolutePath();
            strFilter = pChooser->selectedNameFilter();
            filters = pChooser->nameFilters();
            pChooser->selectFile(strExisting);
            static_cast<QDialog*>(pChooser)->accept();  // as its Open button does
        });
        CFileDialog fileDlg(true, QString(), QString(), OFN_CREATEPROMPT,
                            QStringLiteral("Quenmar File (*.txt)|*Nozz.txt|*.txt|*.txt||"));
        fileDlg.m_strInitialDir = m_dir.path();
        QCOMPARE(fileDlg.DoModal(), IDOK);
        QCOMPARE(strDirectory, m_dir.path());
        // Shown as described; the pattern behind it lists only the reports of the program.
        QCOMPARE(strFilter, QStringLiteral("Quenmar File (*.txt)"));
        QCOMPARE(filters.first(), QStringLiteral("Quenmar File (*.txt) (*Nozz.txt)"));
        QCOMPARE(fileDlg.GetPathName(), strExisting);
        QCOMPARE(fileDlg.GetFileName(), QStringLiteral("PumpANozz.txt"));
    }

    void newNameNeedsAYesAndGetsNoExtension() {
        const QString strNew = m_dir.filePath(QStringLiteral("pump1"));
        int nPrompts = 0;
        // First round: "No" keeps the chooser open; second round: "Yes" takes the name.
        std::function<void(QFileDialog*)> chooseNew;
        chooseNew = [&](QFileDialog* pChooser) {
            whenModalIsUp<QMessageBox>([&](QMessageBox* pPrompt) {
                ++nPrompts;
                pPrompt->button(nPrompts == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
                if (nPrompts == 1) whenModalIsUp<QFileDialog>(chooseNew);
            });
            // Typed into the name field, as the user does.
            pChooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("pump1"));
            static_cast<QDialog*>(pChooser)->accept();  // as its Open button does
        };
        whenModalIsUp<QFileDialog>(chooseNew);
        CFileDialog fileDlg(true, QString(), QString(), OFN_CREATEPROMPT,
                            QStringLiteral("Quenmar File (*.txt)|*Nozz.txt|*.txt|*.txt||"));
        fileDlg.m_strInitialDir = m_dir.path();
        QCOMPARE(fileDlg.DoModal(), IDOK);
        QCOMPARE(nPrompts, 2);
        QCOMPARE(fileDlg.GetPathName(), strNew);
        QVERIFY(!QFileInfo::exists(strNew));  // chosen, not created
    }

    void cancelledChooserChoosesNothing() {
        whenModalIsUp<QFileDialog>([](QFileDialog* pChooser) { pChooser->reject(); });
        CFileDialog fileDlg(true, QString(), QString(), OFN_CREATEPROMPT,
                            QStringLiteral("All|*||"));
        QCOMPARE(fileDlg.DoModal(), IDCANCEL);
        QVERIFY(fileDlg.GetPathName().isEmpty());
    }

    void aboutBoxRunsModallyAndEndsWithItsButton_data() {
        QTest::addColumn<int>("nKey");
        QTest::addColumn<int>("nResult");
        QTest::newRow("Enter") << int(Qt::Key_Return) << IDOK;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << IDCANCEL;
    }
    void aboutBoxRunsModallyAndEndsWithItsButton() {
        QFETCH(int, nKey);
        QFETCH(int, nResult);
        whenModalIsUp<QDialog>([nKey](QDialog* pAbout) { QTest::keyClick(pAbout, Qt::Key(nKey)); });
        CAboutDlg dlgAbout;
        QCOMPARE(dlgAbout.DoModal(), nResult);
    }
};

QTEST_MAIN(RealModalTest)
#include "real_modal_test.moc"
