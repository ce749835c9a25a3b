#pragma once

#include <QObject>

class FilingDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aNewFolderIsNamedByItsPlaceInTheTree_data();
    void aNewFolderIsNamedByItsPlaceInTheTree();
    void anEmptyNameOrATakenNameAddsNoFolder();
    void theIconChoiceIsKeptForTheNextFolder();
    void draggingAFolderNodeReparentsIt();
    void theOkPictureWaitsForPathNameAndFolder();
    void aNewFilingStartsWithoutAFolderEvenWhenNotActivated();
    void returnPressesTheFocusedButton();
    void cancelAndCloseBoxHandBackWithoutFiling();
    void filingEndToEnd();
    void longTextIsCutInTheFieldsNotInTheRow();
};
