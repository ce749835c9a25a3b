#include "windows_session.h"

#include "app/instances.h"
#include "app/tf_main.h"

#include <QCoreApplication>
#include <cstdio>
#include <stdexcept>

namespace {

void printReported(const QString& message) {
    std::fprintf(stderr, "reported: %s\n", qPrintable(message));
}

} // namespace

WindowsSession::WindowsSession(quillox::app::QuilloxApplication& application)
    : application_(application) {
    application.SetErrorReporter([this](const QString& message) {
        printReported(message);
        errors_.append(message);
    });
    quillox::app::CreateInstances();
    fMain->show();
    QCoreApplication::processEvents();
}

WindowsSession::~WindowsSession() {
    // The application may outlive the session; its reporter must not reach the session then.
    application_.SetErrorReporter(printReported);
    quillox::app::DestroyInstances();
}

void WindowsSession::throwIfReported() const {
    if (!errors_.isEmpty())
        throw std::runtime_error("the windows reported: " + errors_.join("; ").toStdString());
}
