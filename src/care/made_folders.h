#pragma once

#include <QString>
#include <QStringList>

namespace quillox::care {

// The folders that a change had to make. Unless the change is kept, going removes them again,
// the deepest first, each only while it is empty.
class MadeFolders {
public:
    MadeFolders() = default;
    ~MadeFolders();
    MadeFolders(const MadeFolders&) = delete;
    MadeFolders& operator=(const MadeFolders&) = delete;

    // Makes the folder and any missing folder above it, each flushed to the disk with its name
    // in the folder above. Throws UserError naming the role ("the
    // store folder"), the folder that could not be made and the system's reason.
    void make(const QString& path, const QString& role);
    // Keeps the folders made.
    void keep() { kept_ = true; }

private:
    QStringList made_;
    bool kept_ = false;
};

} // namespace quillox::care
