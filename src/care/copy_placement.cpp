#include "care/copy_placement.h"

#include "care/backup_check.h"
#include "care/made_folders.h"
#include "db/text_rules.h"
#include "platform/file_copy.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "platform/user_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

constexpr int restoredNamesAtMost = 9999;
constexpr std::size_t fileNameBytesAtMost = 255;

// The name's attempt-th choice: the name itself, then with " (restored)" and " (restored N)"
// before the extension of its last part, the rest cut so that the part stays a file name.
QByteArray candidateName(const QByteArray& name, int attempt) {
    if (attempt == 0)
        return name;
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folder = name.left(slash + 1);
    const QByteArray last = name.mid(slash + 1);
    const qsizetype dot = last.lastIndexOf('.');
    const QByteArray extension = dot > 0 ? last.mid(dot) : QByteArray();
    const QByteArray stem = dot > 0 ? last.left(dot) : last;
    const QByteArray mark =
        attempt == 1 ? " (restored)" : " (restored " + QByteArray::number(attempt) + ")";
    const std::size_t room =
        fileNameBytesAtMost - static_cast<std::size_t>(std::min<qsizetype>(
                                  mark.size() + extension.size(), fileNameBytesAtMost));
    return folder + QByteArray::fromStdString(db::cutToWidth(stem.toStdString(), room)) + mark +
           extension;
}

std::int64_t modifiedNs(const struct stat& status) {
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
}

// Whether the file of the name in the open folder holds the bytes the manifest gives, as they
// are now: its size and time then, for its fingerprint.
std::optional<platform::FileDigest> sameBytes(int folder, const QByteArray& name,
                                              const QString& shown, const ManifestFile& expected) {
    const platform::Descriptor file(
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size != expected.size)
        return std::nullopt;
    platform::FileDigest digest;
    try {
        digest = platform::digestOpenFile(file.get(), shown);
    } catch (const platform::UserError&) {
        // A file that cannot be read is not the copy; the copy takes another name.
        return std::nullopt;
    }
    if (digest.sha256 != platform::sha256Text(expected.sha256))
        return std::nullopt;
    return digest;
}

bool taken(int folder, const QByteArray& name) {
    struct stat status {};
    return ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash);
}

QByteArray lastPart(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

CopyPlacement::~CopyPlacement() {
    if (kept_ || !folders_)
        return;
    // Reached as they were made, through no link. Taking back is all that is left to do here;
    // what cannot be reached now stays, and the error that ended the restore is the one told.
    const auto removeBelow = [this](const QByteArray& path, int flags) {
        try {
            const platform::Descriptor folder = folders_->open(folderOf(path));
            if (folder.valid())
                ::unlinkat(folder.get(), lastPart(path).constData(), flags);
        } catch (const platform::UserError&) {
        }
    };
    for (const QByteArray& copy : placed_)
        removeBelow(copy, 0);
    for (auto made = made_.crbegin(); made != made_.crend(); ++made)
        removeBelow(*made, AT_REMOVEDIR);
}

PlacedCopies CopyPlacement::place(const CheckedBackup& backup, const QString& storeFolder,
                                  MadeFolders& folders) {
    folders.make(storeFolder, "store folder");
    folders_.emplace(storeFolder);
    const QByteArray prefix = QByteArray(backupDocumentsFolder) + "/";
    PlacedCopies result;
    QSet<QByteArray> placedNames;
    for (std::size_t index = 0; index < backup.manifest.files.size(); ++index) {
        const ManifestFile file = backup.manifest.files[index];
        if (!file.path.startsWith(prefix))
            continue;
        const QByteArray name = file.path.mid(prefix.size());
        const platform::Descriptor folder = folders_->open(folderOf(name), &made_);
        const platform::Descriptor source = openCheckedFile(backup, index);
        const QString sourcePath = backup.path + "/" + QFile::decodeName(file.path);
        for (int attempt = 0;; ++attempt) {
            if (attempt > restoredNamesAtMost)
                throw platform::UserError(QString("No free name is left in \"%1\" for \"%2\".")
                                              .arg(storeFolder, sourcePath));
            const QByteArray candidate = candidateName(name, attempt);
            const QByteArray last = lastPart(candidate);
            const QString target = folders_->shown(candidate);
            if (placedNames.contains(candidate))
                continue;
            std::optional<platform::FileDigest> there;
            if (taken(folder.get(), last)) {
                there = sameBytes(folder.get(), last, target, file);
                if (!there)
                    continue;
                ++result.reused;
            } else {
                // The file of an earlier attempt, whose name was taken meanwhile, was read.
                if (::lseek(source.get(), 0, SEEK_SET) != 0)
                    throw platform::UserError(QString("The file \"%1\" could not be read: %2.")
                                                  .arg(sourcePath, std::strerror(errno)));
                if (platform::copyOpenFileIntoFolder(source.get(), sourcePath, folder.get(), last,
                                                     target,
                                                     {}) == platform::CopyOutcome::TargetExists)
                    continue;
                placed_ << candidate;
                ++result.copied;
                struct stat status {};
                if (::fstatat(folder.get(), last.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
                    throw platform::UserError(
                        QString("The restored copy \"%1\" is gone.").arg(target));
                there = platform::FileDigest{status.st_size, modifiedNs(status),
                                             platform::sha256Text(file.sha256)};
            }
            placedNames.insert(candidate);
            if (attempt > 0)
                result.renamed << QFile::decodeName(name) + " as " + QFile::decodeName(candidate);
            result.copies.push_back(
                {name, candidate, there->size, there->modifiedNs, std::move(there->sha256)});
            break;
        }
    }
    return result;
}

} // namespace quillox::care
