#pragma once

#include <QWidget>

namespace quillox::filing {

// The new folder window, shown modally over the window that opens it.
class TfNewDir : public QWidget {
    Q_OBJECT

public:
    explicit TfNewDir(QWidget* owner);
};

} // namespace quillox::filing
