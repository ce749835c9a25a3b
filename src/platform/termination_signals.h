#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillox::platform {

// Turns SIGTERM and SIGINT into a signal on the event loop, so that the run ends as when the
// main window is closed and the database is closed properly. One object at a time.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    TerminationSignals();
    ~TerminationSignals() override;

signals:
    void Received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quillox::platform
