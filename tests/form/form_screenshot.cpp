// Saves a picture of the check form, as it opens or filled in with a sample check that has run.
// Used by scripts/screenshot.sh under Xvfb; message boxes and the chooser are answered by the
// modal seam, so nothing waits for a user.
//
//   form_screenshot [--sample | --about] picture.png

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "about_dlg.h"
#include "command_ids.h"
#include "fake_modal_seam.h"
#include "form_driver.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    const bool bSample = args.removeAll(QStringLiteral("--sample")) > 0;
    const bool bAbout = args.removeAll(QStringLiteral("--about")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: form_screenshot [--sample | --about] picture.png\n");
        return 2;
    }

    FakeModalSeam seam;
    QTemporaryDir outDir;
    FormDriver form(&RunAboutBox);
    if (bAbout) {
        bool bSaved = false;
        seam.onDialog = [&](CDialog& about) {
            about.show();
            QTest::qWait(300);
            bSaved = about.grab().save(args.front());
            return IDOK;
        };
        form.dlg().OnSysCommand(IDM_ABOUTBOX, 0);
        return bSaved ? 0 : 1;
    }
    if (bSample) {
        FillEndTopNewtonSample(form, true);
        QDir(outDir.path()).mkdir(QStringLiteral("QuenmarOutp"));
        seam.strChosenFile = outDir.filePath(QStringLiteral("QuenmarOutp/PumpANozz.txt"));
        form.click(IDC_BROWSE);
        form.click(IDC_NOZZLE_LOAD_CHECK);
        form.edit(IDC_XSUC)->setFocus();
    }
    QTest::qWait(300);  // let the window manager-less server settle and paint
    if (!form.dlg().grab().save(args.front())) {
        std::fprintf(stderr, "form_screenshot: cannot write %s\n", qPrintable(args.front()));
        return 1;
    }
    return 0;
}
