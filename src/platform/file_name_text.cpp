#include "platform/file_name_text.h"

#include "platform/user_error.h"

#include <QFile>
#include <QUrl>
#include <QUtf8StringView>

namespace quillox::platform {
namespace {

void requireText(const QByteArray& path) {
    if (!QUtf8StringView(path).isValidUtf8())
        throw UserError(QString("The file \"%1\" cannot be filed: its name is not valid text; "
                                "rename it and file it again.")
                            .arg(QFile::decodeName(path)));
}

} // namespace

QString pathAsText(const QByteArray& path) {
    requireText(path);
    return QFile::decodeName(path);
}

QString localPathAsText(const QUrl& url) {
    requireText(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return url.toLocalFile();
}

} // namespace quillox::platform
