#include "window_manager_test.h"

#include "app/tf_main.h"
#include "app_run.h"
#include "retrieval/tf_browse.h"
#include "scan/tf_scan.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// What the window manager says on the root window about the property.
QString rootProperty(const QString& name) {
    QProcess xprop;
    xprop.start("xprop", {"-root", "-notype", name});
    return xprop.waitForFinished(5000) ? QString::fromLatin1(xprop.readAllStandardOutput())
                                       : QString();
}

// The program's windows as the window manager stacks them, lowest first.
QList<WId> stacking() {
    QList<WId> windows;
    const QString answer = rootProperty("_NET_CLIENT_LIST_STACKING");
    for (const auto& match : QRegularExpression("0x[0-9a-f]+").globalMatch(answer))
        windows.append(match.captured().toULongLong(nullptr, 16));
    return windows;
}

bool isAbove(const QWidget& upper, const QWidget& lower) {
    const QList<WId> windows = stacking();
    const auto lowerAt = windows.indexOf(lower.winId());
    return lowerAt >= 0 && windows.indexOf(upper.winId()) > lowerAt;
}

// The browse window put over the preview, as a user's click on it does.
void coverThePreview() {
    fBrowse->show();
    fBrowse->raise();
    fBrowse->activateWindow();
    // Once active, the window manager has done all it does for the browse window's showing.
    QTRY_VERIFY(fBrowse->isActiveWindow());
    QTRY_VERIFY(isAbove(*fBrowse, *fScan));
}

} // namespace

void WindowManagerTest::initTestCase() {
    if (QApplication::platformName() != "xcb" ||
        !rootProperty("_NET_SUPPORTED").contains("_NET_CLIENT_LIST_STACKING"))
        QFAIL("This test needs an X server with a window manager that keeps the stacking list.");
}

void WindowManagerTest::thePreviewsOuterSizeHoldsAtEveryShowing() {
    TestHome home;
    AppRun run(home);
    for (int showing = 1; showing <= 2; ++showing) {
        fScan->show();
        QTRY_VERIFY(fScan->frameGeometry().size() != fScan->size());
        QTRY_COMPARE(fScan->frameGeometry().size(), QSize(690, 900));
        fScan->hide();
    }
}

// A second scan, or a page arriving, brings the preview up even when it is already visible.
void WindowManagerTest::theVisiblePreviewComesToTheFront() {
    TestHome home;
    AppRun run(home);
    fScan->show();
    coverThePreview();
    emit fMain->scanStarted();
    QTRY_VERIFY(isAbove(*fScan, *fBrowse));

    coverThePreview();
    const QString scanFile = home.path() + "/page.bmp";
    QImage page(20, 30, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(page.save(scanFile));
    emit fMain->pageScanned(page, scanFile);
    QTRY_VERIFY(isAbove(*fScan, *fBrowse));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}
