#pragma once

#include <QObject>

class TileFlowPanelTest : public QObject {
    Q_OBJECT

private slots:
    void aLargeLevelMakesWidgetsOnlyForTheRowsInSight();
    void theTilesSitSideBySideAsTheyAreMeasured();
    void theKeyboardChoosesAndClicksATile_data();
    void theKeyboardChoosesAndClicksATile();
};
