#include "scanner_run.h"

#include "platform/handler_guard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace quillox::twain;

ScannerRun::ScannerRun() {
    quillox::platform::setErrorSink([this](const QString& message) { error = message; });
    fake.AddSource("Flatbed One");
    fake.AddSource("Feeder Two");
    component.SetLibraryFolders({FakeManager::folder()});
    component.SetSourceChooser([](const QStringList&, int preselected) { return preselected; });
    component.OnTwainAcquire = [this](TTwainComponent&, int index,
                                      const quillox::platform::DeviceIndependentBitmap& image,
                                      bool& cancel) {
        images << image.toImage();
        events << QString("acquire %1").arg(index);
        cancel = cancelOnFirst;
    };
    component.OnAcquireCancel = [this](TTwainComponent&, int index) {
        events << QString("cancel %1").arg(index);
    };
    component.OnSourceDisable = [this](TTwainComponent&, int index) {
        events << QString("disable %1").arg(index);
    };
    component.OnAcquireError = [this](TTwainComponent&, int index, int code, int condition) {
        events << QString("error %1 %2 %3").arg(index).arg(code).arg(condition);
    };
}

ScannerRun::~ScannerRun() {
    quillox::platform::setErrorSink({});
}

void ScannerRun::Acquire(int choice) {
    ASSERT_TRUE(component.LoadLibrary());
    component.SetSourceManagerLoaded(true);
    ASSERT_TRUE(component.SourceManagerLoaded());
    component.SetSourceChooser([choice](const QStringList&, int) { return choice; });
    const int index = component.SelectSource();
    ASSERT_EQ(index, choice);
    TTwainSource* source = component.SourceAt(index);
    ASSERT_TRUE(source);
    source->SetLoaded(true);
    source->SetEnabled(true);
    RunEventsUntilDisabled();
}

void ScannerRun::RunEventsUntilDisabled() {
    QElapsedTimer waited;
    waited.start();
    while (component.PollingActive() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}
