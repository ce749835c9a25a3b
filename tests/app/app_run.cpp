#include "app_run.h"

#include "app/error_box.h"
#include "app/quillox_application.h"
#include "app/tf_main.h"

#include <QTest>

namespace {

quillox::app::QuilloxApplication& application() {
    return *static_cast<quillox::app::QuilloxApplication*>(qApp);
}

} // namespace

TestHome::TestHome() {
    application().SetErrorReporter([this](const QString& m) { errors << m; });
}

TestHome::~TestHome() {
    application().SetErrorReporter(quillox::app::showErrorBox);
    if (QTest::currentTestFailed() && !errors.isEmpty())
        qWarning("The program reported:\n%s", qPrintable(errors.join('\n')));
}

AppRun::AppRun(TestHome&) {
    quillox::app::CreateInstances();
    fMain->show();
}

AppRun::~AppRun() {
    quillox::app::DestroyInstances();
}
