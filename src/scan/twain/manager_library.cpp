#include "scan/twain/manager_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace quillox::twain {

QStringList trustedManagerFolders() {
    QStringList folders{"/usr/local/lib", "/usr/lib", "/usr/lib/x86_64-linux-gnu"};
    const QString own = QCoreApplication::applicationDirPath();
    if (!own.isEmpty()) {
        folders << own;
        folders << QDir::cleanPath(own + "/../lib/quillox");
    }
    return folders;
}

ManagerLibrary::~ManagerLibrary() {
    Unload();
}

bool ManagerLibrary::Load(const QStringList& folders) {
    if (handle_)
        return true;
    for (const QString& folder : folders) {
        // Only an absolute folder: a relative one would be the current folder in disguise.
        if (!QDir::isAbsolutePath(folder))
            continue;
        const QString path = QDir(folder).filePath(managerLibraryName);
        if (!QFileInfo(path).isFile())
            continue;
        handle_ = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_)
            return false;
        entry_ = reinterpret_cast<DSMENTRYPROC>(::dlsym(handle_, "DSM_Entry"));
        if (!entry_) {
            ::dlclose(handle_);
            handle_ = nullptr;
            return false;
        }
        path_ = path;
        return true;
    }
    return false;
}

bool ManagerLibrary::Unload() {
    if (!handle_)
        return true;
    const bool released = ::dlclose(handle_) == 0;
    if (released) {
        handle_ = nullptr;
        entry_ = nullptr;
        path_.clear();
    }
    return released;
}

} // namespace quillox::twain
