#pragma once

#include <QObject>

// How a second copy of the program hands a file to the running copy: through a socket that
// only the user can reach, in two steps, and never with a name that is not text.
class HandOverTest : public QObject {
    Q_OBJECT

private slots:
    void theSocketLivesInTheUsersRuntimeFolder();
    void aRuntimeFolderOthersMayUseIsPassedOver();
    void aSocketFolderThatIsNotTheUsersOwnIsRefused_data();
    void aSocketFolderThatIsNotTheUsersOwnIsRefused();
    void aCopyThatCannotListenSaysSoAndTheSecondCopyFails();
    void anotherUsersRequestIsNotTaken();
    void aSocketNotOfThisUserIsNotTalkedTo_data();
    void aSocketNotOfThisUserIsNotTalkedTo();
    void aRequestGivenUpOnIsNotCarriedOut();
    void aNameThatIsNotTextIsRefusedOnTheCommandLine_data();
    void aNameThatIsNotTextIsRefusedOnTheCommandLine();
    void aNameThatIsNotTextIsRefusedWhenHandedOver();
};
