#include "care/backup_manifest.h"

#include "care/manifest_escape.h"
#include "platform/open_below.h"
#include "platform/sha256_bytes.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"

#include <QBuffer>
#include <QList>
#include <algorithm>
#include <numeric>
#include <vector>

namespace quillox::care {
namespace {

const QByteArray header = "Quillox backup manifest, version 1";
const QByteArray headerStart = "Quillox backup manifest, version ";
constexpr qsizetype sizeDigitsAtMost = 18;
// A file record: a path of up to PATH_MAX bytes, each escaped to three at most, its size and
// digest, the tabs and the line end.
constexpr qsizetype lineBytesAtMost = 3 * 4096 + 128;
// The header, then the store, database and taken records.
constexpr qsizetype firstFileLine = 5;

QByteArray record(const QList<QByteArray>& fields) {
    QByteArray line = fields.join('\t');
    line += '\n';
    return line;
}

bool wellFormedCount(const QByteArray& text) {
    return !text.isEmpty() && text.size() <= sizeDigitsAtMost &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A path in the backup folder: the database copy, or a stored copy below documents/ whose
// parts a filing could have made.
bool allowedPath(const QByteArray& path) {
    if (path == backupDatabaseName)
        return true;
    const QByteArray prefix = QByteArray(backupDocumentsFolder) + "/";
    if (!path.startsWith(prefix) || !platform::isPathBelow(path.mid(prefix.size())))
        return false;
    const QList<QByteArray> parts = path.mid(prefix.size()).split('/');
    return std::none_of(parts.begin(), parts.end(), platform::isUnfinishedCopyName);
}

class Reader {
public:
    Reader(QIODevice& device, const std::function<void(const ManifestFile&)>& vouchFor)
        : device_(device), vouchFor_(vouchFor) {}

    BackupManifest read() {
        readHeader();
        BackupManifest manifest;
        manifest.storeFolder = absolutePath(single("store"));
        manifest.databaseFile = absolutePath(single("database"));
        manifest.taken = QDateTime::fromString(QString::fromLatin1(single("taken")), Qt::ISODate);
        if (!manifest.taken.isValid())
            fail("the time is not written as ISO 8601 says");
        while (next() && fields_[0] == "file") {
            if (fields_.size() != 4)
                fail("a file record has four fields");
            ManifestFile file{unescaped(fields_[1]), 0, {}};
            if (!allowedPath(file.path))
                fail("the path leaves the backup's folders, or is not one a backup makes");
            if (manifest.files.empty() != (file.path == backupDatabaseName))
                fail(QByteArray("the first file, and only that one, is ") + backupDatabaseName);
            if (!wellFormedCount(fields_[2]))
                fail("the size is not a number");
            file.size = fields_[2].toLongLong();
            const std::optional<platform::Sha256Bytes> sha256 =
                platform::sha256FromText(fields_[3].toStdString());
            if (!sha256)
                fail("the SHA-256 is not 64 lowercase hexadecimal digits");
            file.sha256 = *sha256;
            if (vouchFor_)
                vouchFor_(file);
            manifest.files.add(file);
        }
        if (manifest.files.empty())
            fail(QByteArray("the database copy ") + backupDatabaseName + " is not named");
        refuseNamedTwice(manifest.files);
        if (fields_.isEmpty() || fields_[0] != "end" || fields_.size() != 2)
            fail("an end record was expected");
        if (!wellFormedCount(fields_[1]) ||
            fields_[1].toULongLong() != static_cast<qulonglong>(manifest.files.size()))
            fail("the end record's count is not the number of files");
        if (next())
            fail("nothing may follow the end record");
        if (!endsWithLineEnd_)
            fail("the last line has no line end");
        return manifest;
    }

private:
    [[noreturn]] void fail(const QByteArray& what) const {
        throw platform::UserError(QString("The backup's manifest is not well formed: line %1: %2.")
                                      .arg(std::max<qsizetype>(1, line_))
                                      .arg(QString::fromUtf8(what)));
    }

    // Reads the next line into fields_; false after the last line. A line is read only up to
    // the longest that a backup writes, so that no input holds more than that in memory.
    bool next() {
        ++line_;
        fields_.clear();
        QByteArray line = device_.readLine(lineBytesAtMost + 1);
        if (line.isEmpty()) {
            if (!device_.atEnd())
                fail("it cannot be read: " + device_.errorString().toUtf8());
            return false;
        }
        if (line.endsWith('\n'))
            line.chop(1);
        else if (line.size() > lineBytesAtMost)
            fail("the line is longer than any that a backup writes");
        else
            endsWithLineEnd_ = false;
        // A copy through a tool of another system may end each line with "\r\n"; the digests
        // of the files still vouch for what they hold.
        if (line.endsWith('\r'))
            line.chop(1);
        fields_ = line.split('\t');
        return true;
    }

    // Sorted by their paths, files named twice lie side by side; the line named is the later's.
    // The indices fit 32 bits: a manifest small enough to be read has far fewer records.
    void refuseNamedTwice(const ManifestFiles& files) {
        std::vector<std::uint32_t> order(files.size());
        std::iota(order.begin(), order.end(), std::uint32_t(0));
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return files.path(a) < files.path(b) || (files.path(a) == files.path(b) && a < b);
        });
        for (std::size_t i = 1; i < order.size(); ++i) {
            if (files.path(order[i]) == files.path(order[i - 1])) {
                line_ = firstFileLine + static_cast<qsizetype>(order[i]);
                fail("the file is named twice");
            }
        }
    }

    void readHeader() {
        if (!next() || !fields_[0].startsWith(headerStart))
            fail("it does not start as a Quillox backup manifest does");
        if (fields_.size() != 1 || fields_[0] != header)
            fail("it is of version " + fields_[0].mid(headerStart.size()).left(20) +
                 ", which this quillox-db cannot read");
    }

    QByteArray single(const QByteArray& name) {
        if (!next() || fields_[0] != name)
            fail("a " + name + " record was expected");
        if (fields_.size() != 2)
            fail("a " + name + " record has two fields");
        return fields_[1];
    }

    QByteArray unescaped(const QByteArray& text) const {
        const std::optional<QByteArray> bytes = unescapeManifestText(text);
        if (!bytes)
            fail("a path is not escaped as a manifest escapes it");
        return *bytes;
    }

    QByteArray absolutePath(const QByteArray& text) const {
        QByteArray path = unescaped(text);
        if (!path.startsWith('/') || path.contains('\0'))
            fail("the path is not absolute");
        return path;
    }

    QIODevice& device_;
    const std::function<void(const ManifestFile&)>& vouchFor_;
    bool endsWithLineEnd_ = true;
    qsizetype line_ = 0;
    QList<QByteArray> fields_;
};

} // namespace

QByteArray manifestText(const BackupManifest& manifest) {
    QByteArray text = header + "\n";
    text += record({"store", escapeManifestText(manifest.storeFolder)});
    text += record({"database", escapeManifestText(manifest.databaseFile)});
    text += record({"taken", manifest.taken.toUTC().toString(Qt::ISODate).toLatin1()});
    for (const ManifestFile& file : manifest.files) {
        text += record({"file", escapeManifestText(file.path), QByteArray::number(file.size),
                        QByteArray::fromStdString(platform::sha256Text(file.sha256))});
    }
    text += record({"end", QByteArray::number(static_cast<qulonglong>(manifest.files.size()))});
    return text;
}

BackupManifest parseManifest(QIODevice& device,
                             const std::function<void(const ManifestFile&)>& vouchFor) {
    return Reader(device, vouchFor).read();
}

BackupManifest parseManifest(const QByteArray& text) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return parseManifest(buffer, {});
}

} // namespace quillox::care
