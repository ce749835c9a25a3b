#pragma once

#include <QObject>
#include <functional>

namespace quillox::app {

// Runs a step once, from the event loop, after the first window of the run has been painted:
// for work that no window needs before it shows, but that would hold up its first picture.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QObject* application, std::function<void()> step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> step_;
};

} // namespace quillox::app
