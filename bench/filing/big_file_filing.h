#pragma once

#include <QString>
#include <QtGlobal>

struct BigFileFigures {
    qint64 bytes = 0;
    int repetitions = 0;
    double filingSeconds = 0; // fileDocument, median
    double cpSeconds = 0;     // cp and sync of the copy, median
};

// Files one large file into a fresh store in the folder through fileDocument, and copies it
// with cp followed by sync of the copy, in alternating order, removing the copies in between.
// The source is made once in the folder, so that both copies stay on one file system and see
// the same page cache.
BigFileFigures compareBigFileFiling(const QString& folder, int repetitions);
