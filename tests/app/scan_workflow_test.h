#pragma once

#include <QObject>

class ScanWorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void withoutAManagerTheScanPictureSaysSo();
    void aScannedPageBecomesTheDocumentToFile_data();
    void aScannedPageBecomesTheDocumentToFile();
    void aPageThatCannotBeSavedIsReportedAndDropped();
    void aSecondClickClosesTheEnabledSourceFirst();
    void aFailedTransferIsReported();
    void aFailedPageOfAFeederIsReportedAndTheNextIsTaken();
    void withoutAScannerTheScanPictureSaysSo();
    void aScannerThatCannotStartIsReportedWithoutAPreview_data();
    void aScannerThatCannotStartIsReportedWithoutAPreview();
    void aCancelledScanTakesThePreviewAway();
    void thePreviewShowsBeforeTheScannersWindow();
};
