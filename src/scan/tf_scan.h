#pragma once

#include <QWidget>

namespace quillox::scan {

// The scan preview: shows the page a scanner delivered.
class TfScan : public QWidget {
    Q_OBJECT

public:
    explicit TfScan(QWidget* owner);
};

} // namespace quillox::scan
