#include "db/shell/output_format.h"

namespace quillox::db::shell {

QString escapeValue(const QString& value) {
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void writeLine(std::ostream& out, const QStringList& values) {
    QStringList escaped;
    for (const QString& value : values)
        escaped.append(escapeValue(value));
    out << escaped.join('\t').toStdString() << '\n';
}

} // namespace quillox::db::shell
