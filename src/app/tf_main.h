#pragma once

#include <QWidget>

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

    widgets::PictureButton* iDropBotButton;
    widgets::PictureButton* iScanBotButton;
    widgets::PictureButton* iBrowseBotButton;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quillox::app
