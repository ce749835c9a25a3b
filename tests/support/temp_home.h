#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>

namespace quillox::testing {

// A fresh home folder for one test: HOME and the XDG folders point into a temporary folder,
// and are set back when the object goes.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return dir_.path(); }
    // Where the application keeps its database and its stored documents.
    QString databaseFolder() const { return path() + "/data/Quillox/"; }
    QString storeFolder() const { return path() + "/Documents/Quillox/"; }

private:
    QTemporaryDir dir_;
    std::map<QByteArray, QByteArray> saved_;
};

} // namespace quillox::testing
