#include "temp_home.h"

#include <QDir>

namespace quillox::testing {
namespace {

const char* const variables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};

} // namespace

TempHome::TempHome() {
    for (const char* name : variables) {
        if (qEnvironmentVariableIsSet(name))
            saved_[name] = qgetenv(name);
    }
    qputenv("HOME", path().toUtf8());
    qputenv("XDG_DATA_HOME", (path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (path() + "/config").toUtf8());
    QDir(path()).mkpath("runtime");
    QFile::setPermissions(path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (path() + "/runtime").toUtf8());
}

TempHome::~TempHome() {
    for (const char* name : variables) {
        const auto found = saved_.find(name);
        if (found != saved_.end())
            qputenv(name, found->second);
        else
            qunsetenv(name);
    }
}

} // namespace quillox::testing
