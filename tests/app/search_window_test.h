#pragma once

#include <QObject>

class SearchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstShowingListsEveryDocumentAndNoFolder();
    void searchesFindByWordsAndDates_data();
    void searchesFindByWordsAndDates();
    void theSearchFieldKeepsUpperCase();
    void typingStartsInTheTagWordField();
    void returnSearchesOnlyFromTheSearchControls();
    void resultsLeadIntoTheBrowseWindowAndStay();
    void theClosePictureEmptiesTheDocumentsOnly();
};
