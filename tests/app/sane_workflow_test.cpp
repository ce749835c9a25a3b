#include "sane_workflow_test.h"

#include "app/tf_main.h"
#include "app_run.h"
#include "filing/tf_new_doc.h"
#include "sane_test_backend.h"
#include "scan/tf_scan.h"
#include "scan/twain/twain_component.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

using quillox::testing::TempHome;

namespace {

bool titled(QWidget& shown, const char* title) {
    return shown.windowTitle() == title;
}

void chooseInSourceDialog(QWidget& dialog, const char* box, const QString& text) {
    auto* combo = dialog.findChild<QComboBox*>(box);
    combo->setCurrentIndex(combo->findText(text));
}

// Clicks the scan picture with our manager over SANE's test backend, configured with these
// settings: the selection dialog takes the scanner in that row, and the source's dialog, when
// it shows, is handed to inSourceDialog.
void scanFromSane(const QByteArray& settings, int row,
                  std::function<void(QWidget&)> inSourceDialog) {
    useSaneTestBackend(settings);
    fMain->CreateTwain().SetLibraryFolders({SANE_MANAGER_FOLDER});
    whenModalShows([](QWidget& shown) { return titled(shown, "Select Scanner"); },
                   [row](QWidget& shown) {
                       shown.findChild<QListWidget*>()->setCurrentRow(row);
                       static_cast<QDialog&>(shown).accept();
                   });
    whenModalShows([](QWidget& shown) { return titled(shown, "Scan"); }, std::move(inSourceDialog));
    click(control<quillox::widgets::PictureButton>(fMain, "iScanBotButton"));
}

void pressScan(QWidget& dialog) {
    dialog.findChild<QPushButton*>("scan")->click();
}

} // namespace

// The whole way with SANE's test backend: the scan picture, our manager's selection dialog,
// the source's dialog, Scan, the preview, the new document window and filing.
void SaneWorkflowTest::aPageFromSaneIsFiled() {
    TestHome home;
    AppRun run(home);
    addFolderRow("SCANS FOLDER", "-");
    scanFromSane({}, 1, [](QWidget& shown) {
        chooseInSourceDialog(shown, "mode", "Gray");
        chooseInSourceDialog(shown, "resolution", "100 dpi");
        pressScan(shown);
    });
    QVERIFY(fScan->isVisible());
    QVERIFY(QTest::qWaitFor([] { return fNewDoc->isVisible(); }, 30000));

    const QString scanFile = home.storeFolder() + "quillox-latest-scan.bmp";
    QCOMPARE(control<QLineEdit>(fNewDoc, "ePath")->text(), scanFile);
    QVERIFY(!control<QLineEdit>(fNewDoc, "ePath")->isEnabled());
    QVERIFY(fScan->isVisible());
    const QImage saved = QImage(scanFile).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved, scanimage({"--mode", "Gray", "--resolution", "100"}, "test:1"));
    QCOMPARE(control<quillox::widgets::PictureButton>(fScan, "Image1")->Picture().size(),
             saved.size());
    QVERIFY(QTest::qWaitFor([] { return !fMain->Twain()->PollingActive(); }, 5000));

    fileScannedPage("SCANS FOLDER", "Scanned from SANE");
    QVERIFY(fMain->isVisible());
    QVERIFY(!fScan->isVisible());
    QCOMPARE(firstStoredPicture(), saved);
    QCOMPARE(dmData->tDocuments.FieldByName("Folder").AsString(), QString("SCANS FOLDER"));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}
