#pragma once

#include <QObject>

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void fileBrowseMoveSearchAndDeleteAcrossRestarts();
};
