#pragma once

#include "platform/descriptor.h"
#include "platform/file_copy.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace quillox::platform {

// The file that a copy writes in the target's folder until it is complete and flushed. Where
// the file system allows, it has no name until then, so that a copy killed on the way leaves
// nothing behind. Elsewhere it has a hidden name of its own, ".quillox-copy-" and up to 16
// hexadecimal digits, which the object removes unless the file got the target's name; a kill
// leaves it for removeLeftoverCopies.
class UnfinishedCopy {
public:
    // Makes the file in the open folder; when it cannot, file() is not valid and error() says
    // why.
    explicit UnfinishedCopy(int folder);
    ~UnfinishedCopy();
    UnfinishedCopy(const UnfinishedCopy&) = delete;
    UnfinishedCopy& operator=(const UnfinishedCopy&) = delete;

    Descriptor& file() { return file_; }
    // The errno value of the failure to make the file, 0 when it is made.
    int error() const { return error_; }
    // Gives the flushed file the target's name, replacing a file of that name only when told
    // to, and then in one step: 0, or the errno value (EEXIST when the name is taken).
    int giveName(const QByteArray& target, ExistingTarget existing);

private:
    // Gives the file a new hidden name through the function, which makes an entry of the name
    // or fails with an errno value; tries another name while the name is taken.
    template <typename MakeEntry> int giveHiddenName(MakeEntry makeEntry);

    int folder_;
    Descriptor file_;
    int error_ = 0;
    QByteArray hiddenName_; // empty while the file has no name, and once it has the target's
};

// Whether a file name is an unfinished copy's hidden name.
bool isUnfinishedCopyName(const QByteArray& name);

// Removes from the folder the files of copies that a kill left, and nothing else: ordinary
// files with an unfinished copy's hidden name. A missing folder holds none. Only for when no
// copy into the folder can be running. Returns the names of the files it removed; links and
// other entries of such a name stay. Throws UserError naming the file or folder and the
// system's reason when one cannot be read or removed.
std::vector<QByteArray> removeLeftoverCopies(const QString& folder);

} // namespace quillox::platform
