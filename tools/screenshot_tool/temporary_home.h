#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillox::screenshots {

// A fresh, empty home for the run: HOME and the XDG folders point into a temporary folder,
// so that the store the windows show holds the sample data alone and the user's own store is
// never touched. The folder is removed with the object.
class TemporaryHome {
public:
    TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace quillox::screenshots
