#pragma once

#include <QDate>
#include <QStringList>

// A search of the search window: tag words (none: every document) and a date range, both days
// included.
struct SearchChoice {
    QStringList words;
    QDate from;
    QDate to;
};

// The searches the search window is timed on, from two tag words of the store that each stand
// on a few thousand of every 100,000 documents.
struct SearchChoices {
    SearchChoice twoWordsTenYears;  // ten of the fifteen years the documents span
    SearchChoice twoWordsSixMonths; // half a year
    SearchChoice oneWordAllDates;   // the first word alone
    SearchChoice allDocuments;      // no word, every date
};

SearchChoices chooseSearches(const QString& engineFile);
