#pragma once

#include <QString>
#include <ostream>

// Failures show texts as text, not as the bytes of the object.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
