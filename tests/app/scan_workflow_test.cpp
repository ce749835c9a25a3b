#include "scan_workflow_test.h"

#include "app/tf_main.h"
#include "app_run.h"
#include "fake_manager.h"
#include "filing/tf_new_doc.h"
#include "scan/tf_scan.h"
#include "scan/twain/twain_component.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/artwork.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
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

void clickScanPicture() {
    click(control<quillox::widgets::PictureButton>(fMain, "iScanBotButton"));
}

// A scan from the scripted manager: the scanner at that position chosen, the scan picture
// clicked.
void scanFromScriptedManager(int position) {
    fMain->CreateTwain().SetLibraryFolders({FakeManager::folder()});
    chooseScannerInDialog(position);
    clickScanPicture();
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
    TestHome home;
    AppRun run(home);
    fMain->CreateTwain().SetLibraryFolders({home.path()});
    QString asked;
    answerBox("OK", &asked);
    clickScanPicture();
    QVERIFY2(asked.startsWith("Quillox|Twain is not installed.|"), qPrintable(asked));
    QVERIFY(fMain->isVisible());
    QVERIFY(!fScan->isVisible());
    QVERIFY(home.errors.isEmpty());
}

void ScanWorkflowTest::aScannedPageBecomesTheDocumentToFile_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("memory transfer") << int(quillox::twain::ttmMemory);
    QTest::newRow("native transfer") << int(quillox::twain::ttmNative);
}

void ScanWorkflowTest::aScannedPageBecomesTheDocumentToFile() {
    QFETCH(int, mode);
    TestHome home;
    AppRun run(home);
    addFolderRow("SCANS FOLDER", "-");
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.AddSource("Feeder Two");
    fake.Set("pages", 3);
    fake.Set("ready", 0);
    fake.Set("width", 40);
    fake.Set("height", 30);
    fMain->CreateTwain().SetLibraryFolders({FakeManager::folder()});
    fMain->Twain()->SetTransferMode(quillox::twain::TTwainTransferMode(mode));

    chooseScannerInDialog(1);
    clickScanPicture();
    QVERIFY(fScan->isVisible());
    QCOMPARE(fScan->frameGeometry().size(), QSize(690, 900));
    QCOMPARE(control<quillox::widgets::PictureButton>(fScan, "Image1")->Picture().size(),
             QSize(690, 900));
    QVERIFY(fMain->isVisible());
    // The manager and the driver meet the program under its own name.
    QCOMPARE(QString(fake.LastOrigin().Manufacturer), QString("Quillox"));
    QCOMPARE(QString(fake.LastOrigin().ProductFamily), QString("Document filing"));
    QCOMPARE(QString(fake.LastOrigin().ProductName), QString("Quillox"));

    // The user starts the scan in the scanner's window.
    fake.Post(quillox::twain::MSG_XFERREADY);
    QVERIFY(QTest::qWaitFor([] { return fNewDoc->isVisible(); }, 5000));
    const QString scanFile = home.storeFolder() + "quillox-latest-scan.bmp";
    QCOMPARE(control<QLineEdit>(fNewDoc, "ePath")->text(), scanFile);
    QVERIFY(!control<QLineEdit>(fNewDoc, "ePath")->isEnabled());
    QVERIFY(control<QLineEdit>(fNewDoc, "eDocumentName")->text().isEmpty());
    QVERIFY(!fMain->isVisible());
    QVERIFY(fScan->isVisible());
    QCOMPARE(control<quillox::widgets::PictureButton>(fScan, "Image1")->Picture().size(),
             QSize(40, 30));
    QCOMPARE(bmpBitsPerPixel(scanFile), 24);
    // The file holds what the source sent: its bytes are red, green, blue from the top row.
    const QImage saved(scanFile);
    QCOMPARE(saved.size(), QSize(40, 30));
    for (const QPoint at : {QPoint(0, 0), QPoint(39, 0), QPoint(7, 13), QPoint(39, 29)}) {
        const auto byte = [&](int channel) {
            return (at.y() * 31 + (3 * at.x() + channel) * 7) & 0xFF;
        };
        QCOMPARE(saved.pixel(at) & 0xFFFFFF, qRgb(byte(0), byte(1), byte(2)) & 0xFFFFFF);
    }

    // One page is taken: the rest of the feeder is dropped and the source disabled, open.
    QVERIFY(QTest::qWaitFor([] { return !fMain->Twain()->PollingActive(); }, 5000));
    const QStringList calls = fake.Calls();
    QVERIFY(calls.contains("source RESET"));
    QCOMPARE(calls.last(), QString("source DISABLEDS"));
    QCOMPARE(fMain->Twain()->SourcesLoaded(), 1);

    // Filing it hands back to the main window and hides the preview.
    fileScannedPage("SCANS FOLDER", "Scanned letter");
    QVERIFY(fMain->isVisible());
    QVERIFY(!fScan->isVisible());
    QCOMPARE(firstStoredPicture(), saved.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(dmData->tDocuments.FieldByName("Folder").AsString(), QString("SCANS FOLDER"));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

void ScanWorkflowTest::aPageThatCannotBeSavedIsReportedAndDropped() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set("pages", 2);
    // A folder where the scan file goes: no file can take its name, whoever runs the test.
    QVERIFY(QDir().mkpath(home.storeFolder() + "quillox-latest-scan.bmp"));
    scanFromScriptedManager(0);
    QVERIFY(QTest::qWaitFor([] { return !fMain->Twain()->PollingActive(); }, 5000));
    QCOMPARE(home.errors.size(), 1);
    QVERIFY2(home.errors[0].contains("could not be saved"), qPrintable(home.errors[0]));
    QVERIFY(!fNewDoc->isVisible());
    QVERIFY(fMain->isVisible());
    QVERIFY(fake.Calls().contains("source RESET"));
    QCOMPARE(fake.Calls().last(), QString("source DISABLEDS"));
}

void ScanWorkflowTest::aSecondClickClosesTheEnabledSourceFirst() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set("ready", 0);
    scanFromScriptedManager(0);
    QVERIFY(fMain->Twain()->PollingActive());
    fake.ClearCalls();
    whenModalShows([](QWidget& shown) { return shown.windowTitle() == "Select Source"; },
                   [](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
    clickScanPicture();
    const QStringList calls = fake.Calls();
    QVERIFY(calls.indexOf("source DISABLEDS") >= 0);
    QVERIFY(calls.indexOf("source DISABLEDS") < calls.indexOf("manager CLOSEDS"));
    QVERIFY(calls.indexOf("manager CLOSEDS") < calls.indexOf("manager USERSELECT"));
    QCOMPARE(fMain->Twain()->SourcesLoaded(), 0);
    QVERIFY(home.errors.isEmpty());
}

// A transfer the scanner fails ends the scan with a message saying why; no document waits.
void ScanWorkflowTest::aFailedTransferIsReported() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set("ready", 0);
    fake.Set("strip_fails", 1);
    scanFromScriptedManager(0);
    fake.Post(quillox::twain::MSG_XFERREADY);
    QVERIFY(QTest::qWaitFor([&home] { return !home.errors.isEmpty(); }, 5000));
    QCOMPARE(home.errors, QStringList("The scan stopped: the scanner reported a failure."));
    QVERIFY(!fMain->Twain()->PollingActive());
    QCOMPARE(fake.Calls().last(), QString("source DISABLEDS"));
    QVERIFY(!fNewDoc->isVisible());
    QVERIFY(!control<QProgressBar>(fScan, "Progress")->isVisible());
    QVERIFY(!fScan->isVisible());
}

// A feeder's page that fails does not end the burst: the next page becomes the document, and
// the failed one is reported once the burst has ended.
void ScanWorkflowTest::aFailedPageOfAFeederIsReportedAndTheNextIsTaken() {
    TestHome home;
    AppRun run(home);
    addFolderRow("SCANS FOLDER", "-");
    FakeManager fake;
    fake.AddSource("Feeder One");
    fake.Set("pages", 3);
    fake.Set("fail_page", 0);
    scanFromScriptedManager(0);
    QVERIFY(QTest::qWaitFor([&home] { return !home.errors.isEmpty(); }, 5000));
    QCOMPARE(
        home.errors,
        QStringList("A page of the scan failed: the paper is jammed. The next page was taken."));
    QVERIFY(fNewDoc->isVisible());
    QVERIFY(fScan->isVisible());
    QVERIFY(!fMain->Twain()->PollingActive());
    QCOMPARE(fake.Calls().last(), QString("source DISABLEDS"));
}

// A manager that lists no scanner, as ours does without a device, says so and what to do.
void ScanWorkflowTest::withoutAScannerTheScanPictureSaysSo() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fMain->CreateTwain().SetLibraryFolders({FakeManager::folder()});
    QString asked;
    answerBox("OK", &asked);
    clickScanPicture();
    QVERIFY2(asked.startsWith("Quillox|No scanner was found. "), qPrintable(asked));
    QVERIFY2(asked.contains("scanimage -L"), qPrintable(asked));
    QVERIFY(!fScan->isVisible());
    QVERIFY(home.errors.isEmpty());
}

void ScanWorkflowTest::aScannerThatCannotStartIsReportedWithoutAPreview_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<long>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("refuses to open")
        << "opends_fails" << 1L << "The scanner could not be opened: no scanner was found.";
    QTest::newRow("refuses to enable")
        << "enable_rc" << long(quillox::twain::TWRC_FAILURE) << "The scanner could not be started.";
}

void ScanWorkflowTest::aScannerThatCannotStartIsReportedWithoutAPreview() {
    QFETCH(QString, key);
    QFETCH(long, value);
    QFETCH(QString, message);
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set(qPrintable(key), value);
    scanFromScriptedManager(0);
    QCOMPARE(home.errors, QStringList({message}));
    QVERIFY(!fScan->isVisible());
    QVERIFY(fMain->isVisible());
}

// The user closes the scanner's window without scanning: no preview waits for a page.
void ScanWorkflowTest::aCancelledScanTakesThePreviewAway() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set("ready", 0);
    scanFromScriptedManager(0);
    QVERIFY(fScan->isVisible());
    fake.Post(quillox::twain::MSG_CLOSEDSREQ);
    QVERIFY(QTest::qWaitFor([] { return !fScan->isVisible(); }, 5000));
    QVERIFY(fMain->isVisible());
    QVERIFY(home.errors.isEmpty());
}

namespace {

// The triplets the manager had received when the window showed.
class CallsAtShowing : public QObject {
public:
    CallsAtShowing(QWidget* window, const FakeManager& fake) : window_(window), fake_(fake) {
        window->installEventFilter(this);
    }
    ~CallsAtShowing() override { window_->removeEventFilter(this); }
    QStringList calls;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            calls = fake_.Calls();
        return false;
    }

private:
    QWidget* window_;
    const FakeManager& fake_;
};

} // namespace

// The scanner's own window opens when the source is enabled: the preview shows before that, so
// that it does not cover the scanner's settings and its Cancel.
void ScanWorkflowTest::thePreviewShowsBeforeTheScannersWindow() {
    TestHome home;
    AppRun run(home);
    FakeManager fake;
    fake.AddSource("Flatbed One");
    fake.Set("ready", 0);
    fMain->CreateTwain().SetLibraryFolders({FakeManager::folder()});
    CallsAtShowing preview(fScan, fake);
    chooseScannerInDialog(0);
    clickScanPicture();
    QVERIFY(preview.calls.contains("manager OPENDS"));
    QVERIFY(!preview.calls.contains("source ENABLEDS"));
    QVERIFY(fake.Calls().contains("source ENABLEDS"));
}
