#pragma once

#include <QWidget>

namespace quillox::app {

// The About box, shown beside whichever window leads.
class TfAbout : public QWidget {
    Q_OBJECT

public:
    explicit TfAbout(QWidget* owner);
};

} // namespace quillox::app
