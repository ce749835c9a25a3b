#include "app/tf_main.h"

#include "platform/bmp_file.h"
#include "platform/file_name_text.h"
#include "platform/handler_guard.h"
#include "platform/user_error.h"
#include "scan/twain/condition_text.h"
#include "scan/twain/twain_component.h"
#include "scan/twain/twain_identity.h"
#include "store/misc_ops.h"
#include "widgets/artwork.h"
#include "widgets/message_box.h"
#include "widgets/picture_button.h"
#include "widgets/source_chooser.h"
#include "widgets/window_design.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QVersionNumber>
#include <future>
#include <utility>

namespace quillox::app {
namespace {

// The three pictures are shown from copies drawn at their size, decoded side by side while the
// other windows are made, since the main window is the one the user waits for; the large
// pictures are read only if asked for.
widgets::PictureButton* picture(QWidget* parent, QRect geometry, QImage (*read)(),
                                QImage (*readShown)()) {
    auto* result = new widgets::PictureButton(parent);
    result->setGeometry(geometry);
    result->SetPicture(read);
    std::shared_future<QImage> decoded = std::async(std::launch::async, readShown).share();
    result->SetShownPicture([decoded] { return decoded.get(); });
    return result;
}

// How the program introduces itself to the scanner's manager and driver.
twain::TTwainIdentity quilloxIdentity() {
    twain::TTwainIdentity identity = twain::TTwainIdentity::application();
    const QVersionNumber version = QVersionNumber::fromString(QUILLOX_VERSION);
    identity.SetMajorVersion(version.majorVersion());
    identity.SetMinorVersion(version.minorVersion());
    identity.SetVersionInfo("Quillox " QUILLOX_VERSION);
    identity.SetManufacturer("Quillox");
    identity.SetProductFamily("Document filing");
    identity.SetProductName("Quillox");
    return identity;
}

const QString noScannerText =
    "No scanner was found. Check that it is on and connected, and that \"scanimage -L\" lists "
    "it; the section \"Scanning\" of Quillox's README says how a scanner is added.";

// ": " and the condition's sentence, and the full stop; only the full stop for no condition.
QString becauseOf(int condition) {
    return condition == 0 ? QString(".") : ": " + twain::conditionText(condition) + ".";
}

// The first dropped item's local path; empty when it is not a local file. A name that is not
// text is refused.
QString firstLocalPath(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return {};
    return platform::localPathAsText(urls.front());
}

} // namespace

TfMain::TfMain() {
    widgets::applyWindowDesign(*this, "Quillox - Start filing now!", {483, 210},
                               widgets::Border::Fixed);
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    setFont(widgets::designFont("Tahoma", 11));
    setCursor(Qt::DragCopyCursor);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    iDropBotButton =
        picture(this, {4, 5, 154, 200}, artwork::mainDropPicture, artwork::mainDropPictureShown);
    iDropBotButton->setObjectName("iDropBotButton");
    iScanBotButton =
        picture(this, {164, 5, 154, 200}, artwork::mainScanPicture, artwork::mainScanPictureShown);
    iScanBotButton->setObjectName("iScanBotButton");
    iScanBotButton->setCursor(Qt::PointingHandCursor);
    connect(iScanBotButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iScanBotButtonClick(); }));
    iBrowseBotButton = picture(this, {325, 5, 154, 200}, artwork::mainBrowsePicture,
                               artwork::mainBrowsePictureShown);
    iBrowseBotButton->setObjectName("iBrowseBotButton");
    iBrowseBotButton->setCursor(Qt::PointingHandCursor);
    connect(iBrowseBotButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iBrowseBotButtonClick(); }));
}

TfMain::~TfMain() = default;

void TfMain::FormCreate() {
    setAcceptDrops(true);
    iDropBotButton->setToolTip("Drag your documents\n\rhere to start filing!");
    iScanBotButton->setToolTip("Click here to start\n\rscanning a document!");
    iBrowseBotButton->setToolTip("Click here to browse\n\ryour documents!");
}

void TfMain::FormDestroy() {
    setAcceptDrops(false);
}

void TfMain::iBrowseBotButtonClick() {
    emit browseRequested();
}

void TfMain::HelpButtonClick() {
    emit aboutRequested();
}

twain::TTwainComponent& TfMain::CreateTwain() {
    if (!twain_) {
        twain_ = std::make_unique<twain::TTwainComponent>(this);
        twain_->SetAppIdentity(quilloxIdentity());
        twain_->OnTwainAcquire = [this](twain::TTwainComponent&, int,
                                        const platform::DeviceIndependentBitmap& image,
                                        bool& cancel) { TwainTwainAcquire(image, cancel); };
        twain_->OnAcquireProgress = [this](twain::TTwainSource&, int,
                                           const platform::DeviceIndependentBitmap&, int current,
                                           int total) { emit scanProgress(current, total); };
        // A scan that stops without a page takes the waiting preview away.
        twain_->OnAcquireCancel = [this](twain::TTwainComponent&, int) { emit scanStopped(); };
        // A page that fails does not end a feeder's burst: the next page is taken as usual, and
        // the failure is told once the source has been disabled at the burst's end, from the
        // event loop, outside the component's own calls.
        twain_->OnAcquireError = [this](twain::TTwainComponent&, int, int, int condition) {
            failedCondition_ = condition;
        };
        twain_->OnSourceDisable = [this](twain::TTwainComponent&, int) {
            if (failedCondition_)
                QTimer::singleShot(0, this, platform::guarded([this] { reportFailedPage(); }));
        };
        twain_->SetSourceChooser([this](const QStringList& names, int preselected) {
            return widgets::chooseScanner(this, names, preselected);
        });
    }
    return *twain_;
}

void TfMain::iScanBotButtonClick() {
    twain::TTwainComponent& twain = CreateTwain();
    if (!twain.LoadLibrary()) {
        widgets::showMessageBox(QMessageBox::NoIcon, "Twain is not installed.", this);
        return;
    }
    twain.SetSourceManagerLoaded(true);
    const int index = twain.SelectSource();
    if (index == -1) {
        if (twain.NoSourceFound())
            widgets::showMessageBox(QMessageBox::Information, noScannerText, this);
        return;
    }
    twain::TTwainSource* source = twain.SourceAt(index);
    if (!source)
        return;
    source->SetLoaded(true);
    if (!source->Loaded())
        throw platform::UserError("The scanner could not be opened" +
                                  becauseOf(twain.ManagerCondition()));
    // The preview shows first, so that the scanner's own window, which enabling opens, stands
    // in front of it.
    pageTaken_ = false;
    emit scanStarted();
    source->SetEnabled(true);
    if (!source->Enabled()) {
        emit scanStopped();
        throw platform::UserError("The scanner could not be started" +
                                  becauseOf(source->GetReturnStatus()));
    }
}

void TfMain::reportFailedPage() {
    const int condition = *std::exchange(failedCondition_, std::nullopt);
    const QString why = twain::conditionText(condition);
    if (pageTaken_)
        throw platform::UserError("A page of the scan failed: " + why +
                                  ". The next page was taken.");
    emit scanStopped();
    throw platform::UserError("The scan stopped: " + why + ".");
}

void TfMain::TwainTwainAcquire(const platform::DeviceIndependentBitmap& image, bool& cancel) {
    const QString scanFile = store::getStoreFolder() + "quillox-latest-scan.bmp";
    platform::writeBmpFile(image, scanFile);
    pageTaken_ = true;
    emit pageScanned(image.toImage(), scanFile);
    cancel = true;
}

void TfMain::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

// The whole window takes dropped files; only a drop inside the drop picture files one.
void TfMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfMain::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Strictly inside the picture's rectangle: a drop on its left or top edge does not count.
void TfMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QPoint point = event->position().toPoint();
    const QRect box = iDropBotButton->geometry();
    const bool inside = box.left() < point.x() && point.x() < box.left() + box.width() &&
                        box.top() < point.y() && point.y() < box.top() + box.height();
    if (inside)
        platform::runHandler([&] {
            const QString path = firstLocalPath(*event->mimeData());
            if (!path.isEmpty())
                emit fileDropped(path);
        });
}

// Many window managers draw no help button, so F1 shows the About box too.
void TfMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        platform::runHandler([this] { HelpButtonClick(); });
    else
        QWidget::keyPressEvent(event);
}

} // namespace quillox::app
