#include "app_run.h"

#include "app/error_box.h"
#include "app/quillox_application.h"
#include "app/tf_main.h"

namespace {

quillox::app::QuilloxApplication& application() {
    return *static_cast<quillox::app::QuilloxApplication*>(qApp);
}

} // namespace

ReportedErrors::ReportedErrors() {
    application().SetErrorReporter([this](const QString& m) { messages << m; });
}

ReportedErrors::~ReportedErrors() {
    application().SetErrorReporter(quillox::app::showErrorBox);
}

AppRun::AppRun(ReportedErrors&) {
    quillox::app::CreateInstances();
    fMain->show();
}

AppRun::~AppRun() {
    quillox::app::DestroyInstances();
}
