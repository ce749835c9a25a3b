#pragma once

#include <QWidget>

namespace quillox::app {

// The main window: the one shown at start and the one whose closing ends the run.
class TfMain : public QWidget {
    Q_OBJECT

public:
    TfMain();

    // Creation handler: the window takes files dropped on it.
    void FormCreate();
    // Destruction handler: it takes none any more.
    void FormDestroy();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace quillox::app
