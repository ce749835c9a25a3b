#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest show texts and lists of texts as text in its messages, not as the bytes of
// the objects. Every GoogleTest program sees these through a forced include, so that no file
// prints them otherwise.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts)
        *out << ' ' << '"' << text.toStdString() << '"';
    *out << " }";
}
