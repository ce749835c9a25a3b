#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the addresses that the program hands to the desktop, instead of the desktop, while it
// lives.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url);
};
