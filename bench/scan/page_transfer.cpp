#include "page_transfer.h"

#include "a4_page.h"
#include "platform/handler_guard.h"

#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

using namespace quillox::twain;
using quillox::platform::DeviceIndependentBitmap;

namespace {

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error("the page transfer failed: " + why.toStdString());
}

} // namespace

PageTransfer::PageTransfer() {
    quillox::platform::setErrorSink([this](const QString& message) { error_ = message; });
    manager_.addSource("A4 Flatbed");
    manager_.set("width", a4Page::width);
    manager_.set("height", a4Page::height);
    manager_.set("pixeltype", TWPT_RGB);
    manager_.set("units", tuInches);
    manager_.set("resolution", a4Page::dotsPerInch);
    manager_.set("preferred", a4Page::stripBytes);
    manager_.set("strip", a4Page::stripBytes);
    manager_.set("prebuilt", 1);
    component_.SetLibraryFolders({ScriptedManager::folder()});
    component_.SetSourceChooser([](const QStringList&, int preselected) { return preselected; });
    component_.OnTwainAcquire = [this](TTwainComponent&, int, const DeviceIndependentBitmap& image,
                                       bool&) {
        arrivedNs_ = clock_.nsecsElapsed();
        if (image.width != a4Page::width || image.height != a4Page::height ||
            image.bitsPerPixel != a4Page::bitsPerPixel || image.pixels.size() != a4Page::pixelBytes)
            error_ = QString("a %1 x %2 bitmap arrived").arg(image.width).arg(image.height);
        if (keep_)
            kept_ = image;
    };
    component_.OnAcquireError = [this](TTwainComponent&, int, int code, int condition) {
        error_ = QString("return code %1, condition %2").arg(code).arg(condition);
    };
    if (!component_.LoadLibrary())
        fail("the scripted manager did not load from " + ScriptedManager::folder());
    component_.SetSourceManagerLoaded(true);
    const int index = component_.SelectSource();
    source_ = component_.SourceAt(index);
    if (!source_)
        fail("no source was chosen");
    source_->SetTransferMode(ttmMemory);
    source_->SetShowUI(false);
    source_->SetLoaded(true);
    transfer();
}

PageTransfer::~PageTransfer() {
    quillox::platform::setErrorSink({});
}

void PageTransfer::transfer() {
    arrivedNs_ = -1;
    clock_.start();
    source_->SetEnabled(true);
    // A message handed at once to the window the component gave the manager stands in for the
    // polling timer's next tick, which would add up to 100 ms of waiting to the figure.
    QEvent message(QEvent::User);
    QCoreApplication::sendEvent(static_cast<QObject*>(component_.VirtualWindow()), &message);
    if (!error_.isEmpty())
        fail(error_);
    if (arrivedNs_ < 0 || source_->Enabled())
        fail("the source did not transfer its page");
}

double PageTransfer::transferMs() {
    transfer();
    return static_cast<double>(arrivedNs_) / 1e6;
}

DeviceIndependentBitmap PageTransfer::keptPage() {
    keep_ = true;
    transfer();
    keep_ = false;
    return std::move(kept_);
}
