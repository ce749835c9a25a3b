#include "scan_workflow_test.h"

#include "app_run.h"
#include "artwork.h"
#include "fake_manager.h"
#include "picture_button.h"
#include "temp_home.h"
#include "tf_main.h"
#include "tf_new_doc.h"
#include "tf_scan.h"
#include "twain_component.h"
#include "window_driving.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QtEndian>

using quillox::testing::TempHome;

namespace {

// The stand-in selection dialog: the scanner at that position is taken.
void chooseScannerInDialog(int position) {
    whenModalShows([](QWidget& shown) { return shown.windowTitle() == "Select Source"; },
                   [position](QWidget& shown) {
                       shown.findChild<QComboBox*>()->setCurrentIndex(position);
                       static_cast<QDialog&>(shown).accept();
                   });
}

int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    return header.size() == 30 ? qFromLittleEndian<quint16>(header.constData() + 28) : 0;
}

} // namespace

void ScanWorkflowTest::withoutAManagerTheScanPictureSaysSo() {
    TempHome home;
    ReportedErrors errors;
    AppRun run(errors);
    fMain->CreateTwain().SetLibraryFolders({home.path()});
    QString asked;
    answerBox("OK", &asked);
    click(fMain->iScanBotButton);
    QVERIFY2(asked.startsWith("Quillox|Twain is not installed.|"), qPrintable(asked));
    QVERIFY(fMain->isVisible());
    QVERIFY(!fScan->isVisible());
    QVERIFY(errors.messages.isEmpty());
}

void ScanWorkflowTest::aScannedPageBecomesTheDocumentToFile() {
    TempHome home;
    ReportedErrors errors;
    AppRun run(errors);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.AddSource("Feeder Two");
    fake.Set("pages", 3);
    fake.Set("ready", 0);
    fake.Set("width", 40);
    fake.Set("height", 30);
    fMain->CreateTwain().SetLibraryFolders({FakeManager::folder()});

    chooseScannerInDialog(1);
    click(fMain->iScanBotButton);
    QVERIFY(fScan->isVisible());
    QCOMPARE(fScan->frameGeometry().size(), QSize(690, 900));
    QCOMPARE(fScan->Image1->Picture().size(), QSize(690, 900));
    QVERIFY(fMain->isVisible());

    // The user starts the scan in the scanner's window.
    fake.Post(quillox::twain::MSG_XFERREADY);
    QVERIFY(QTest::qWaitFor([] { return fNewDoc->isVisible(); }, 5000));
    const QString scanFile = home.storeFolder() + "quillox-latest-scan.bmp";
    QCOMPARE(fNewDoc->ePath->text(), scanFile);
    QVERIFY(!fNewDoc->ePath->isEnabled());
    QVERIFY(fNewDoc->eDocumentName->text().isEmpty());
    QVERIFY(!fMain->isVisible());
    QVERIFY(fScan->isVisible());
    QCOMPARE(fScan->Image1->Picture().size(), QSize(40, 30));
    QCOMPARE(QImage(scanFile).size(), QSize(40, 30));
    QCOMPARE(bmpBitsPerPixel(scanFile), 24);

    // One page is taken: the rest of the feeder is dropped and the source disabled, open.
    QVERIFY(QTest::qWaitFor([] { return !fMain->Twain->PollingActive(); }, 5000));
    const QStringList calls = fake.Calls();
    QCOMPARE(calls.count("source MEMXFER") > 0, true);
    QVERIFY(calls.contains("source RESET"));
    QCOMPARE(calls.last(), QString("source DISABLEDS"));
    QCOMPARE(fMain->Twain->SourcesLoaded(), 1);

    // Cancelling hands back to the main window and hides the preview.
    click(fNewDoc->iCancelButton);
    QVERIFY(fMain->isVisible());
    QVERIFY(!fScan->isVisible());
    QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
}
