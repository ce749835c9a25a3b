#include "tf_main.h"

#include "window_design.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace quillox::app {

TfMain::TfMain() {
    widgets::applyWindowDesign(*this, "Quillox - Start filing now!", {483, 210},
                               widgets::Border::Fixed);
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfMain::FormCreate() {
    setAcceptDrops(true);
}

void TfMain::FormDestroy() {
    setAcceptDrops(false);
}

void TfMain::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

} // namespace quillox::app
