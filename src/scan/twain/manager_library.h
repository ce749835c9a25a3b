#pragma once

#include "scan/twain/twain_protocol.h"

#include <QString>
#include <QStringList>

namespace quillox::twain {

// The file name of the TWAIN manager library on Linux.
inline constexpr char managerLibraryName[] = "libtwaindsm.so.2";

// The folders searched for the manager, in order: the system's library folders, then the
// program's own folder and, when installed, its library folder. Never the current folder nor
// the temporary folder, where anyone could plant a library that would run as the user.
QStringList trustedManagerFolders();

// The manager library, loaded from the first folder that holds it.
class ManagerLibrary {
public:
    ManagerLibrary() = default;
    ~ManagerLibrary();
    ManagerLibrary(const ManagerLibrary&) = delete;
    ManagerLibrary& operator=(const ManagerLibrary&) = delete;

    // False, with nothing loaded, when no folder holds the library or it has no entry point.
    bool Load(const QStringList& folders);
    // False when the system refused to release it.
    bool Unload();

    void* Handle() const { return handle_; }
    DSMENTRYPROC Entry() const { return entry_; }
    QString Path() const { return path_; }

private:
    void* handle_ = nullptr;
    DSMENTRYPROC entry_ = nullptr;
    QString path_;
};

} // namespace quillox::twain
