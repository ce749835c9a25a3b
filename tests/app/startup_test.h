#pragma once

#include <QObject>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void createsTheInstancesAndShowsOnlyTheMainWindow();
    void destroysTheInstancesInReverseOrder();
    void aFailingCreationHandlerIsReportedAndStartUpGoesOn();
    void aStoreThatCannotBeOpenedIsReportedOnceAndAgainOnlyByWindowsThatNeedIt();
    void anEmptyStoreFileBecomesAStoreOnlyOnYes_data();
    void anEmptyStoreFileBecomesAStoreOnlyOnYes();
    void anErrorInAnEventHandlerReachesTheErrorBox();
    void theErrorBoxAddsAFullStop_data();
    void theErrorBoxAddsAFullStop();
    void aTerminationSignalEndsTheRunCleanly_data();
    void aTerminationSignalEndsTheRunCleanly();
    void aSecondCopyHandsOverToTheFirst();
    void aFileNamedOnTheCommandLineGoesToTheRunningCopy();
    void aHandOverThatWaitsOutlivesTheSecondCopysConnection();
    void aLockThatCannotBeMadeIsNamedAsSuch();
    void aRunningCopyThatDoesNotAnswerIsReported();
    void aDeadCopysStoreIsCheckedBeforeUse();
    void aCleanStartRemovesAJournalThatWouldNotBePlayedBack();
    void onlyTheCopyHoldingTheLockRemovesUnfinishedCopies();
};
