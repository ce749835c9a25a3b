#pragma once

#include <QObject>

// What only a window manager shows: frames drawn around the windows, and their stacking.
class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void thePreviewsOuterSizeHoldsAtEveryShowing();
    void theVisiblePreviewComesToTheFront();
};
