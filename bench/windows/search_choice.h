#pragma once

#include <QDate>
#include <QStringList>

// What the search window is timed on: two tag words of the store and a date range that
// together find thousands of documents.
struct SearchChoice {
    QStringList words;
    QDate from;
    QDate to;
};

SearchChoice chooseSearch(const QString& engineFile);
