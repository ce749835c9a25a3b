#pragma once

#include <QWidget>
#include <memory>

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

    // A file to file, dropped on the drop picture or handed over by the desktop: the new
    // document window takes its path in place of this window.
    void TakeFile(const QString& path);
    void iBrowseBotButtonClick();
    // The title bar's help button, or F1: the About box, beside this window.
    void HelpButtonClick();

    // Starts a scan: the scanner is chosen, its own window opens, and the preview waits.
    void iScanBotButtonClick();
    // Makes the scanner component on first use, bound to this window's page handler.
    twain::TTwainComponent& CreateTwain();
    // A page from the scanner: saved as the scan file, shown, and handed to the new document
    // window; the rest of the burst is dropped.
    void TwainTwainAcquire(const platform::DeviceIndependentBitmap& image, bool& cancel);

    widgets::PictureButton* iDropBotButton;
    widgets::PictureButton* iScanBotButton;
    widgets::PictureButton* iBrowseBotButton;
    // Empty until the scan picture is first clicked.
    std::unique_ptr<twain::TTwainComponent> Twain;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quillox::app
