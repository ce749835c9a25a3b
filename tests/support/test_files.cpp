#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::testing {

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray patternBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 4093) & 0xff);
    return bytes;
}

void overwriteKeepingTime(const QString& path, qint64 offset, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0) << path.toStdString();
    const int file = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(file, 0) << path.toStdString();
    const ssize_t written = ::pwrite(file, bytes.constData(), bytes.size(), offset);
    ::close(file);
    ASSERT_EQ(written, bytes.size()) << path.toStdString();
    const struct timespec times[] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0) << path.toStdString();
}

} // namespace quillox::testing
