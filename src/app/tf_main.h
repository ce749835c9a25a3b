#pragma once

#include <QWidget>
#include <memory>
#include <optional>

namespace quillox::platform {
struct DeviceIndependentBitmap;
}
namespace quillox::twain {
class TTwainComponent;
}
namespace quillox::widgets {
class PictureButton;
}

namespace quillox::app {

// The main window: the one shown at start and the one whose closing ends the run. Three
// pictures: a drop target for files, the scan picture and the browse picture.
class TfMain : public QWidget {
    Q_OBJECT

public:
    TfMain();
    ~TfMain() override;

    // Creation handler: the window takes files dropped on it, and the pictures get their hints.
    void FormCreate();
    // Destruction handler: it takes none any more.
    void FormDestroy();

    void iBrowseBotButtonClick();
    // The title bar's help button, or F1.
    void HelpButtonClick();

    // Starts a scan: the scanner is chosen, its own window opens, and scanStarted follows.
    void iScanBotButtonClick();
    // The scanner component, made on first use and bound to this window's page handler.
    twain::TTwainComponent& CreateTwain();
    // Empty until the scan picture is first clicked.
    twain::TTwainComponent* Twain() const { return twain_.get(); }
    // A page from the scanner: saved as the scan file and announced with pageScanned; the rest
    // of the burst is dropped.
    void TwainTwainAcquire(const platform::DeviceIndependentBitmap& image, bool& cancel);

signals:
    // A file dropped inside the drop picture, to be filed.
    void fileDropped(const QString& path);
    void browseRequested();
    void aboutRequested();
    // The chosen scanner's own window is open; its page comes later, if at all.
    void scanStarted();
    // Rows received of a memory transfer.
    void scanProgress(int current, int total);
    // The scan ended without a page: cancelled, failed, or the scanner could not start.
    void scanStopped();
    // A scanned page, already saved as the scan file, to be shown and filed.
    void pageScanned(const QImage& page, const QString& scanFile);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Tells the failed page of the burst that has ended, and whether a page was taken after it.
    void reportFailedPage();

    widgets::PictureButton* iDropBotButton;
    widgets::PictureButton* iScanBotButton;
    widgets::PictureButton* iBrowseBotButton;
    std::unique_ptr<twain::TTwainComponent> twain_;
    // The condition of a page that failed in the burst under way, and whether one was taken.
    std::optional<int> failedCondition_;
    bool pageTaken_ = false;
};

} // namespace quillox::app
