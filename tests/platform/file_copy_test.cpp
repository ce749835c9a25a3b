#include "child_process.h"
#include "platform/file_copy.h"
#include "platform/user_error.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

using quillox::platform::copyFileSafely;
using quillox::platform::CopyOutcome;
using quillox::platform::ExistingTarget;
using quillox::platform::UserError;
using quillox::testing::contentsOf;
using quillox::testing::entriesOf;
using quillox::testing::patternBytes;
using quillox::testing::reportFromChild;
using quillox::testing::writeFile;

constexpr qsizetype chunk = 8 * 1024 * 1024;

class FileCopy : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + "/" + name; }

    QTemporaryDir dir;
};

// Asked for the SHA-256, the copy goes through buffers that take turns: a buffer reused before
// its hashing ended would give another digest.
TEST_F(FileCopy, CopiesEveryByteAndLeavesNoTemporaryFile) {
    for (const bool hashed : {false, true}) {
        for (const qsizetype size : {qsizetype(0), qsizetype(1), chunk, 3 * chunk + 5}) {
            SCOPED_TRACE(std::to_string(size) + (hashed ? " bytes, hashed" : " bytes"));
            const QByteArray bytes = patternBytes(size);
            writeFile(path("source.pdf"), bytes);
            QFile::remove(path("copy.pdf"));

            std::string sha256;
            EXPECT_EQ(copyFileSafely(path("source.pdf"), path("copy.pdf"), {}, ExistingTarget::Keep,
                                     hashed ? &sha256 : nullptr),
                      CopyOutcome::Copied);
            EXPECT_EQ(contentsOf(path("copy.pdf")), bytes);
            EXPECT_EQ(contentsOf(path("source.pdf")), bytes);
            EXPECT_EQ(entriesOf(dir.path()), QStringList({"copy.pdf", "source.pdf"}));
            if (hashed) {
                EXPECT_EQ(QByteArray::fromStdString(sha256),
                          QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
            }
        }
    }
}

TEST_F(FileCopy, ReportsProgressAfterEachChunk) {
    const QByteArray bytes = patternBytes(2 * chunk + 5);
    writeFile(path("source.pdf"), bytes);
    std::vector<std::pair<qint64, qint64>> reports;
    const auto progress = [&](qint64 copied, qint64 total) {
        reports.emplace_back(copied, total);
        return true;
    };

    ASSERT_EQ(copyFileSafely(path("source.pdf"), path("copy.pdf"), progress), CopyOutcome::Copied);
    ASSERT_GE(reports.size(), 3u) << "a large file reports more than once";
    qint64 before = 0;
    for (const auto& [copied, total] : reports) {
        EXPECT_GT(copied, before);
        EXPECT_LE(copied - before, chunk);
        EXPECT_EQ(total, bytes.size());
        before = copied;
    }
    EXPECT_EQ(before, bytes.size());
}

TEST_F(FileCopy, ACancelStopsAtOnceAndLeavesNothing) {
    struct Case {
        qsizetype size;
        int cancelAtReport; // a cancel at the last chunk still comes before the rename
    };
    for (const Case& c : {Case{1000, 1}, Case{2 * chunk + 5, 2}}) {
        SCOPED_TRACE(c.size);
        writeFile(path("source.pdf"), patternBytes(c.size));
        int reports = 0;
        const auto progress = [&](qint64, qint64) { return ++reports < c.cancelAtReport; };

        EXPECT_EQ(copyFileSafely(path("source.pdf"), path("copy.pdf"), progress),
                  CopyOutcome::Cancelled);
        EXPECT_EQ(reports, c.cancelAtReport);
        EXPECT_EQ(entriesOf(dir.path()), QStringList({"source.pdf"}));
    }
}

TEST_F(FileCopy, NeverReplacesAnExistingTarget) {
    writeFile(path("source.pdf"), "new bytes");
    writeFile(path("file.pdf"), "theirs");
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.pdf")));

    for (const QString name : {"file.pdf", "dangling.pdf"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(copyFileSafely(path("source.pdf"), path(name), {}), CopyOutcome::TargetExists);
    }
    EXPECT_EQ(contentsOf(path("file.pdf")), "theirs");
    EXPECT_EQ(QFile::symLinkTarget(path("dangling.pdf")), path("nowhere"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList({"dangling.pdf", "file.pdf", "source.pdf"}));
}

TEST_F(FileCopy, ReplacesAnExistingTargetWhenTold) {
    const QByteArray bytes = patternBytes(chunk + 5);
    writeFile(path("source.pdf"), bytes);
    writeFile(path("file.pdf"), "theirs");
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.pdf")));

    for (const QString name : {"file.pdf", "dangling.pdf", "new.pdf"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(copyFileSafely(path("source.pdf"), path(name), {}, ExistingTarget::Replace),
                  CopyOutcome::Copied);
        EXPECT_EQ(contentsOf(path(name)), bytes);
    }
    EXPECT_FALSE(QFileInfo(path("dangling.pdf")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
    EXPECT_EQ(entriesOf(dir.path()),
              QStringList({"dangling.pdf", "file.pdf", "new.pdf", "source.pdf"}));
}

TEST_F(FileCopy, RefusalsAndFailuresNameTheFileAndTheReason) {
    writeFile(path("source.pdf"), "bytes");
    ASSERT_TRUE(QDir().mkdir(path("folder")));
    ASSERT_EQ(mkfifo(path("pipe").toLocal8Bit().constData(), 0600), 0);
    const QString copy = path("copy.pdf");
    const QString source = path("source.pdf");
    struct Case {
        QString source;
        QString target;
        QString message;
    };
    const Case cases[] = {
        {path("missing.pdf"), copy,
         "The file \"" + path("missing.pdf") + "\" could not be read: No such file or directory."},
        {path("folder"), copy, "\"" + path("folder") + "\" is a folder, not a file."},
        {path("pipe"), copy, "\"" + path("pipe") + "\" is not an ordinary file."},
        {source, path("no folder/copy.pdf"),
         "The file \"" + source + "\" could not be copied to \"" + path("no folder/copy.pdf") +
             "\": No such file or directory."},
        {source, path("source.pdf/copy.pdf"),
         "The file \"" + source + "\" could not be copied to \"" + path("source.pdf/copy.pdf") +
             "\": Not a directory."},
    };
    const QStringList before = entriesOf(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        try {
            copyFileSafely(c.source, c.target, {});
            ADD_FAILURE() << "no error";
        } catch (const UserError& error) {
            EXPECT_EQ(error.what(), c.message.toStdString());
        }
        EXPECT_EQ(entriesOf(dir.path()), before);
    }
}

TEST_F(FileCopy, AWriteFailingPartWayRemovesTheTemporaryFile) {
    const QString source = path("source.pdf");
    const QString copy = path("copy.pdf");
    writeFile(source, patternBytes(2 * chunk + 5));

    // The file size limit makes the second chunk fail as a full disk would.
    const std::string report = reportFromChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{chunk, chunk};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return std::string("setrlimit failed");
        copyFileSafely(source, copy, {});
        return std::string("copied");
    });
    EXPECT_EQ(report, "failed: The file \"" + source.toStdString() +
                          "\" could not be copied to \"" + copy.toStdString() +
                          "\": File too large.");
    EXPECT_EQ(entriesOf(dir.path()), QStringList({"source.pdf"}));
}

// Writes a few bytes at the start or, when appending, at the end.
void rewrite(const QString& path, QIODevice::OpenMode mode) {
    QFile file(path);
    ASSERT_TRUE(file.open(mode));
    ASSERT_EQ(file.write("changed"), 7);
}

TEST_F(FileCopy, ASourceThatChangesWhileItIsCopiedIsRefusedAndLeavesNothing) {
    const QString source = path("source.pdf");
    const QString copy = path("copy.pdf");
    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const Change changes[] = {
        {"cut short", [&] { QFile::resize(source, chunk); }},
        {"grown", [&] { rewrite(source, QIODevice::Append); }},
        {"rewritten in place, its size kept", [&] { rewrite(source, QIODevice::ReadWrite); }},
    };
    for (const ExistingTarget existing : {ExistingTarget::Keep, ExistingTarget::Replace}) {
        for (const Change& change : changes) {
            SCOPED_TRACE(change.what);
            writeFile(source, patternBytes(2 * chunk + 5));
            // An old time, so that a change within the clock's tick still shows.
            const timespec old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
            ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(source).constData(), old, 0), 0);
            if (existing == ExistingTarget::Replace)
                writeFile(copy, "older");
            int reports = 0;
            const auto progress = [&](qint64, qint64) {
                if (++reports == 1)
                    change.make();
                return true;
            };
            try {
                copyFileSafely(source, copy, progress, existing);
                ADD_FAILURE() << "copied";
            } catch (const UserError& error) {
                EXPECT_EQ(error.what(), "The file \"" + source.toStdString() +
                                            "\" changed while it was being copied, so no copy "
                                            "was kept. Try again once it no longer changes.");
            }
            if (existing == ExistingTarget::Replace) {
                EXPECT_EQ(contentsOf(copy), "older");
                QFile::remove(copy);
            }
            EXPECT_EQ(entriesOf(dir.path()), QStringList({"source.pdf"}));
        }
    }
}

} // namespace
