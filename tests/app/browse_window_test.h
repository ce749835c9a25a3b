#pragma once

#include <QObject>

class BrowseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showItemsBuildsTheLevelAndItsCaptions();
    void upAndTilesWalkTheTree();
    void theGridListsTheFoldersOwnDocuments();
    void deletingADocumentAsksByName_data();
    void deletingADocumentAsksByName();
    void deletingTheFolderAsksAndShowsItsParent();
    void openAndExportUseTheStoredCopy();
    void aCancelledExportLeavesNoTarget();
    void aMissingStoredCopyIsReported();
    void moveDialogMovesTheDocumentOnlyWithADestination();
    void namesWithQuotesBrowse();
    void commandsNeverActOnAnUnrelatedFolder();
    void aFarTileOfALargeLevelIsReachedAndClicked();
};
