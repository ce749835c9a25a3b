#pragma once

#include "platform/handler_guard.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

namespace quillox::widgets {

// What the program's windows do with a showing, the close box, Return and Escape, written once
// for windows and dialogs alike. A window says what each means to it by overriding the hooks;
// each hook runs guarded, so that its error reaches the error box and the toolkit never sees it.
template <typename QtWindow> class DesignedWindow : public QtWindow {
public:
    using QtWindow::QtWindow;

    // Runs on every showing of a hidden window that the program asks for; not when the window
    // system shows it again (a minimised window restored), nor for a visible window raised.
    virtual void FormShow() {}

    // The controls are made before the first showing.
    void setVisible(bool visible) override {
        if (visible)
            needControls();
        QtWindow::setVisible(visible);
    }

protected:
    // Every window is made at start-up, hidden but the main one; a window makes its controls
    // here instead of in its constructor, so that the program starts without making the
    // controls of windows not yet shown. Runs once, at the first showing or at the first call
    // that needs the controls before it (needControls).
    virtual void makeControls() {}
    void needControls() {
        if (!controlsMade_) {
            controlsMade_ = true;
            makeControls();
        }
    }

    // The title bar's close box, before the window hides.
    virtual void FormClose() {}
    // Return and Enter confirm only while the window allows it.
    virtual bool canConfirm() const { return false; }
    virtual void confirm() {}
    // Escape cancels only in a window that has a cancel.
    virtual bool canCancel() const { return false; }
    virtual void cancel() {}

    void showEvent(QShowEvent* event) override {
        QtWindow::showEvent(event);
        if (!event->spontaneous())
            platform::runHandler([this] { FormShow(); });
    }

    void closeEvent(QCloseEvent* event) override {
        platform::runHandler([this] { FormClose(); });
        QtWindow::closeEvent(event);
    }

    // Return presses the push button that has the focus, as Space does; elsewhere it confirms
    // only where the window allows.
    void keyPressEvent(QKeyEvent* event) override {
        const bool confirming = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        auto* focusedButton = qobject_cast<QPushButton*>(QtWindow::focusWidget());
        if (confirming && focusedButton && focusedButton->isEnabled())
            focusedButton->click();
        else if (confirming && canConfirm())
            platform::runHandler([this] { confirm(); });
        else if (event->key() == Qt::Key_Escape && canCancel())
            platform::runHandler([this] { cancel(); });
        else
            QtWindow::keyPressEvent(event);
    }

private:
    bool controlsMade_ = false;
};

} // namespace quillox::widgets
