#pragma once

#include "plain_sqlite.h"

#include <QDateTime>
#include <QString>

struct FilingRow {
    QString name;
    QString tagLine; // as typed
    QString description;
    QString path;
    QDateTime date;
    QString folder;
};

// The database work of one filing done the plain way: the new terms found by index and
// inserted, the largest IDs read from their indexes, each insert committed on its own with
// the engine's durability (synchronous FULL, the default rollback journal).
class PlainFiling {
public:
    explicit PlainFiling(const QString& file);
    void file(const FilingRow& row);

private:
    std::int64_t largest(PlainStatement& statement);

    PlainDb db_;
    PlainStatement largestTerm_;
    PlainStatement findTerm_;
    PlainStatement insertTerm_;
    PlainStatement largestDocument_;
    PlainStatement insertDocument_;
};
