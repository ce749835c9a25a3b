#pragma once

#include <QString>

// Copies the engine file's SearchTerms and Documents into a plain SQLite file, with the
// indexes that the engine file has on them, read from its schema, and the trigram index of tag
// words kept by a trigger, so that both sides keep the same indexes up to date.
void makePlainStoreCopy(const QString& engineFile, const QString& plainFile);
