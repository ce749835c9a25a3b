#include "bench_home.h"

#include <QDir>

void useHome(const QString& home) {
    QDir().mkpath(home + "/data");
    QDir().mkpath(home + "/config");
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());
}
