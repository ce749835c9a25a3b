#include "store/stored_file_name.h"

#include "platform/user_error.h"

#include <QLocale>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace quillox::store {
namespace {

constexpr qsizetype fileNameLimit = 255; // bytes in one name, on every common file system
constexpr qsizetype pathLimit = 500;     // bytes of the Path column
const QString stampFormat = "dd.MM.yyyy.hh.mm";
const qsizetype stampBytes = stampFormat.size();
const qsizetype counterBytes = QString(" (%1)").arg(maxStoredNameCounter).size();
// Enough for any one character, so that no name part is cut to nothing.
constexpr qsizetype smallestNameBytes = 4;

bool pairedSurrogate(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// A file name can hold neither "/" nor NUL; control characters and broken UTF-16 would make
// names that are hard to show or to type, or that UTF-8 cannot carry.
QString withoutUnsafeCharacters(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (pairedSurrogate(text, i))
            ++i;
        else if (text[i] == '/' || text[i].category() == QChar::Other_Control ||
                 text[i].isSurrogate())
            text[i] = '_';
    }
    return text;
}

// Leading full stops would hide the copy, or make "." and "..".
QString safeNamePart(const QString& documentName) {
    QString name = withoutUnsafeCharacters(documentName);
    for (qsizetype i = 0; i < name.size() && name[i] == '.'; ++i)
        name[i] = '_';
    return name.isEmpty() ? QString("Document") : name;
}

QString extensionOf(const QString& sourcePath) {
    const QString last = sourcePath.mid(sourcePath.lastIndexOf('/') + 1);
    const qsizetype dot = last.lastIndexOf('.');
    return dot < 0 ? QString() : withoutUnsafeCharacters(last.mid(dot));
}

qsizetype utf8Size(QStringView text) {
    return text.toUtf8().size();
}

// The longest start of the text that fits the bytes, ending between two characters as the
// reader sees them, or failing that between two code points.
QString cutToBytes(const QString& text, qsizetype bytes) {
    qsizetype end = 0;
    for (qsizetype used = 0; end < text.size();) {
        const qsizetype step = pairedSurrogate(text, end) ? 2 : 1;
        used += utf8Size(QStringView(text).mid(end, step));
        if (used > bytes)
            break;
        end += step;
    }
    if (end == text.size())
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(end);
    if (!graphemes.isAtBoundary()) {
        const qsizetype previous = graphemes.toPreviousBoundary();
        if (previous > 0)
            end = previous;
    }
    return text.left(end);
}

} // namespace

QString storedFileName(const QString& storeFolder, const QString& documentName,
                       const QDateTime& moment, const QString& sourcePath, int counter) {
    const qsizetype room = std::min(fileNameLimit, pathLimit - utf8Size(storeFolder));
    const qsizetype fixedBytes = stampBytes + counterBytes;
    if (room < fixedBytes + smallestNameBytes) {
        throw platform::UserError(
            QString("The path of the store folder \"%1\" is too long to hold documents.")
                .arg(storeFolder));
    }
    const QString extension =
        cutToBytes(extensionOf(sourcePath), room - fixedBytes - smallestNameBytes);
    const QString name =
        cutToBytes(safeNamePart(documentName), room - fixedBytes - utf8Size(extension));
    const QString counterText = counter > 1 ? QString(" (%1)").arg(counter) : QString();
    return storeFolder + name + QLocale::c().toString(moment, stampFormat) + counterText +
           extension;
}

} // namespace quillox::store
