#pragma once

#include <QObject>

class SaneWorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void aPageFromSaneIsFiled();
};
