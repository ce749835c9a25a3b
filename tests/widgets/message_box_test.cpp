// The program's message box: what the user sees, and the line a terminal or the journal gets.
#include "message_box_test.h"

#include "widgets/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <unistd.h>

namespace {

// What the process writes to standard error while the object lives.
class StandardErrorCapture {
public:
    StandardErrorCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { restore(); }

    QByteArray written() {
        restore();
        QFile read(file_.fileName());
        read.open(QIODevice::ReadOnly);
        return read.readAll();
    }

private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace

void MessageBoxTest::theMessageGoesToTheBoxAndToStandardErrorAsOneLine() {
    QString caption;
    QString shown;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption = box->windowTitle();
        shown = box->text();
        box->buttons().front()->click();
    });
    StandardErrorCapture capture;
    quillox::widgets::showMessageBox(QMessageBox::Critical, "Cannot copy \"a.pdf\":\nDisk full.");
    QCOMPARE(capture.written(), QByteArray("quillox: Cannot copy \"a.pdf\": Disk full.\n"));
    QCOMPARE(caption, QString("Quillox"));
    QCOMPARE(shown, QString("Cannot copy \"a.pdf\":\nDisk full."));
}
